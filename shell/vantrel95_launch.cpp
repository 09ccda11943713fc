// What the desktop's icons start.
#include "shell/vantrel95.h"

#include "shared/ansi_text.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

const char kFolderBrowser[] = "Explorer.exe /root,";

bool IsProgramInformationFile(const std::string& path) {
    return velmora::UpperCase(path).find(".PIF") != std::string::npos;
}

}  // namespace

void TVantrel95::LaunchSlot(int i) {
    std::string commandLine;
    if (Slots[i].IsFolder) {
        commandLine = kFolderBrowser;
        commandLine += Slots[i].Path;
    } else {
        if (i == 0) {
            SHL1.WorkingDir = "A:\\";
            SHL1.Target = Slots[0].Path;
            SHL1.Arguments.clear();
        } else if (IsProgramInformationFile(Slots[i].Path)) {
            SHL1.WorkingDir.assign(1, '.');   // the current folder
            SHL1.Target = Slots[i].Path;
            SHL1.Arguments.clear();
        } else {
            // A shortcut that cannot be read reaches the general error handler.
            SHL1.SetFileName(Slots[i].Path);
            SHL1.ReadLink();
        }
        // No folder or no disk: the program starts in the current folder.
        UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
        SetCurrentDirectoryA(SHL1.WorkingDir.c_str());
        SetErrorMode(oldMode);
        commandLine = SHL1.Target;
        commandLine.append(" ").append(SHL1.Arguments);
    }
    // The command line is handed over whole, however long; the system refuses
    // what it cannot start, and that is reported like any other failure.
    if (ui::platform().startProgram(commandLine, SW_SHOW) <= 31) ShowAccessError();
}

void TVantrel95::ShowAccessError() {
    ui::ShowMessage(Handle(), "Accès impossible...", ui::Application::Instance().Title(), MB_OK);
}

void TVantrel95::ic0MouseUp(ui::MouseButton button, int x, int y) {
    if (button != ui::MouseButton::Right) return;
    POINT at = {ic[0]->Bounds().left + x, ic[0]->Bounds().top + y};
    ClientToScreen(Handle(), &at);
    PM1.Popup(Handle(), at);
}

}  // namespace dovrane
