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
    explicit Started(std::string line, DWORD flags = 0) {
        STARTUPINFOA start = {};
        start.cb = sizeof start;
        EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &start, &info));
        CloseHandle(info.hThread);
    }
    ~Started() { TerminateProcess(info.hProcess, 0), CloseHandle(info.hProcess); }
    // Runs the test's messages, where the watch works, until the program ends.
    bool EndsWithin(unsigned milliseconds) const {
        for (unsigned waited = 0; WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0; waited += 100) {
            if (waited >= milliseconds) return false;
            testing_support::Pump(100);
        }
        return true;
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
        for (const char* folder : {"\\Outils", "\\Outils\\Système"}) CreateDirectoryA((profile + folder).c_str(), nullptr);
        MakeShortcut(profile + "\\Outils\\Système", "Registre", "C:\\windows\\regedit.exe");
        longProgram = windows.WriteFile("Mon jeu préféré.exe", "MZ");
        MakeShortcut(profile + "\\Outils", "Jeu", longProgram);
        windows.WriteAt(profile + "\\Dames.pif", Pif("Jeu de dames", "C:\\JEUX\\DAMES.EXE"));
        windows.WriteAt(profile + "\\Echecs.pif", Pif("", "ECHECS.COM", "C:\\JEUX"));
        windows.WriteAt(profile + "\\Court.pif", Pif("Court", "C:\\JEUX\\COURT.EXE").substr(0, 0x40));
        windows.WriteAt(profile + "\\Bruit.pif", Pif("Bruit", "C:\\JEUX\\\x07.EXE"));
        offered = OfferedPrograms(profile);
    }
    std::string longProgram;
    OfferedPrograms offered;
};

}  // namespace

TEST_F(WayOuts, TheProfileOffersItsShortcutsAndMsDosProgramsWhateverTheCaseOrForm) {
    char shortForm[MAX_PATH] = "";
    GetShortPathNameA(longProgram.c_str(), shortForm, MAX_PATH);   // as a system may name the program
    std::pair<std::string, bool> programs[] = {
        {"c:\\WINDOWS\\system32\\NOTEPAD.EXE", true}, {"C:\\windows\\regedit.exe", true}, {shortForm, true},
        {"C:\\JEUX\\DAMES.EXE", true}, {"C:\\Jeux\\Echecs.com", true}, {"", false},
        {"C:\\windows\\system32\\cmd.exe", false}, {"C:\\temp\\notepad.exe", false}, {"C:\\JEUX\\COURT.EXE", false}};
    for (const auto& [path, offers] : programs) EXPECT_EQ(offered.Offers(path), offers) << path;
    std::pair<const char*, bool> titles[] = {{"Jeu de dames", true}, {"ECHECS", true}, {" c:\\jeux\\dames.exe ", true},
        {"", false}, {"Commandes MS-DOS", false}, {"C:\\windows\\system32\\cmd.exe", false}, {"DAMES", false}};
    for (const auto& [title, offers] : titles) EXPECT_EQ(offered.OffersConsole(title), offers) << title;
}

TEST_F(WayOuts, EachWindowIsJudgedByClassTitleAndProgram) {
    const char* explorer = "C:\\WINDOWS\\EXPLORER.EXE";
    const char* dosBox = "C:\\WINDOWS\\SYSTEM\\WINOA386.MOD";
    std::pair<WindowFacts, Verdict> cases[] = {
        {{"RegEdit_RegEdit", "", "C:\\windows\\regedit.exe"}, Verdict::Allowed},   // offered
        {{"RegEdit_RegEdit", "", "C:\\temp\\regedit.exe"}, Verdict::EndProgram},   // a copy is not
        {{"RegEdit_RegEdit", "", ""}, Verdict::EndProgram},                        // NT 4 names no program
        {{"Notepad", "", "C:\\TEMP\\REGEDIT.EXE"}, Verdict::EndProgram},
        {{"RegEdit_RegEdit", "", explorer, true}, Verdict::CloseWindow},            // Explorer never ends
        {{"Progman", "", "C:\\WINDOWS\\PROGMAN.EXE"}, Verdict::EndProgram},
        {{"Progman", "", explorer, true}, Verdict::Allowed},                        // the desktop
        {{"CabinetWClass", "", explorer, true}, Verdict::CloseWindow},
        {{"#32770", "Rechercher", explorer, true}, Verdict::CloseWindow},           // any dialog of Explorer's
        {{"#32770", "Run", "C:\\windows\\system32\\rundll32.exe"}, Verdict::CloseWindow},
        {{"#32770", "Open", "C:\\windows\\system32\\notepad.exe"}, Verdict::Allowed},   // an offered one's
        {{"tty", "Commandes MS-DOS", dosBox}, Verdict::CloseWindow},
        {{"tty", "Jeu de dames", dosBox}, Verdict::Allowed},
        {{"ConsoleWindowClass", "C:\\JEUX\\DAMES.EXE", ""}, Verdict::Allowed},
    };
    for (const auto& [window, verdict] : cases)
        EXPECT_EQ(Judge(window, offered), verdict) << window.windowClass << " " << window.title << " " << window.program;

}

TEST_F(WayOuts, TheWatchEndsWaysOutWithOneMessageAtATimeAndSparesWhatIsOffered) {
    WayOutWatch watch(nullptr, offered);   // by the system's reports: Windows 98 and the NT family have them
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
