#include "tests/shell/shell_fixture.h"
#include <map>

using namespace dovrane;
using shell_testing::DoubleClickAt;
using shell_testing::ShellTest;

namespace {

std::string CurrentFolder() {
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    return current;
}

class LaunchTest : public ShellTest {
protected:
    LaunchTest() {
        profile = MakeProfile("marc");
        work = windows.MakeFolder("travail");
        MakeShortcut(profile, "Notes", "C:\\windows\\notepad.exe", "C:\\lisez.txt", work);
        MakeShortcut(profile, "Jeu", "C:\\windows\\system32\\winemine.exe");
        MakeShortcut(profile, "Ailleurs", "C:\\windows\\notepad.exe", "", windows / "absent");
        CreateDirectoryA((profile + "\\Outils").c_str(), nullptr);
        testing_support::TempFolder::WriteAt(profile + "\\Dos.pif", std::string(545, '\0'));
        Settings("marc", "[DiskA]\r\nVisible=1\r\n");
        shell = MakeShell();
        shell->LoadProfile();
        SetWindowPos(shell->Handle(), nullptr, 0, 0, 600, 420, SWP_NOZORDER | SWP_NOACTIVATE);
        for (int i = 1; i < kSlotCount; ++i)
            if (shell->lb[i]->Visible()) slot[shell->lb[i]->Caption()] = i;
    }

    std::string profile, work;
    std::unique_ptr<TVantrel95> shell;
    std::map<std::string, int> slot;
};

}  // namespace

TEST_F(LaunchTest, CommandLinesAndCurrentFolders) {
    SetCurrentDirectoryA(windows.Path().c_str());
    shell->LaunchSlot(slot["Outils"]);
    EXPECT_TRUE(started.empty()) << "a folder opens in the shell's own window";
    EXPECT_STRCASEEQ(CurrentFolder().c_str(), windows.Path().c_str()) << "a folder leaves the current folder";

    shell->LaunchSlot(slot["Notes"]);
    EXPECT_EQ(started.back(), "C:\\windows\\notepad.exe C:\\lisez.txt");
    EXPECT_STRCASEEQ(CurrentFolder().c_str(), work.c_str());

    shell->LaunchSlot(slot["Jeu"]);
    EXPECT_EQ(started.back(), "C:\\windows\\system32\\winemine.exe ") << "one space even without arguments";
    EXPECT_STRCASEEQ(CurrentFolder().c_str(), work.c_str()) << "an empty working folder changes nothing";

    shell->LaunchSlot(slot["Ailleurs"]);
    EXPECT_STRCASEEQ(CurrentFolder().c_str(), work.c_str()) << "a missing working folder changes nothing";

    shell->LaunchSlot(slot["Dos"]);
    EXPECT_EQ(started.back(), profile + "\\Dos.pif ");
    EXPECT_STRCASEEQ(CurrentFolder().c_str(), work.c_str()) << "a program information file starts where the last one did";

    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LaunchTest, ALabelStartsWhatItsPictureStarts) {
    DoubleClickAt(shell->Handle(), LabelRect(slot["Notes"]));
    ASSERT_EQ(started.size(), 1u);
    DoubleClickAt(shell->Handle(), IconRect(slot["Notes"]));
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0], started[1]);
    DoubleClickAt(shell->Handle(), LabelRect(slot["Outils"]));
    ASSERT_NE(shell->FolderWindow(profile + "\\Outils"), nullptr);
    EXPECT_TRUE(IsWindowVisible(shell->FolderWindow(profile + "\\Outils")->Handle()));
    DoubleClickAt(shell->Handle(), IconRect(22));
    EXPECT_EQ(started.size(), 2u) << "a hidden slot starts nothing";
}

TEST_F(LaunchTest, AProgramThatCannotStartIsReported) {
    startAnswer = 2;   // file not found
    shell->LaunchSlot(slot["Jeu"]);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Accès impossible..."});
    EXPECT_EQ(messages.shown[0].caption, ui::Application::Instance().Title());
    startAnswer = 31;
    shell->LaunchSlot(slot["Jeu"]);
    EXPECT_EQ(messages.shown.size(), 2u) << "31 is no success either";
}

TEST_F(LaunchTest, ALongCommandLineIsStartedWhole) {
    std::string args(240, 'x');
    MakeShortcut(profile, "Long", "C:\\windows\\notepad.exe", args);
    shell->Slots[5] = {profile + "\\Long.lnk", false};
    shell->LaunchSlot(5);
    EXPECT_EQ(started.back(), "C:\\windows\\notepad.exe " + args);
    EXPECT_GT(started.back().size(), 255u);
}

TEST_F(LaunchTest, ADeletedShortcutReachesTheGeneralErrorHandler) {
    ui::Application::Instance().SetTitle("Velmora pour Windows 95");
    SetCurrentDirectoryA(windows.Path().c_str());
    DeleteFileA((profile + "\\Notes.lnk").c_str());
    DoubleClickAt(shell->Handle(), IconRect(slot["Notes"]));
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Lien non trouvé."});
    EXPECT_EQ(messages.shown[0].caption, "Velmora pour Windows 95");
    EXPECT_EQ(messages.shown[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(started.empty());
    EXPECT_STRCASEEQ(CurrentFolder().c_str(), windows.Path().c_str());
}

TEST_F(LaunchTest, TheDriveMenuOpensOnARightButtonReleaseOverDriveA) {
    std::vector<POINT> popups;
    ui::platform().popupMenu = [&](ui::PopupMenu& menu, POINT at) -> UINT {
        EXPECT_EQ(&menu, &shell->PM1);
        popups.push_back(at);
        return 2;   // "Copie de disquettes"
    };
    RECT a = IconRect(0);
    LPARAM at = MAKELPARAM(a.left + 4, a.top + 6);
    SendMessageA(shell->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(shell->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(popups.empty()) << "the left button opens nothing";
    RECT other = IconRect(slot["Jeu"]);
    SendMessageA(shell->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(other.left + 3, other.top + 3));
    SendMessageA(shell->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(other.left + 3, other.top + 3));
    EXPECT_TRUE(popups.empty()) << "nor does the right button on another icon";
    SendMessageA(shell->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageA(shell->Handle(), WM_RBUTTONUP, 0, at);
    ASSERT_EQ(popups.size(), 1u);
    POINT expected = {a.left + 4, a.top + 6};
    ClientToScreen(shell->Handle(), &expected);
    EXPECT_EQ(popups[0].x, expected.x);
    EXPECT_EQ(popups[0].y, expected.y);
    EXPECT_EQ(started.back(), "Rundll32 Diskcopy.dll,DiskCopyRunDll");
    EXPECT_EQ(shell->PM1.Items()[0]->caption, "Formater");
    EXPECT_EQ(shell->PM1.Items()[0]->hint, "formatage de disquette");
}
