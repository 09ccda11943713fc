#include "shell/lockdown.h"

#include "ui/compat.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

bool altHeld = false;
bool ctrlHeld = false;
bool blocking = false;

LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
        bool down = !(key->flags & LLKHF_UP);
        if (key->vkCode == VK_MENU || key->vkCode == VK_LMENU || key->vkCode == VK_RMENU) altHeld = down;
        if (key->vkCode == VK_CONTROL || key->vkCode == VK_LCONTROL || key->vkCode == VK_RCONTROL) ctrlHeld = down;
        // Wine leaves LLKHF_ALTDOWN unset for synthesised input: ask the keyboard too.
        bool alt = (key->flags & LLKHF_ALTDOWN) || GetAsyncKeyState(VK_MENU) < 0;
        bool ctrl = GetAsyncKeyState(VK_CONTROL) < 0;
        if (blocking && TaskKeyBlock::Blocks(key->vkCode, alt, ctrl)) return 1;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

void SetScreenSaverRunning(bool running) {
    UINT previous = 0;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &previous, 0);
}

bool RunningOnWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

HWND FindProgramManager() {
    if (HWND progman = ui::platform().findWindow("Progman", nullptr)) return progman;
    return RunningOnWine() ? ui::platform().desktopWindow() : nullptr;
}

bool TaskbarRect(HWND tray, RECT& r) {
    if (!GetWindowRect(tray, &r) || IsRectEmpty(&r)) return false;
    const int overhang = 2;
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    if (r.left == 0) r.left = -overhang;
    if (r.top == 0) r.top = -overhang;
    if (r.right == sw) r.right = sw + overhang;
    if (r.bottom == sh) r.bottom = sh + overhang;
    return true;
}

TaskKeyBlock::TaskKeyBlock() {
    // Windows 95/98 have no low-level hook: the screen-saver-running switch
    // blocks the keys there. Under Wine the hook still watches Ctrl and Alt,
    // whatever version Wine poses as.
    blocking = !ui::IsWindows9x();
    if (blocking || RunningOnWine())
        hook_.reset(SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0));
}

bool TaskKeyBlock::Blocking() const { return blocking && hook_; }

bool TaskKeyBlock::AltHeld() { return altHeld; }

bool TaskKeyBlock::CtrlHeld() { return ctrlHeld; }

bool TaskKeyBlock::Blocks(DWORD vk, bool altDown, bool ctrlDown) {
    switch (vk) {
        case VK_LWIN: case VK_RWIN: return true;
        case VK_TAB: return altDown;
        case VK_ESCAPE: return altDown || ctrlDown;
        default: return false;
    }
}

}  // namespace dovrane
