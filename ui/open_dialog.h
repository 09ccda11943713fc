// The system's open-file dialog as a component: its settings, and the file
// that the user chose. It runs through the platform seam, so that tests can
// answer it.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace ui {

class OpenDialog {
public:
    std::string title;
    // Pairs of description and pattern separated by "|", as form designers
    // write them: "Application|*.EXE|Commande|*.COM".
    std::string filter;
    int filterIndex = 1;     // 1-based, the entry shown first
    std::string fileName;    // the initial name, then the chosen file
    std::string initialDir;
    std::string defaultExt;  // "dll", or as a pattern: "*.dll"
    DWORD options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

    // Runs the dialog; answers true when a file was chosen, which then is in
    // fileName (and its filter entry in filterIndex).
    bool Execute(HWND owner);
};

// "A|b|C|d" as the dialog wants it: "A\0b\0C\0d\0\0".
std::string FilterForDialog(const std::string& filter);

}  // namespace ui
