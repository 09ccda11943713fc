#include "tests/shell/shell_fixture.h"

#include "shell/umdp.h"
#include "tests/support/input.h"
#include "tests/support/modal_script.h"

using namespace dovrane;
using shell_testing::ShellTest;
using testing_support::Type;
using velmora::RegistryKey;

namespace {

class CommandsTest : public ShellTest {
protected:
    CommandsTest() {
        MakeProfile("marc");
        Settings("marc", "[Windows]\r\nSession=1\r\n");
        shell = MakeShell();
        ui::Application::Instance().SetMainForm(shell.get());
        LoadThroughHidingSequence(*shell);
        RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey).WriteString(velmora::kStartValue, "C:\\x\\Dovrane.exe");
        RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey).WriteDword(velmora::kNoDeskTop, 1);
    }

    ~CommandsTest() override { ui::Application::Instance().SetMainForm(nullptr); }

    // Answers the unload dialog: types the text, then presses the button.
    void AnswerUnload(const std::string& typed, bool ok) {
        unloadDialog.script = [=, this](ui::Form& form) {
            auto& dialog = dynamic_cast<TFMDP&>(form);
            shownText = dialog.MDP.Text();
            Type(dialog.MDP.Handle(), typed);
            if (ok) dialog.BitBtn1.Click();
            else dialog.BitBtn2.Click();
        };
    }

    bool RunEntry() const { return RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey).HasValue(velmora::kStartValue); }
    bool NoDesktop() const { return RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey).HasValue(velmora::kNoDeskTop); }

    std::unique_ptr<TVantrel95> shell;
    testing_support::ModalScript unloadDialog;
    std::string shownText;
};

}  // namespace

TEST_F(CommandsTest, TheRightPasswordUnloadsTheShell) {
    AnswerUnload("abc", true);
    ShowWindow(fakeStart, SW_HIDE);
    shell->TBIconDechargeLeftBtnDblClick();
    ASSERT_GT(unloadDialog.shown, 0);
    EXPECT_EQ(shownText, "__________") << "the field starts empty";
    EXPECT_TRUE(shell->CloseAllowed);
    EXPECT_FALSE(RunEntry());
    EXPECT_FALSE(NoDesktop());
    EXPECT_EQ(shell->TBIconDecharge, nullptr);
    EXPECT_EQ(shell->TBIconQuit, nullptr);
    ASSERT_NE(shell->TBIconInfo, nullptr) << "the new-session icon stays until the window goes";
    EXPECT_TRUE(IsWindowVisible(fakeStart));
    EXPECT_TRUE(IsWindowVisible(fakeProgman));
    EXPECT_TRUE(IsWindowVisible(fakeTray));
    EXPECT_EQ(TakeQuit(), 0) << "the program ends";
}

TEST_F(CommandsTest, AWrongPasswordOrCancelChangesNothing) {
    for (auto [typed, ok] : {std::pair{"ABC", true}, std::pair{"abcd", true}, std::pair{"ab", true},
                             std::pair{"", true}, std::pair{"abc", false}}) {
        AnswerUnload(typed, ok);
        ShowWindow(fakeTray, SW_HIDE);
        shell->TBIconDechargeLeftBtnDblClick();
        EXPECT_FALSE(shell->CloseAllowed) << typed;
        EXPECT_TRUE(RunEntry());
        EXPECT_TRUE(NoDesktop());
        EXPECT_NE(shell->TBIconDecharge, nullptr);
        EXPECT_TRUE(IsWindowVisible(fakeTray)) << "the taskbar is shown again";
        EXPECT_FALSE(IsWindowVisible(ui::Application::Instance().Handle()));
        EXPECT_FALSE(TakeQuit());
    }
    EXPECT_TRUE(messages.shown.empty()) << "a wrong password is silent";
}

TEST_F(CommandsTest, ThePasswordFieldTakesTenLettersOrDigitsAndEnterValidatesNothing) {
    TFMDP dialog;
    dialog.Show();
    Type(dialog.MDP.Handle(), "a1-é b2c3d4e5f6");
    EXPECT_EQ(dialog.MDP.MaskText(), "a1éb2c3d4e") << "no sign, no blank, no eleventh character";
    EXPECT_EQ(dialog.MDP.Text(), "##########");
    dialog.MDP.Clear();
    Type(dialog.MDP.Handle(), "ab");
    EXPECT_EQ(dialog.MDP.MaskText(), "ab        ");
    EXPECT_EQ(dialog.MDP.Text(), "##________");
    SendMessageA(dialog.MDP.Handle(), WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(dialog.MDP.MaskText(), "a         ");

    MSG enter = {dialog.MDP.Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    SetFocus(dialog.MDP.Handle());
    PostMessageA(enter.hwnd, enter.message, enter.wParam, enter.lParam);
    testing_support::Pump(50);
    EXPECT_EQ(dialog.modalResult, ui::mrNone);
    EXPECT_EQ(dialog.Text(), "Déchargement");
    HWND tips = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (tips && GetWindow(tips, GW_OWNER) != dialog.Handle()) tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr);
    ASSERT_TRUE(tips);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1) << "only the field shows its hint";
    RECT client = dialog.ClientRect();
    EXPECT_EQ(client.right, 166);
    EXPECT_EQ(client.bottom, 71);
    EXPECT_TRUE(GetWindowLongA(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(dialog.Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(CommandsTest, ShutDownAnsweredNoShowsTheTaskbarAgain) {
    messages.answer = IDNO;
    bool hiddenDuringQuestion = false;
    ui::platform().messageBox = [&](HWND, const std::string& text, const std::string&, UINT flags) {
        EXPECT_EQ(text, "Voulez-vous quitter Windows");
        EXPECT_EQ(flags & 0xF, static_cast<UINT>(MB_YESNO));
        shell->Timer1Timer();   // which shows a taskbar hidden behind the shell's back, but not this one
        hiddenDuringQuestion = !IsWindowVisible(fakeTray);
        return IDNO;
    };
    shell->TBIconQuitLeftBtnDblClick();
    EXPECT_TRUE(hiddenDuringQuestion);
    EXPECT_TRUE(IsWindowVisible(fakeTray));
    EXPECT_TRUE(sessionRequests.empty());
    EXPECT_TRUE(RunEntry());
    EXPECT_FALSE(shell->CloseAllowed);
}

TEST_F(CommandsTest, TrayCommandsWaitWhileADialogIsOpen) {
    auto doubleClick = [](TTBICON& icon) { SendMessageA(icon.Handle(), kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK); };
    int dialogs = 0;
    testing_support::ModalScript script([&](ui::Form& form) {
        ++dialogs;
        for (TTBICON* icon : {shell->TBIconDecharge.get(), shell->TBIconQuit.get(), shell->TBIconInfo.get()})
            doubleClick(*icon);
        form.modalResult = ui::mrCancel;
    });
    doubleClick(*shell->TBIconDecharge);
    EXPECT_EQ(dialogs, 1) << "no second password dialog";
    EXPECT_TRUE(messages.shown.empty()) << "no shut-down question over it";
    EXPECT_TRUE(sessionRequests.empty()) << "no new session from inside it";

    ui::platform().messageBox = [&](HWND, const std::string&, const std::string&, UINT) {
        doubleClick(*shell->TBIconDecharge);
        return IDNO;
    };
    doubleClick(*shell->TBIconQuit);
    EXPECT_EQ(dialogs, 1) << "nor a password dialog over the shut-down question";
    doubleClick(*shell->TBIconDecharge);
    EXPECT_EQ(dialogs, 2) << "once they are closed, the commands run again";
}

TEST_F(CommandsTest, ShutDownRemovesTheEntriesBeforeAsking) {
    messages.answer = IDYES;
    bool entriesGoneFirst = false;
    ui::platform().exitWindows = [&](UINT flags) {
        sessionRequests.push_back(flags);
        entriesGoneFirst = !RunEntry() && !NoDesktop() && shell->CloseAllowed;
        return true;
    };
    shell->TBIconQuitLeftBtnDblClick();
    EXPECT_EQ(sessionRequests, (std::vector<UINT>{EWX_SHUTDOWN | EWX_POWEROFF}));
    EXPECT_EQ(EWX_SHUTDOWN | EWX_POWEROFF, 9u);
    EXPECT_TRUE(entriesGoneFirst);
    EXPECT_EQ(shell->TBIconQuit, nullptr);
    EXPECT_EQ(shell->TBIconDecharge, nullptr);
    EXPECT_FALSE(TakeQuit()) << "the session ends the program";

    // Ctrl+Alt clicks have no unload icon left to show.
    {
        testing_support::HeldKeys alt({VK_MENU});
        SendMessageA(shell->Handle(), WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(500, 300));
    }
    EXPECT_EQ(shell->TBIconDecharge, nullptr);
}

TEST_F(CommandsTest, ARefusedShutDownEndsTheProgramWithCodeOne) {
    messages.answer = IDYES;
    sessionAnswer = false;
    shell->TBIconQuitLeftBtnDblClick();
    EXPECT_EQ(TakeQuit(), 1);
    EXPECT_FALSE(RunEntry());
}

TEST_F(CommandsTest, ANewSessionWritesTheEntriesThenLogsOff) {
    RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey).DeleteValue(velmora::kStartValue);
    RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey).DeleteValue(velmora::kNoDeskTop);
    bool writtenFirst = false;
    ui::platform().exitWindows = [&](UINT flags) {
        sessionRequests.push_back(flags);
        writtenFirst = RunEntry() && NoDesktop();
        return true;
    };
    shell->TBIconInfoDblClick();
    EXPECT_EQ(sessionRequests, (std::vector<UINT>{0}));
    EXPECT_TRUE(writtenFirst);
    EXPECT_EQ(RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey).ReadString(velmora::kStartValue),
              ui::ProgramFolder() + "Dovrane.exe");
    EXPECT_EQ(RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey).ReadDword(velmora::kNoDeskTop), 1u);
    EXPECT_EQ(TakeQuit(), 0);
}

TEST_F(CommandsTest, ARefusedLogOffTakesTheRunEntryBack) {
    sessionAnswer = false;
    shell->TBIconInfoDblClick();
    EXPECT_FALSE(RunEntry());
    EXPECT_TRUE(NoDesktop()) << "the restriction stays";
    EXPECT_FALSE(TakeQuit());
}

TEST_F(CommandsTest, WithoutThePoliciesKeyTheNewSessionStopsAfterTheRunEntry) {
    HKEY explorer;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Policies", 0,
                            KEY_ALL_ACCESS, &explorer), ERROR_SUCCESS);
    RegDeleteKeyA(explorer, "Explorer");
    RegCloseKey(explorer);
    RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey).DeleteValue(velmora::kStartValue);
    shell->TBIconInfoDblClick();
    EXPECT_TRUE(RunEntry());
    EXPECT_TRUE(sessionRequests.empty());
    shell->RemoveStartEntries();   // a key that cannot be opened is skipped
    EXPECT_FALSE(RunEntry());
}

TEST(FormatDrive, OnlyDrivesThatMayBeFormattedReachTheDialog) {
    ui::PlatformOverride restore;
    std::vector<std::vector<UINT>> calls;
    DWORD answer = 6;
    ui::platform().formatDrive = [&](HWND owner, UINT drive, UINT id, UINT options) {
        calls.push_back({static_cast<UINT>(reinterpret_cast<UINT_PTR>(owner)), drive, id, options});
        return answer;
    };
    TFormatDrive fresh;
    EXPECT_EQ(fresh.Drive, 'a');
    EXPECT_EQ(fresh.DefaultAction, TFormatOptions::foQuick);
    EXPECT_FALSE(fresh.AllowHD);

    TFormatDrive drive(reinterpret_cast<HWND>(0x1234));
    drive.Drive = 'q';   // no such drive
    EXPECT_FALSE(drive.DoFormat());
    EXPECT_EQ(drive.LastResult(), kFormatNoDrive);
    drive.Drive = 'c';
    EXPECT_FALSE(drive.DoFormat());
    EXPECT_EQ(drive.LastResult(), kFormatFixedDisk);
    EXPECT_TRUE(calls.empty());

    drive.AllowHD = true;
    drive.DefaultAction = TFormatOptions::foNormal;
    EXPECT_TRUE(drive.DoFormat()) << "an answer of 6 counts as success";
    EXPECT_EQ(drive.LastResult(), 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], (std::vector<UINT>{0x1234, 2, 0, 1})) << "drive C is number 2; full format";
    answer = static_cast<DWORD>(-2);   // cancelled
    EXPECT_FALSE(drive.DoFormat());
    EXPECT_EQ(drive.LastResult(), -2);
}
