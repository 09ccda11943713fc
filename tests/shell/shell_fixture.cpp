#include "tests/shell/shell_fixture.h"

#include "tests/support/shortcut_file.h"

namespace shell_testing {

namespace {

HWND MakeWindow(const char* cls, HWND parent, int x, int y, int w, int h) {
    DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
    return CreateWindowExA(WS_EX_TOOLWINDOW, cls, "", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
}

}  // namespace

ShellTest::ShellTest() {
    ui::Platform& p = ui::platform();
    p.windowsDir = [this] { return windows.Path(); };
    p.userName = [this] { return user; };
    p.startProgram = [this](const std::string& commandLine, int show) {
        EXPECT_EQ(show, SW_SHOW);
        started.push_back(commandLine);
        return startAnswer;
    };
    p.exitWindows = [this](UINT flags) {
        sessionRequests.push_back(flags);
        return sessionAnswer;
    };
    p.findWindow = [this](const char* cls, const char*) -> HWND {
        std::string c = cls ? cls : "";
        if (c == "Shell_TrayWnd") return fakeTray;
        if (c == "Progman") return fakeProgman;
        return nullptr;
    };
    p.findChildWindow = [this](HWND parent, const char*) { return parent == fakeTray ? fakeStart : nullptr; };
    p.desktopWindow = [this] { return fakeDesktop; };
    CreateDirectoryA(Profiles().c_str(), nullptr);
    velmora::RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey)
        .WriteString(velmora::kPasswordValue, velmora::PaddedPassword("abc"));
    velmora::RegistryKey::Create(HKEY_LOCAL_MACHINE, velmora::kRunKey);
    velmora::RegistryKey::Create(HKEY_CURRENT_USER, velmora::kPoliciesKey);
}

ShellTest::~ShellTest() {
    for (HWND w : {fakeStart, fakeTray, fakeProgman, fakeDesktop})
        if (w) DestroyWindow(w);
    TakeQuit();
}

std::string ShellTest::MakeProfile(const std::string& name) const {
    std::string dir = velmora::ProfileFolder(Profiles(), name);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

std::string ShellTest::Settings(const std::string& name, const std::string& content) const {
    std::string path = velmora::SettingsFileOf(Profiles(), name);
    testing_support::TempFolder::WriteAt(path, content);
    return path;
}

std::string ShellTest::MakeShortcut(const std::string& folder, const std::string& name, const std::string& target,
                                    const std::string& arguments, const std::string& workingDir) const {
    return testing_support::WriteShortcut(folder + "\\" + name, target, arguments, workingDir);
}

std::unique_ptr<dovrane::TVantrel95> ShellTest::MakeShell() { return std::make_unique<dovrane::TVantrel95>(); }

void ShellTest::LoadThroughHidingSequence(dovrane::TVantrel95& shell) {
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    if (!fakeTray) fakeTray = MakeWindow("STATIC", nullptr, -2, sh - 28, sw + 4, 30);
    if (!fakeStart) fakeStart = MakeWindow("BUTTON", fakeTray, 2, 2, 50, 22);
    if (!fakeProgman) fakeProgman = MakeWindow("STATIC", nullptr, 0, 0, 10, 10);
    if (!fakeDesktop) fakeDesktop = MakeWindow("STATIC", nullptr, 0, 0, 10, 10);
    for (int tick = 0; tick < 50 && shell.HideSteps != 0; ++tick) shell.Timer2Timer();
    ASSERT_EQ(shell.HideSteps, 0u);
}

std::optional<int> ShellTest::TakeQuit() {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
    return std::nullopt;
}

void DoubleClickAt(HWND hwnd, const RECT& r) {
    LPARAM at = MAKELPARAM(r.left + 3, r.top + 3);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
}

}  // namespace shell_testing
