// The entries of a profile folder as the desktop shows them: what each one
// starts, its picture and its label; and the message when one cannot start. The desktop and the shell's folder
// windows list a folder by the same rules.
#pragma once

#include "shared/shell_link.h"
#include "ui/handles.h"

#include <string>
#include <vector>

namespace dovrane {

struct Slot {
    std::string Path;
    bool IsFolder = false;
};

struct DesktopEntry {
    Slot slot;
    std::string label;
    ui::IconHandle icon;
};

// Reads at most `limit` entries of `folder`, in the order of the file
// system. The enumeration's first two entries (the folder's own "." and
// "..") are skipped unread. A folder whose attributes are exactly
// "directory" is a sub-folder; anything else is read as a shortcut through
// `link`, a program information file being started as itself.
std::vector<DesktopEntry> ReadDesktopEntries(const std::string& folder, velmora::TVornShellLink& link,
                                             size_t limit);

bool IsProgramInformationFile(const std::string& path);

// "Accès impossible...": the system could not start what an entry names.
void ShowAccessError(HWND owner);

}  // namespace dovrane
