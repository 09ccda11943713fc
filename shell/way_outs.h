// The system's ways out of the restricted desktop: the windows and programs
// from which a user could reach the disk, the registry, a command line or the
// system's settings. Programs that the administrator offers have ways of
// their own to start others (an Open dialog's menu, a help viewer's links);
// no list of those paths can be complete, so the shell closes the
// destinations instead. The list lives in way_outs.cpp, and only there.
#pragma once

#include <windows.h>

#include <string>

namespace dovrane {

class OfferedPrograms;

// What the shell knows of a top-level window when it judges it.
struct WindowFacts {
    std::string windowClass;
    std::string title;
    // The program file of the window's process: its full path where the
    // system tells it, else its file name, else empty.
    std::string program;
    // The process is Explorer's, which holds the taskbar and the desktop.
    bool explorer = false;
};

enum class Verdict {
    Allowed,
    CloseWindow,   // the window goes, its process stays
    EndProgram,    // the window's program is ended
};

WindowFacts FactsOf(HWND window);
Verdict Judge(const WindowFacts& window, const OfferedPrograms& offered);

}  // namespace dovrane
