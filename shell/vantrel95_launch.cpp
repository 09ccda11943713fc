// What the desktop's icons start. Sub-folders and drive A open in windows of
// the shell's own, never in the system's file manager: its address bar, its
// "Up" button and its search would lead anywhere on the disk.
#include "shell/vantrel95.h"

#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

void TVantrel95::LaunchSlot(int i) {
    if (i == 0) {
        if (!driveWindow_)
            driveWindow_ = std::make_unique<TDriveWindow>(
                DesktopColors(), [this](const std::string& program) { return offered_.Offers(program); });
        driveWindow_->Open();
    } else if (Slots[i].IsFolder) {
        TFolderWindow* window = FolderWindow(Slots[i].Path);
        if (!window) {
            folderWindows_.push_back(std::make_unique<TFolderWindow>(
                Slots[i].Path, DesktopColors(), SHL1, [this](const Slot& slot) { StartEntry(slot); }));
            window = folderWindows_.back().get();
        }
        window->Open();
    } else {
        StartEntry(Slots[i]);
    }
}

void TVantrel95::StartEntry(const Slot& slot) {
    if (IsProgramInformationFile(slot.Path)) {
        SHL1.WorkingDir.assign(1, '.');   // the current folder
        SHL1.Target = slot.Path;
        SHL1.Arguments.clear();
    } else {
        // A shortcut that cannot be read reaches the general error handler.
        SHL1.SetFileName(slot.Path);
        SHL1.ReadLink();
    }
    // No folder or no disk: the program starts in the current folder.
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetCurrentDirectoryA(SHL1.WorkingDir.c_str());
    SetErrorMode(oldMode);
    std::string commandLine = SHL1.Target + " " + SHL1.Arguments;
    // The command line is handed over whole, however long; the system refuses
    // what it cannot start, and that is reported like any other failure.
    if (ui::platform().startProgram(commandLine, SW_SHOW) <= 31) ShowAccessError();
}

void TVantrel95::ShowAccessError() { dovrane::ShowAccessError(Handle()); }

TFolderWindow* TVantrel95::FolderWindow(const std::string& folder) const {
    for (const auto& window : folderWindows_)
        if (window->Root() == folder) return window.get();
    return nullptr;
}

void TVantrel95::CloseEntryWindows() {
    folderWindows_.clear();
    driveWindow_.reset();
}

EntryColors TVantrel95::DesktopColors() const {
    return {Color(), lb[1]->FontColor(), lb[1]->Color(), lb[1]->Transparent()};
}

void TVantrel95::ic0MouseUp(ui::MouseButton button, int x, int y) {
    if (button != ui::MouseButton::Right) return;
    POINT at = {ic[0]->Bounds().left + x, ic[0]->Bounds().top + y};
    ClientToScreen(Handle(), &at);
    PM1.Popup(Handle(), at);
}

}  // namespace dovrane
