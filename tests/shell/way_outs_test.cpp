#include "shell/offered_programs.h"
#include "shell/way_out_watch.h"
#include "shell/way_outs.h"
#include "tests/shell/shell_fixture.h"

using namespace dovrane;

namespace {

// A program information file: title, program and start folder at their fixed places.
std::string Pif(const std::string& title, const std::string& program, const std::string& folder = "") {
    std::string data(0x171, '\0');
    data.replace(0x02, 30, (title + std::string(30, ' ')).substr(0, 30));
    data.replace(0x24, program.size(), program);
    data.replace(0x65, folder.size(), folder);
    return data;
}

// A program started as the user could, ended with the test.
struct Started {
    explicit Started(std::string commandLine, DWORD flags = 0) {
        STARTUPINFOA start = {};
        start.cb = sizeof start;
        EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &start,
                                   &info));
        CloseHandle(info.hThread);
    }
    ~Started() {
        TerminateProcess(info.hProcess, 0);
        CloseHandle(info.hProcess);
    }
    // Runs the test's messages, where the watch works, until the program ends.
    bool EndsWithin(unsigned milliseconds) const {
        for (unsigned waited = 0; waited < milliseconds; waited += 100) {
            if (WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) return true;
            testing_support::Pump(100);
        }
        return false;
    }
    PROCESS_INFORMATION info = {};
};

// A profile that offers the text editor, the registry editor two folders
// down, and two MS-DOS games; its damaged entries offer nothing.
class WayOuts : public shell_testing::ShellTest {
protected:
    WayOuts() {
        std::string profile = MakeProfile("marc");
        MakeShortcut(profile, "Notes", "C:\\windows\\system32\\notepad.exe");
        CreateDirectoryA((profile + "\\Outils").c_str(), nullptr);
        CreateDirectoryA((profile + "\\Outils\\Système").c_str(), nullptr);
        MakeShortcut(profile + "\\Outils\\Système", "Registre", "C:\\windows\\regedit.exe");
        longProgram = windows.WriteFile("Mon jeu préféré.exe", "MZ");
        MakeShortcut(profile + "\\Outils", "Jeu", longProgram);
        windows.WriteAt(profile + "\\Dames.pif", Pif("Jeu de dames", "C:\\JEUX\\DAMES.EXE"));
        windows.WriteAt(profile + "\\Echecs.pif", Pif("", "ECHECS.COM", "C:\\JEUX"));
        windows.WriteAt(profile + "\\Court.pif", Pif("Court", "C:\\JEUX\\COURT.EXE").substr(0, 0x40));
        windows.WriteAt(profile + "\\Bruit.pif", Pif("Bruit", "C:\\JEUX\\\x07.EXE"));
        windows.WriteAt(profile + "\\Casse.lnk", "L\0\0\0garbage");
        offered = OfferedPrograms(profile);
    }
    std::string longProgram;
    OfferedPrograms offered;
};

}  // namespace

TEST_F(WayOuts, TheProfileOffersItsShortcutsAndMsDosProgramsWhateverTheCaseOrForm) {
    for (const char* path : {"c:\\WINDOWS\\system32\\NOTEPAD.EXE", "C:\\windows\\regedit.exe", "C:\\JEUX\\DAMES.EXE",
                             "C:\\Jeux\\Echecs.com"})
        EXPECT_TRUE(offered.Offers(path)) << path;
    char shortForm[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(longProgram.c_str(), shortForm, MAX_PATH), 0u);
    EXPECT_TRUE(offered.Offers(shortForm)) << "a system may name a program by its short form";
    for (const char* path : {"", "C:\\windows\\system32\\cmd.exe", "C:\\temp\\notepad.exe", "C:\\JEUX\\COURT.EXE"})
        EXPECT_FALSE(offered.Offers(path)) << path << ": not offered, or in a damaged file";

    for (const char* title : {"Jeu de dames", "ECHECS", " c:\\jeux\\dames.exe "})
        EXPECT_TRUE(offered.OffersConsole(title)) << title;
    for (const char* title : {"", "Commandes MS-DOS", "C:\\windows\\system32\\cmd.exe", "DAMES"})
        EXPECT_FALSE(offered.OffersConsole(title)) << title;
}

TEST_F(WayOuts, EachWindowIsJudgedByClassTitleAndProgram) {
    const char* explorer = "C:\\WINDOWS\\EXPLORER.EXE";
    struct Case {
        WindowFacts window;
        Verdict verdict;
    } cases[] = {
        {{"RegEdit_RegEdit", "Registry Editor", "C:\\windows\\regedit.exe"}, Verdict::Allowed},   // offered
        {{"RegEdit_RegEdit", "Registry Editor", "C:\\temp\\regedit.exe"}, Verdict::EndProgram},   // a copy
        {{"RegEdit_RegEdit", "", ""}, Verdict::EndProgram},   // NT 4 names no program
        {{"Notepad", "", "C:\\TEMP\\REGEDIT.EXE"}, Verdict::EndProgram},
        {{"RegEdit_RegEdit", "", explorer, true}, Verdict::CloseWindow},   // Explorer never ends
        {{"#32770", "Task Manager", "C:\\windows\\system32\\taskmgr.exe"}, Verdict::EndProgram},
        {{"#32770", "Wine configuration", "C:\\windows\\system32\\winecfg.exe"}, Verdict::EndProgram},
        {{"Progman", "Program Manager", "C:\\WINDOWS\\PROGMAN.EXE"}, Verdict::EndProgram},
        {{"ExplorerWClass", "windows", "C:\\windows\\system32\\explorer.exe", true}, Verdict::CloseWindow},
        {{"CabinetWClass", "Panneau de configuration", explorer, true}, Verdict::CloseWindow},
        {{"IEFrame", "", "C:\\PROGRAM FILES\\INTERNET EXPLORER\\IEXPLORE.EXE"}, Verdict::EndProgram},
        {{"#32770", "Exécuter", explorer, true}, Verdict::CloseWindow},
        {{"#32770", "Rechercher", explorer, true}, Verdict::CloseWindow},   // any dialog of Explorer
        {{"#32770", "Run", "C:\\windows\\system32\\rundll32.exe"}, Verdict::CloseWindow},
        {{"#32770", "Open", "C:\\windows\\system32\\notepad.exe"}, Verdict::Allowed},   // an offered one's
        {{"#32770", "Copier la disquette", "C:\\WINDOWS\\RUNDLL32.EXE"}, Verdict::Allowed},
        {{"Progman", "Program Manager", explorer, true}, Verdict::Allowed},   // the desktop
        {{"Shell_TrayWnd", "", explorer, true}, Verdict::Allowed},
        {{"WineConsoleClass", "C:\\windows\\system32\\cmd.exe", "C:\\windows\\system32\\conhost.exe"},
         Verdict::CloseWindow},
        {{"tty", "Commandes MS-DOS", "C:\\WINDOWS\\SYSTEM\\WINOA386.MOD"}, Verdict::CloseWindow},
        {{"tty", "Jeu de dames", "C:\\WINDOWS\\SYSTEM\\WINOA386.MOD"}, Verdict::Allowed},
        {{"ConsoleWindowClass", "C:\\JEUX\\DAMES.EXE", ""}, Verdict::Allowed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Judge(c.window, offered), c.verdict) << c.window.windowClass << " " << c.window.title << " "
                                                       << c.window.program;
}

TEST_F(WayOuts, AWindowsFactsComeFromTheSystem) {
    HWND w = CreateWindowExA(0, "STATIC", "Bloc", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    WindowFacts facts = FactsOf(w);
    EXPECT_EQ(lstrcmpiA(facts.windowClass.c_str(), "Static"), 0) << facts.windowClass;
    EXPECT_EQ(facts.title, "Bloc");
    EXPECT_EQ(lstrcmpiA(facts.program.c_str(), self), 0) << facts.program;
    EXPECT_FALSE(facts.explorer);
    fakeTray = w;   // this process now holds the taskbar, as Explorer's does
    EXPECT_TRUE(FactsOf(w).explorer);
}

TEST_F(WayOuts, TheWatchEndsWaysOutWithOneMessageAtATimeAndSparesWhatIsOffered) {
    WayOutWatch watch(nullptr, offered);
    EXPECT_TRUE(watch.ByEvents()) << "Windows 98 and the NT family report windows";
    Started registry("C:\\windows\\regedit.exe");   // on the list, but offered
    std::vector<std::string> told;
    bool closedWhileTelling = false;
    ui::platform().messageBox = [&](HWND, const std::string& text, const std::string&, UINT) {
        told.push_back(text);
        if (told.size() == 1) {   // the user has not answered yet when a command prompt comes
            Started console("cmd.exe", CREATE_NEW_CONSOLE);
            closedWhileTelling = console.EndsWithin(8000);
        }
        return IDOK;
    };
    Started files("winefile.exe");
    EXPECT_TRUE(files.EndsWithin(8000));
    EXPECT_TRUE(closedWhileTelling);
    EXPECT_EQ(told, std::vector<std::string>{"Ce programme n'est pas autorisé sur ce bureau..."});
    EXPECT_FALSE(registry.EndsWithin(500));

    watch.WatchByTimer();   // as on Windows 95 and NT 4
    Started again("winefile.exe");
    EXPECT_TRUE(again.EndsWithin(8000));
    EXPECT_EQ(told.size(), 2u);
}
