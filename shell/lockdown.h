// The platform side of the lock-down, decided here and nowhere else.
//
// Windows 95/98 ignore the task-switching and reset keys while the
// screen-saver-running switch is on. The NT family does not, so there the
// shell swallows Alt+Tab, Alt+Esc, Ctrl+Esc and the Windows keys with a
// low-level keyboard hook, which Windows 95/98 do not have. The choice goes by
// the platform that the system reports: under Wine the hook would install
// whatever version Wine poses as.
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

#include <vector>

namespace dovrane {

void SetScreenSaverRunning(bool running);
bool RunningOnWine();

// The window that holds the system's desktop icons, or none yet.
HWND FindProgramManager();

// The taskbar's rectangle as Windows 95 reports it, from the one that the
// system gives on a screen of the given size.
RECT Windows95TaskbarRect(RECT rect, int screenWidth, int screenHeight);

// Swallows the task-switching keys while it exists, on the NT family. Since
// it sees every key, it also tells whether Ctrl and Alt are held: under Wine,
// a window that has not the keyboard (the shell's never has it) cannot tell
// otherwise, GetAsyncKeyState included, so under Wine it watches them on
// every version, without blocking anything where the system is Windows 95/98.
//
// Where it watches, it also keeps Alt+F4 from the system windows that the
// shell protects: Wine hands the keyboard to its taskbar when a program
// closes, and Alt+F4 there would hide the taskbar with the tray icons, the
// only ways out of the shell.
class TaskKeyBlock {
public:
    TaskKeyBlock();
    ~TaskKeyBlock();
    TaskKeyBlock(const TaskKeyBlock&) = delete;
    TaskKeyBlock& operator=(const TaskKeyBlock&) = delete;
    bool Blocking() const;
    static bool AltHeld();
    static bool CtrlHeld();
    // Whether a key event is one that the block swallows.
    static bool Blocks(DWORD vk, bool altDown, bool ctrlDown);

    // The windows that no Alt+F4 may close while the block lives.
    void Protect(std::vector<HWND> windows);
    // Whether a key event is Alt+F4 on a protected window in front.
    static bool ClosesProtected(DWORD vk, bool altDown, HWND foreground);

private:
    ui::HookHandle hook_;
};

}  // namespace dovrane
