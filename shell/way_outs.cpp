#include "shell/way_outs.h"

#include "shared/ansi_text.h"
#include "shell/offered_programs.h"
#include "ui/compat.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

enum class Closing {
    Window,    // the window lives in a process that must live on
    Console,   // likewise, and its title tells which program it shows
    Program,   // a program of its own: ended whole, so that none of its dialogs stays behind
};

// A window is a way out when its class (with its title, where one is given)
// or its process's program file is one of these. Programs are known by their
// file name where the system tells it (Toolhelp: Windows 95, 98, 2000 on);
// the classes catch them on NT 4 and under another name.
struct WayOut {
    const char* windowClass;
    const char* title;
    const char* program;   // upper case
    Closing closing;
};

const WayOut kWayOuts[] = {
    // Explorer's folder windows: the file manager, and the control panel and
    // printers, which are folders (95, 98, NT, 2000 on). Explorer's process
    // holds them, and the taskbar and desktop with them.
    {"CabinetWClass", nullptr, nullptr, Closing::Window},
    {"ExploreWClass", nullptr, nullptr, Closing::Window},    // with the folder tree ("Explorer /e", "/root")
    {"ExplorerWClass", nullptr, nullptr, Closing::Window},   // Wine's file manager, "explorer.exe /root"
    // Internet Explorer: from version 4 its address bar opens folders and programs.
    {"IEFrame", nullptr, "IEXPLORE.EXE", Closing::Program},
    // Command prompts and MS-DOS windows. Their window belongs to the system's
    // console host (WINOA386.MOD on 95/98, CSRSS.EXE or CONHOST.EXE on the NT
    // family and Wine), which serves every console: closing the window ends
    // the programs in it.
    {"tty", nullptr, nullptr, Closing::Console},                  // 95, 98
    {"ConsoleWindowClass", nullptr, nullptr, Closing::Console},   // NT family
    {"WineConsoleClass", nullptr, nullptr, Closing::Console},     // Wine
    // The registry editors: the unload password is stored in the registry.
    {"RegEdit_RegEdit", nullptr, "REGEDIT.EXE", Closing::Program},   // 95 to XP, and Wine
    {nullptr, nullptr, "REGEDT32.EXE", Closing::Program},             // NT family
    // Task managers: each starts any program ("Run", "New task").
    {nullptr, nullptr, "TASKMAN.EXE", Closing::Program},   // 95, 98
    {nullptr, nullptr, "TASKMGR.EXE", Closing::Program},   // NT family, and Wine
    // The control panel of Wine (CONTROL.EXE, or RUNDLL32.EXE for the shell
    // library's), and its "Add/Remove Programs", whose "Install..." starts
    // any program; the systems' CONTROL.EXE opens one of Explorer's folder
    // windows and ends.
    {"Shell_Control_WndClass", nullptr, "CONTROL.EXE", Closing::Program},
    {nullptr, nullptr, "UNINSTALLER.EXE", Closing::Program},
    // The system configuration and policy editors.
    {nullptr, nullptr, "MSCONFIG.EXE", Closing::Program},   // 98 on
    {nullptr, nullptr, "SYSEDIT.EXE", Closing::Program},    // the start-up files
    {nullptr, nullptr, "POLEDIT.EXE", Closing::Program},    // 95, 98
    {nullptr, nullptr, "MMC.EXE", Closing::Program},        // the group policy editor's host, 2000 on
    {nullptr, nullptr, "WINECFG.EXE", Closing::Program},    // Wine's: drives onto the whole machine
    // Windows 3.1's program and file managers, still shipped. The program
    // manager is known by name only: its class, "Progman", is also the class
    // of the desktop window, which is never touched here. Wine's own have
    // classes of their own.
    {"PMMain", nullptr, "PROGMAN.EXE", Closing::Program},
    {"WFS_Frame", nullptr, "WINFILE.EXE", Closing::Program},
    {nullptr, nullptr, "WINEFILE.EXE", Closing::Program},
    // The Run dialog: Explorer's (below) or the shell library's, which any
    // process may show (RUNDLL32.EXE under Wine).
    {"#32770", "Exécuter", nullptr, Closing::Window},
    {"#32770", "Run", nullptr, Closing::Window},
};

// Every dialog of Explorer's process is a way out: Run, Find, the shut-down
// dialog's restart in MS-DOS mode, properties sheets. The shell shows its own
// dialogs (the format dialog among them) in its own process.
const char kDialogClass[] = "#32770";
const char kExplorer[] = "EXPLORER.EXE";

std::string FileName(const std::string& path) {
    return velmora::UpperCase(path.substr(path.find_last_of("\\:/") + 1));
}

const WayOut* Find(const WindowFacts& window) {
    std::string program = FileName(window.program);
    for (const WayOut& w : kWayOuts) {
        bool byClass = w.windowClass && window.windowClass == w.windowClass && (!w.title || window.title == w.title);
        if (byClass || (w.program && program == w.program)) return &w;
    }
    return nullptr;
}

}  // namespace

WindowFacts FactsOf(HWND window) {
    WindowFacts facts;
    char text[256] = "";
    GetClassNameA(window, text, sizeof text);
    facts.windowClass = text;
    text[0] = '\0';
    GetWindowTextA(window, text, sizeof text);
    facts.title = text;
    DWORD process = 0, taskbarProcess = 0;
    GetWindowThreadProcessId(window, &process);
    facts.program = ui::ProgramFileOf(process);
    if (HWND taskbar = ui::platform().findWindow("Shell_TrayWnd", nullptr))
        GetWindowThreadProcessId(taskbar, &taskbarProcess);
    facts.explorer = (taskbarProcess && process == taskbarProcess) || FileName(facts.program) == kExplorer;
    return facts;
}

Verdict Judge(const WindowFacts& window, const OfferedPrograms& offered) {
    const WayOut* wayOut = Find(window);
    bool explorerDialog = window.explorer && window.windowClass == kDialogClass;
    if (!wayOut && !explorerDialog) return Verdict::Allowed;
    // The administrator's choice wins, even over the list.
    bool console = wayOut && wayOut->closing == Closing::Console;
    if (console ? offered.OffersConsole(window.title) : offered.Offers(window.program)) return Verdict::Allowed;
    bool ownProgram = wayOut && wayOut->closing == Closing::Program && !window.explorer;
    return ownProgram ? Verdict::EndProgram : Verdict::CloseWindow;
}

}  // namespace dovrane
