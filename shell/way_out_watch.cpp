#include "shell/way_out_watch.h"

#include "shell/way_outs.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/platform.h"

#include <algorithm>

namespace dovrane {

namespace {

const char kNotAllowed[] = "Ce programme n'est pas autorisé sur ce bureau...";

// "About a second" for the timer's watch; quicker while a report is followed.
constexpr UINT kTimerLook = 1000;
constexpr UINT kFollowLook = 250;
// A program shows its window this long after creating it, at most.
constexpr DWORD kFollowTime = 10000;

BOOL CALLBACK CollectShown(HWND window, LPARAM lp) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // The shell's own windows, its message among them, are never judged.
    if (process != GetCurrentProcessId() && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
    return TRUE;
}

bool EndProgramOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    ui::KernelHandle handle(OpenProcess(PROCESS_TERMINATE, FALSE, process));
    return handle && TerminateProcess(handle.get(), 1);
}

}  // namespace

WayOutWatch::WayOutWatch(HWND owner, OfferedPrograms offered) : owner_(owner), offered_(std::move(offered)) {
    timer_.onTimer = [this] { OnTimer(); };
    events_ = std::make_unique<ui::WindowEventHook>([this] { OnWindowReported(); });
    // The ways out already open are looked at from the message loop, at the
    // first tick, so that their message never holds up the caller.
    if (events_->Installed()) LookFor(0);
    else WatchByTimer();
}

void WayOutWatch::WatchByTimer() {
    events_.reset();
    timer_.SetInterval(kTimerLook);
    timer_.SetEnabled(true);
}

void WayOutWatch::OnWindowReported() {
    Sweep();
    LookFor(kFollowTime);
}

void WayOutWatch::LookFor(DWORD milliseconds) {
    lookUntil_ = GetTickCount() + milliseconds;
    timer_.SetInterval(kFollowLook);
    timer_.SetEnabled(true);
}

void WayOutWatch::OnTimer() {
    Sweep();
    if (events_ && static_cast<LONG>(GetTickCount() - lookUntil_) >= 0) timer_.SetEnabled(false);
}

void WayOutWatch::Sweep() {
    std::vector<HWND> shown;
    EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&shown));
    std::vector<HWND> fresh;
    for (HWND w : shown)
        if (std::find(seen_.begin(), seen_.end(), w) == seen_.end()) fresh.push_back(w);
    // Kept before anything is closed: the message's own loop may look again.
    seen_ = std::move(shown);
    bool closed = false;
    for (HWND w : fresh) closed = Close(w) || closed;
    if (closed) Tell();
}

bool WayOutWatch::Close(HWND window) {
    Verdict verdict = Judge(FactsOf(window), offered_);
    if (verdict == Verdict::Allowed) return false;
    // A program that cannot be ended (a 16-bit one on 95/98, one of another
    // user) is asked to close its window.
    if (verdict == Verdict::CloseWindow || !EndProgramOf(window)) PostMessageA(window, WM_CLOSE, 0, 0);
    return true;
}

void WayOutWatch::Tell() {
    if (telling_) return;
    telling_ = true;
    struct Told {
        bool& telling;
        ~Told() { telling = false; }
    } told{telling_};
    ui::ShowMessage(owner_, kNotAllowed, ui::Application::Instance().Title(), MB_OK);
}

}  // namespace dovrane
