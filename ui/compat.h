// What differs between the Windows versions the programs run on, decided here.
//
// The programs must load on Windows 95 retail, so they import nothing that it
// lacks. Calls that only later versions (or a later COMCTL32) export are
// looked up once at run time, each with a fallback that does the same thing;
// the fallbacks are public so that they can be tested where the real call
// exists. Behaviour that depends on the version (keyboard blocking, for one)
// asks IsWindows9x(), which is what GetVersionEx reports, never whether some
// call happened to fail: Wine has every call, whatever version it poses as.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// A function of an already loaded system library, or none: for the calls
// that the programs may not import, since Windows 95 lacks them.
template <class F>
F SystemFunction(const char* module, const char* name) {
    HMODULE h = GetModuleHandleA(module);
    return h ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h, name))) : nullptr;
}

// True on Windows 95, 98 and Me (VER_PLATFORM_WIN32_WINDOWS); false on the NT family.
bool IsWindows9x();

// The pointing hand over what a click opens. Windows 95 and NT 4 have no
// hand among the system's cursors (it came with Windows 98 and 2000): there
// the program's own cursor resource `ownId` stands in.
HCURSOR HandCursor(int ownId);
bool SystemHasHandCursor();
HCURSOR OwnHandCursor(int ownId);

// The system image list's index of icon `index` of `file`, which the system
// adds when it is not there yet; -1 when the file has no such icon. SHELL32
// exports it by number alone (72), taking ANSI text on Windows 95/98 and
// Unicode on the NT family.
int CachedImageIndex(const std::string& file, int index);

// Loads COMCTL32 and registers the common controls that the forms use
// (InitCommonControlsEx where COMCTL32 has it), once. Each control of that
// library asks for it before its first window: a program that shows none
// never loads the library, which costs its start a good deal.
void InitCommonControlsCompat();

// The top-level window that holds hwnd (GetAncestor with GA_ROOT, Windows 98).
HWND RootWindow(HWND hwnd);
HWND RootWindowByParents(HWND hwnd);

// Asks for one WM_MOUSELEAVE when the pointer leaves hwnd (TrackMouseEvent,
// Windows 98; _TrackMouseEvent of COMCTL32 4.70). Where neither exists, a
// timer on hwnd watches the pointer: its ticks go to MouseLeaveTimerTick.
void TrackMouseLeave(HWND hwnd);
void TrackMouseLeaveByTimer(HWND hwnd);
inline constexpr UINT_PTR kMouseLeaveTimer = 0x4D4C;   // 'ML'
// Called for kMouseLeaveTimer ticks: once the pointer is outside hwnd the
// timer stops and hwnd receives WM_MOUSELEAVE.
void MouseLeaveTimerTick(HWND hwnd);

// On the NT family a program may end the session with a shut-down only once
// it holds the shutdown privilege, which it must enable first; Windows 95/98
// have no privileges. Answers whether the privilege is now held (always true
// on 95/98).
bool EnableShutdownPrivilege();

// The program file of a running process, as the system tells it: the full
// path (from its first module where the process entry names the file alone,
// as the NT family does); the file name where only that is known; empty
// where the system has no process list (Toolhelp: Windows 95, 98 and 2000
// on, not NT 4) or the process is gone.
std::string ProgramFileOf(DWORD processId);

// Calls onReport on this thread each time another program creates or shows
// a top-level window (SetWinEventHook, Windows 98 and 2000 on; Wine reports
// creations only). Where the system has no such events, Installed() is false
// and the caller watches another way. One at a time: the system's callback
// carries nothing back to its hook.
class WindowEventHook {
public:
    explicit WindowEventHook(std::function<void()> onReport);
    ~WindowEventHook();
    WindowEventHook(const WindowEventHook&) = delete;
    WindowEventHook& operator=(const WindowEventHook&) = delete;
    bool Installed() const { return hook_ != nullptr; }

private:
    HWINEVENTHOOK hook_ = nullptr;
};

// Copies the source rectangle (sw x sh at 0, 0 of src) to (x, y, w, h) of dst,
// stretched, leaving the destination as it was wherever the source has the
// colour key. Drawn through a mask, as TransparentBlt (MSIMG32, absent from
// Windows 95) does it.
void DrawTransparent(HDC dst, int x, int y, int w, int h, HDC src, int sw, int sh, COLORREF key);

}  // namespace ui
