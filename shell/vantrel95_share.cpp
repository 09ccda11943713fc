// The desktop of a room of machines: with a shared profiles folder set, the
// shell shows the local copy at once and copies the user's profile from the
// share in the background, at the start and then every minute; a copy that
// differs takes the old one's place and the desktop is loaded again. The
// share may never answer: nothing waits for it and nothing is told.
#include "shell/vantrel95.h"

#include "shared/profile_store.h"
#include "shell/profile_copy.h"
#include "ui/application.h"
#include "ui/platform.h"

#include <memory>

namespace dovrane {

namespace {

// Posted to the window by the background copy, with its CopyJob.
constexpr UINT kShareCopied = WM_APP + 20;

struct CopyJob {
    ShareCopyRequest request;
    HWND window;
    ShareCopy result;
};

DWORD WINAPI CopyInBackground(void* parameter) {
    std::unique_ptr<CopyJob> job(static_cast<CopyJob*>(parameter));
    try {
        job->result = CopyFromShare(job->request);
    } catch (...) {
        job->result = ShareCopy{};   // a failed copy, tried again at the next check
    }
    // A window that is gone takes no message: the job ends here then.
    if (PostMessageA(job->window, kShareCopied, 0, reinterpret_cast<LPARAM>(job.get()))) job.release();
    return 0;
}

}  // namespace

void TVantrel95::StartShareCopies() {
    if (velmora::SharedProfilesFolder().empty()) return;
    ShareTimer.SetEnabled(true);
    CheckShare();
}

void TVantrel95::CheckShare() {
    std::string share = velmora::SharedProfilesFolder();
    if (copying_ || share.empty()) return;
    ui::Platform& system = ui::platform();
    auto job = std::make_unique<CopyJob>();
    job->request = {share, velmora::ProfilesFolder(system.windowsDir()), system.userName(), ProfileName, shareState_};
    job->window = Handle();
    // The system's own thread call, which Windows 95 has; the job is the thread's.
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, CopyInBackground, job.get(), 0, &id);
    if (!thread) return;
    job.release();
    CloseHandle(thread);
    copying_ = true;
}

bool TVantrel95::OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != kShareCopied) return Form::OnOtherMessage(msg, wp, lp, result);
    std::unique_ptr<CopyJob> job(reinterpret_cast<CopyJob*>(lp));
    copying_ = false;
    ShareCopied(job->result);
    return true;
}

void TVantrel95::ShareCopied(const ShareCopy& copy) {
    if (copy.outcome == ShareCopy::Failed) return;
    if (copy.outcome == ShareCopy::Unchanged) {
        shareState_ = copy.state;
        return;
    }
    // Not under an open dialog, nor once the shell is on its way out: the
    // next check copies again.
    if (ui::Application::Instance().ModalOpen() || CloseAllowed) {
        DiscardCopy(copy);
        return;
    }
    // The NT family renames no folder that is a current folder.
    std::string local = velmora::ProfilesFolder(ui::platform().windowsDir());
    SetCurrentDirectoryA(local.c_str());
    if (!SwapInCopy(copy, local, ProfileName)) {
        DiscardCopy(copy);
        SetCurrentDirectoryA(ProfileDir.c_str());
        return;
    }
    shareState_ = copy.state;
    LoadDesktop();
}

}  // namespace dovrane
