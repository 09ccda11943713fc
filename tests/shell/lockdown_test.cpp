#include "tests/shell/shell_fixture.h"
#include "tests/support/input.h"
#include "ui/compat.h"

using namespace dovrane;
using testing_support::PressRealKeys;
using shell_testing::ShellTest;

TEST_F(ShellTest, TheHidingSequenceRetriesUntilEverySystemWindowIsHidden) {
    MakeProfile("marc");
    Settings("marc", "[Windows]\r\nSession=1\r\n");
    auto shell = MakeShell();
    std::vector<std::string> looks;
    auto find = ui::platform().findWindow;
    ui::platform().findWindow = [&](const char* cls, const char* title) {
        looks.push_back(cls);
        return find(cls, title);
    };
    HWND desktop = nullptr;
    ui::platform().desktopWindow = [&] { return desktop; };
    auto popup = [](const char* cls) {
        return CreateWindowExA(WS_EX_TOOLWINDOW, cls, "", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, nullptr, nullptr,
                               nullptr, nullptr);
    };

    shell->Timer2Timer();   // only the shell's own taskbar button exists yet
    EXPECT_EQ(shell->HideSteps, static_cast<unsigned>(hsDesktop | hsProgman | hsTaskbar | hsStartButton));
    ASSERT_GE(looks.size(), 2u);
    EXPECT_EQ(looks[0], "Progman") << "steps are tried in bit order";
    EXPECT_EQ(looks[1], "Shell_TrayWnd");

    desktop = popup("STATIC");
    fakeProgman = popup("STATIC");
    shell->Timer2Timer();
    EXPECT_EQ(shell->HideSteps, static_cast<unsigned>(hsTaskbar | hsStartButton));
    EXPECT_EQ(shell->DesktopWnd, desktop);
    EXPECT_EQ(shell->ProgmanWnd, fakeProgman) << "a real program manager is preferred to any stand-in";
    EXPECT_FALSE(IsWindowVisible(desktop));
    EXPECT_FALSE(IsWindowVisible(fakeProgman));
    EXPECT_FALSE(shell->lb[1]->Visible() || shell->ic[0]->Visible()) << "nothing loaded yet";

    int sh = GetSystemMetrics(SM_CYSCREEN), sw = GetSystemMetrics(SM_CXSCREEN);
    fakeTray = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, -2, sh - 28, sw + 4, 30,
                               nullptr, nullptr, nullptr, nullptr);
    shell->Timer2Timer();   // the taskbar came late; its start button is not there yet
    EXPECT_EQ(shell->HideSteps, static_cast<unsigned>(hsStartButton));
    EXPECT_EQ(shell->TrayWnd, fakeTray);
    EXPECT_FALSE(IsWindowVisible(fakeTray));

    fakeStart = CreateWindowExA(0, "BUTTON", "Start", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, fakeTray, nullptr,
                                nullptr, nullptr);
    shell->Timer2.SetEnabled(true);
    shell->Timer2Timer();
    EXPECT_EQ(shell->HideSteps, 0u);
    testing_support::Pump(20);   // the start button is hidden asynchronously
    EXPECT_FALSE(IsWindowVisible(fakeStart));
    EXPECT_TRUE(IsWindowVisible(fakeTray)) << "the taskbar comes back, without its start button";
    EXPECT_FALSE(shell->Timer2.Enabled());
    EXPECT_EQ(shell->Text(), "Bureau de : marc") << "the profile loads once all is hidden";
    EXPECT_TRUE(shell->TBIconDecharge->Active());
    EXPECT_TRUE(shell->TBIconQuit->Active());
    EXPECT_TRUE(shell->TBIconInfo->Active());
    EXPECT_EQ(shell->BoundsRect().bottom, sh - 26 - 1) << "fitted around the taskbar";
    DestroyWindow(desktop);
}

TEST_F(ShellTest, ATaskbarHiddenBehindTheShellsBackComesBackWithinATick) {
    MakeProfile("marc");
    auto shell = MakeShell();
    LoadThroughHidingSequence(*shell);
    ShowWindow(fakeTray, SW_HIDE);   // as Alt+F4 does to Wine's taskbar
    shell->Timer1Timer();
    EXPECT_TRUE(IsWindowVisible(fakeTray)) << "it carries the only ways out";
}

TEST_F(ShellTest, TheProfileDecidesWhichTrayIconsShow) {
    MakeProfile("marc");
    Settings("marc", "[Taskbar]\r\nvisible=0\r\n[Windows]\r\nExit=0\r\nSession=0\r\n");
    auto shell = MakeShell();
    LoadThroughHidingSequence(*shell);
    EXPECT_FALSE(shell->TBIconDecharge->Active());
    EXPECT_FALSE(shell->TBIconQuit->Active());
    EXPECT_FALSE(shell->TBIconInfo->Active());
}

TEST_F(ShellTest, CtrlAltClicksOnTheBackgroundShowAndHideTheUnloadIcon) {
    MakeProfile("marc");
    std::string profile = velmora::ProfileFolder(Profiles(), "marc");
    MakeShortcut(profile, "Notes", "C:\\windows\\notepad.exe");
    Settings("marc", "[Taskbar]\r\nvisible=0\r\n");
    auto shell = MakeShell();
    LoadThroughHidingSequence(*shell);
    SetWindowPos(shell->Handle(), nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_FALSE(shell->TBIconDecharge->Active());

    auto click = [&](UINT down, UINT up, WPARAM buttons, int x, int y, bool alt) {
        testing_support::HeldKeys held(alt ? std::vector<WORD>{VK_MENU} : std::vector<WORD>{});
        SendMessageA(shell->Handle(), down, buttons | MK_CONTROL, MAKELPARAM(x, y));
        SendMessageA(shell->Handle(), up, MK_CONTROL, MAKELPARAM(x, y));
    };
    click(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 500, 300, false);
    EXPECT_FALSE(shell->TBIconDecharge->Active()) << "Ctrl alone does nothing";
    click(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 500, 300, true);
    EXPECT_TRUE(shell->TBIconDecharge->Active());
    RECT icon = IconRect(1);
    click(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, icon.left + 5, icon.top + 5, true);
    EXPECT_TRUE(shell->TBIconDecharge->Active()) << "not on an icon";
    click(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_SHIFT, 500, 300, true);
    EXPECT_FALSE(shell->TBIconDecharge->Active()) << "Shift does not matter";
}

TEST_F(ShellTest, AClickNeverTakesTheActivation) {
    auto shell = MakeShell();
    EXPECT_EQ(SendMessageA(shell->Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(shell->Handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
}

TEST(TaskKeys, TheSwitchingKeysAreBlocked) {
    EXPECT_TRUE(TaskKeyBlock::Blocks(VK_TAB, true, false));
    EXPECT_TRUE(TaskKeyBlock::Blocks(VK_ESCAPE, true, false));
    EXPECT_TRUE(TaskKeyBlock::Blocks(VK_ESCAPE, false, true));
    EXPECT_TRUE(TaskKeyBlock::Blocks(VK_LWIN, false, false));
    EXPECT_TRUE(TaskKeyBlock::Blocks(VK_RWIN, false, false));
    EXPECT_FALSE(TaskKeyBlock::Blocks(VK_TAB, false, false));
    EXPECT_FALSE(TaskKeyBlock::Blocks(VK_ESCAPE, false, false));
    EXPECT_FALSE(TaskKeyBlock::Blocks('A', true, true));
}

namespace {

int escapesSeen = 0;

LRESULT CALLBACK Watch(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && reinterpret_cast<KBDLLHOOKSTRUCT*>(lp)->vkCode == VK_ESCAPE && wp == WM_KEYDOWN)
        ++escapesSeen;
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

TEST(TaskKeys, AltF4NeverClosesAProtectedSystemWindow) {
    if (ui::IsWindows9x() && !RunningOnWine()) GTEST_SKIP() << "no keyboard hook on Windows 95/98";
    auto window = [] {
        HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
        SetForegroundWindow(w);
        testing_support::Pump(50);
        return w;
    };
    TaskKeyBlock block;
    HWND other = window();
    PressRealKeys({VK_MENU, VK_F4});
    testing_support::Pump(100);
    ASSERT_FALSE(IsWindow(other)) << "Alt+F4 closes what is not protected";

    HWND taskbar = window();
    block.Protect({taskbar});
    PressRealKeys({VK_MENU, VK_F4});
    testing_support::Pump(100);
    EXPECT_TRUE(IsWindow(taskbar) && IsWindowVisible(taskbar));
    DestroyWindow(taskbar);
}

TEST(TaskKeys, CtrlEscNeverReachesTheSystemWhileTheBlockLives) {
    // Hooks installed later are asked first: the watch sees what the block lets through.
    ui::HookHandle watch(SetWindowsHookExA(WH_KEYBOARD_LL, Watch, GetModuleHandleA(nullptr), 0));
    escapesSeen = 0;
    PressRealKeys({VK_ESCAPE});
    testing_support::Pump(100);
    ASSERT_EQ(escapesSeen, 1) << "a plain Escape passes";
    // Windows 95/98 have no low-level hook: there the screen-saver-running switch blocks the keys.
    bool blocks = !ui::IsWindows9x();
    {
        TaskKeyBlock block;
        ASSERT_EQ(block.Blocking(), blocks);
        PressRealKeys({VK_CONTROL, VK_ESCAPE});
        testing_support::Pump(100);
        EXPECT_EQ(escapesSeen, blocks ? 1 : 2);
        PressRealKeys({VK_ESCAPE});
        testing_support::Pump(100);
        EXPECT_EQ(escapesSeen, blocks ? 2 : 3);
    }
    PressRealKeys({VK_CONTROL, VK_ESCAPE});
    testing_support::Pump(100);
    EXPECT_EQ(escapesSeen, blocks ? 3 : 4) << "released at unload";
}
