// The platform side of the lock-down, decided here and nowhere else.
//
// Windows 95/98 ignore the task-switching and reset keys while the
// screen-saver-running switch is on. NT-based Windows and Wine do not, so the
// shell also swallows Alt+Tab, Alt+Esc, Ctrl+Esc and the Windows keys with a
// low-level keyboard hook (which Windows 95/98 do not have: there the hook
// simply does not install and the switch does the work).
//
// Wine's desktop has no program-manager window ("Progman"); there the desktop
// window, which draws Wine's desktop, stands for it, so that the hiding
// sequence completes and the desktop loads.
//
// The Windows 95 taskbar reaches 2 pixels past the screen on the sides where
// it touches an edge, and the window's fit is measured from that. Wine's
// taskbar stops at the edges, and Wine lays out its taskbar again (showing
// the start button) whenever tray icons or windows change.
#pragma once

#include "ui/handles.h"

#include <windows.h>

namespace dovrane {

void SetScreenSaverRunning(bool running);
bool RunningOnWine();

// The window that holds the system's desktop icons, or none yet.
HWND FindProgramManager();

// The taskbar's rectangle as Windows 95 reports it; false while the window
// has no size (Wine without a virtual desktop has an empty one).
bool TaskbarRect(HWND tray, RECT& rect);

// Swallows the task-switching keys while it exists. Since it sees every key,
// it also tells whether Ctrl and Alt are held: under Wine, a window that has
// not the keyboard (the shell's never has it) cannot tell otherwise.
class TaskKeyBlock {
public:
    TaskKeyBlock();
    bool Installed() const { return static_cast<bool>(hook_); }
    static bool AltHeld();
    static bool CtrlHeld();
    // Whether a key event is one that the block swallows.
    static bool Blocks(DWORD vk, bool altDown, bool ctrlDown);

private:
    ui::HookHandle hook_;
};

}  // namespace dovrane
