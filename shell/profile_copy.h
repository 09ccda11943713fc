// The local copy of the user's profile from a shared profiles folder. The
// shell always shows the local profiles folder, so the desktop comes up
// without the network; a copy of the share, made beside it in the
// background, takes the old copy's place only once it is whole and differs.
// The share is only ever read. No window is involved.
#pragma once

#include <optional>
#include <string>

namespace dovrane {

// What a copy starts from; handed whole to the background.
struct ShareCopyRequest {
    std::string share;                  // the shared profiles folder
    std::string local;                  // the local profiles folder
    std::optional<std::string> user;    // the logged-on user's name
    std::string shownName;              // the profile that the desktop shows
    std::string lastState;              // the share as found by the last whole copy
};

struct ShareCopy {
    enum Outcome {
        Failed,      // the share did not answer, or broke off: the old copy stays
        Unchanged,   // nothing new on the share
        Ready,       // a new copy waits in `staging`
    };
    Outcome outcome = Failed;
    std::string state;     // the share as found, for the next request
    std::string name;      // the profile's name on the share
    std::string staging;   // the folder that holds the new copy
};

// The profile's folder, settings file and (when it lies on the network) its
// background picture, copied into a hidden folder of the local profiles
// folder; the copied settings name the picture's local copy. Temporary
// shortcut names of the administration program and links are left out.
ShareCopy CopyFromShare(const ShareCopyRequest& request);

// Puts a Ready copy in place of the local one (and of the shown profile,
// when the share gives the user another one), then removes what it
// replaced. Only renames are used; when one fails, what was moved goes back
// and the answer is false. No current folder may lie inside the local copy.
bool SwapInCopy(const ShareCopy& copy, const std::string& local, const std::string& shownName);

// Removes a copy that is not wanted.
void DiscardCopy(const ShareCopy& copy);

// The local name of the picture of a profile's copy.
std::string CopiedPictureOf(const std::string& local, const std::string& name);

}  // namespace dovrane
