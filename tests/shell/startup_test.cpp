#include "tests/shell/shell_fixture.h"

#include <functional>

using namespace dovrane;
using shell_testing::ShellTest;

TEST_F(ShellTest, ASecondShellEndsSilently) {
    auto first = MakeShell();
    ASSERT_FALSE(first->EndedAtCreation());
    auto second = MakeShell();
    EXPECT_TRUE(second->EndedAtCreation());
    EXPECT_TRUE(messages.shown.empty());
    second.reset();
    first.reset();
    EXPECT_FALSE(MakeShell()->EndedAtCreation()) << "the name is free again once the first shell ended";
}

TEST_F(ShellTest, ThePasswordIsReadAtCreation) {
    auto shell = MakeShell();
    EXPECT_EQ(shell->StoredPassword, "abc       ");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(shell->HideSteps, static_cast<unsigned>(hsAll));
}

namespace {

bool ScreenSaverRunning() {
    BOOL running = FALSE;
    SystemParametersInfoA(0x0072 /* SPI_GETSCREENSAVERRUNNING */, 0, &running, 0);
    return running;
}

}  // namespace

TEST_F(ShellTest, ABrokenInstallationIsToldAndLocksNothing) {
    auto vendor = [] { return velmora::RegistryKey::Open(HKEY_CURRENT_USER, velmora::kVendorKey); };
    // A password that no typed one can match would leave nothing to unload the shell with.
    std::vector<std::function<void()>> breakages = {
        [&] { vendor().WriteDword(velmora::kPasswordValue, 1234); },
        [&] { vendor().WriteString(velmora::kPasswordValue, "abcdefghijk"); },
        [&] { vendor().WriteString(velmora::kPasswordValue, "abc"); },
        [&] { vendor().WriteString(velmora::kPasswordValue, "ab-d      "); },
        [&] { vendor().DeleteValue(velmora::kPasswordValue); },
        [] {
            HKEY key;
            ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SoftWare\\ZAFO", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
            RegDeleteKeyA(key, "Dovrane");
            RegCloseKey(key);
        },
    };
    for (auto& breakage : breakages) {
        breakage();
        messages.shown.clear();
        auto shell = MakeShell();
        ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Installez le programme avant d'activer ce fichier..."});
        shell->Show();   // as the message loop does once
        EXPECT_EQ(shell->HideSteps, static_cast<unsigned>(hsAll)) << "nothing of the system is hidden";
        EXPECT_EQ(TakeQuit(), 0) << "the program ends at the first turn of its message loop";
        EXPECT_FALSE(ScreenSaverRunning()) << "the keys are not left blocked";
    }
}

TEST_F(ShellTest, FirstShowingWaitsOffScreenForTheLogOnDialog) {
    auto shell = MakeShell();
    HWND logon = CreateWindowExA(0, "STATIC", "logon", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    int looks = 0;
    RECT during = {};
    bool visibleDuring = true;
    ui::platform().findWindow = [&](const char* cls, const char* title) -> HWND {
        if (std::string(cls) != "#32770" || std::string(title) != "Saisie du mot de passe réseau") return nullptr;
        GetWindowRect(shell->Handle(), &during);
        visibleDuring = IsWindowVisible(shell->Handle());
        return ++looks <= 3 ? logon : nullptr;
    };
    shell->Show();
    EXPECT_EQ(looks, 4) << "looked again until the dialog was gone";
    EXPECT_EQ(during.left, -100);
    EXPECT_EQ(during.top, -100);
    EXPECT_FALSE(visibleDuring);
    RECT after;
    GetWindowRect(shell->Handle(), &after);
    EXPECT_EQ(after.left, 0);
    EXPECT_EQ(after.top, 0);
    EXPECT_TRUE(IsWindowVisible(shell->Handle()));
    EXPECT_TRUE(shell->Timer1.Enabled());
    EXPECT_TRUE(shell->Timer2.Enabled());
    EXPECT_FALSE(IsWindowVisible(ui::Application::Instance().Handle()));
    DestroyWindow(logon);
}

TEST_F(ShellTest, TheWindowClosesOnlyWhenAllowed) {
    auto shell = MakeShell();
    shell->Show();
    SendMessageA(shell->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(shell->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SendMessageA(shell->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(shell->Handle()));
    EXPECT_FALSE(IsIconic(shell->Handle()));
    EXPECT_FALSE(TakeQuit());
    EXPECT_EQ(SendMessageA(shell->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE)
        << "a log-off asked by another program is refused";
    shell->CloseAllowed = true;
    EXPECT_EQ(SendMessageA(shell->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageA(shell->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(TakeQuit()) << "system commands stay swallowed";
}
