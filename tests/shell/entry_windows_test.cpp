#include "tests/shell/shell_fixture.h"

#include <shellapi.h>

#include <set>

using namespace dovrane;
using shell_testing::ShellTest;

namespace {

class EntryWindowTest : public ShellTest {
protected:
    EntryWindowTest() {
        profile = MakeProfile("marc");
        outils = profile + "\\Outils";
        CreateDirectoryA(outils.c_str(), nullptr);
        MakeShortcut(outils, "Bloc.notes", "C:\\windows\\notepad.exe", "lisez.txt");
        CreateDirectoryA((outils + "\\Jeux").c_str(), nullptr);
        MakeShortcut(outils + "\\Jeux", "Mines", "C:\\windows\\system32\\winemine.exe");
        shell = MakeShell();
        shell->LoadProfile();
    }

    // A key as the user types it: through the program's message loop.
    static void Type(TEntryWindow& window, WORD key) {
        PostMessageA(window.LvEntries.Handle(), WM_KEYDOWN, key, 0);
        testing_support::Pump(50);
    }
    static std::vector<std::string> Labels(const TEntryWindow& window) {
        std::vector<std::string> labels;
        for (const DesktopEntry& e : window.Entries()) labels.push_back(e.label);
        return labels;
    }

    std::string profile, outils;
    std::unique_ptr<TVantrel95> shell;
};

}  // namespace

TEST_F(EntryWindowTest, ASubFolderOpensInTheShellsWindowAndStaysInside) {
    shell->LaunchSlot(1);
    TFolderWindow* window = shell->FolderWindow(outils);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Text(), "Outils");
    std::vector<std::string> shown = Labels(*window);
    EXPECT_EQ(std::multiset<std::string>(shown.begin(), shown.end()), (std::multiset<std::string>{"Bloc", "Jeux"})) << "labels cut at the first dot, as on the desktop";
    EXPECT_EQ(window->LvEntries.Selected(), 0) << "the first entry is selected";

    int bloc = shown[0] == "Bloc" ? 0 : 1;
    window->LvEntries.Select(bloc);
    Type(*window, VK_RETURN);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], "C:\\windows\\notepad.exe lisez.txt") << "the desktop's command line";

    window->LvEntries.Select(1 - bloc);
    Type(*window, VK_RETURN);
    EXPECT_EQ(window->Folder(), outils + "\\Jeux");
    EXPECT_EQ(window->Text(), "Jeux");
    EXPECT_TRUE(window->BtnRetour.Enabled());
    Type(*window, VK_RETURN);
    EXPECT_EQ(started.back(), "C:\\windows\\system32\\winemine.exe ");
    for (int i = 0; i < 2; ++i) Type(*window, VK_BACK);
    EXPECT_EQ(window->Folder(), outils) << "never above the folder it was opened on";
    EXPECT_FALSE(window->BtnRetour.Enabled());

    Type(*window, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    shell->LaunchSlot(1);
    shell->LaunchSlot(1);
    EXPECT_EQ(shell->FolderWindow(outils), window) << "one window per folder";
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EntryWindowTest, DriveAOpensOnlyDocumentsOfOfferedPrograms) {
    char notepad[MAX_PATH] = {};
    std::string document = windows.WriteFile("reglages.ini", "[a]");   // Wine associates settings files
    ASSERT_GT(reinterpret_cast<INT_PTR>(FindExecutableA(document.c_str(), nullptr, notepad)), 32);
    MakeShortcut(profile, "Notes", notepad);
    shell->LoadProfile();

    shell->LaunchSlot(0);   // no drive A in the test's Wine
    TDriveWindow* drive = shell->DriveWindow();
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(drive->Text(), "Disquette A");
    EXPECT_TRUE(drive->Entries().empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kNoDiskette);

    EXPECT_STRCASEEQ(drive->AllowedProgram(document).c_str(), notepad) << "a document of an offered program";
    DeleteFileA((profile + "\\Notes.lnk").c_str());
    shell->LoadProfile();
    EXPECT_EQ(drive->AllowedProgram(document), "") << "a document of a program no longer offered";
    for (const char* name : {"jeu.exe", "lot.bat", "dos.pif", "lien.lnk", "jeu.com"})
        EXPECT_EQ(drive->AllowedProgram(windows.WriteFile(name, "MZ")), "") << name << " is never run";
}
