#include "shell/lockdown.h"

#include "ui/application.h"
#include "ui/compat.h"
#include "ui/platform.h"

#include <algorithm>

namespace dovrane {

namespace {

bool altHeld = false;
bool ctrlHeld = false;
bool blocking = false;
std::vector<HWND> protectedWindows;

bool IsKey(DWORD vk, DWORD generic, DWORD left, DWORD right) { return vk == generic || vk == left || vk == right; }

// Whether the hook keeps a key event from the system.
bool Swallows(const KBDLLHOOKSTRUCT& key) {
    bool down = !(key.flags & LLKHF_UP);
    if (IsKey(key.vkCode, VK_MENU, VK_LMENU, VK_RMENU)) altHeld = down;
    if (IsKey(key.vkCode, VK_CONTROL, VK_LCONTROL, VK_RCONTROL)) ctrlHeld = down;
    // Wine leaves LLKHF_ALTDOWN unset for synthesised input: ask the keyboard too.
    bool alt = (key.flags & LLKHF_ALTDOWN) || GetAsyncKeyState(VK_MENU) < 0;
    bool ctrl = GetAsyncKeyState(VK_CONTROL) < 0;
    if (blocking && TaskKeyBlock::Blocks(key.vkCode, alt, ctrl)) return true;
    return TaskKeyBlock::ClosesProtected(key.vkCode, alt, GetForegroundWindow());
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
    bool swallow = false;
    if (code == HC_ACTION)
        ui::Guarded([&] { swallow = Swallows(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp)); });
    return swallow ? 1 : CallNextHookEx(nullptr, code, wp, lp);
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

RECT Windows95TaskbarRect(RECT r, int sw, int sh) {
    const int overhang = 2;
    if (r.left == 0) r.left = -overhang;
    if (r.top == 0) r.top = -overhang;
    if (r.right == sw) r.right = sw + overhang;
    if (r.bottom == sh) r.bottom = sh + overhang;
    return r;
}

TaskKeyBlock::TaskKeyBlock() {
    // Windows 95/98 have no low-level hook: the screen-saver-running switch
    // blocks the keys there. Under Wine the hook still watches Ctrl and Alt,
    // whatever version Wine poses as.
    blocking = !ui::IsWindows9x();
    if (blocking || RunningOnWine())
        hook_.reset(SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0));
}

TaskKeyBlock::~TaskKeyBlock() { protectedWindows.clear(); }

bool TaskKeyBlock::Blocking() const { return blocking && hook_; }

void TaskKeyBlock::Protect(std::vector<HWND> windows) { protectedWindows = std::move(windows); }

bool TaskKeyBlock::ClosesProtected(DWORD vk, bool altDown, HWND foreground) {
    return vk == VK_F4 && altDown && foreground &&
           std::find(protectedWindows.begin(), protectedWindows.end(), foreground) != protectedWindows.end();
}

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
