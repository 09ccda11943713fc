#include "admin/dialogs/selectdossier.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/dialog_buttons_ids.h"
#include "resources/selectdossier_ids.h"

namespace quorvel {

namespace {

ui::FormStyle SelectStyle() {
    ui::FormStyle style = FixedDialogStyle();
    style.topMost = true;
    return style;
}

}  // namespace

// Design layout; FormShow then fits the window around it.
TSelectdossier::TSelectdossier()
    // Component        Rectangle                      Caption and glyph, or line height
    : window_(*this, "Sélection d'un dossier", 193, 229, SelectStyle(), true, DialogFont()),
      DriveComboBox1   (*this, ui::Bounds(3, 3, 183, 19)),
      DirectoryListBox1(*this, ui::Bounds(3, 23, 183, 163),  16),
      BitBtn1          (*this, ui::Bounds(17, 194, 70, 30),  "OK", IDI_DIALOG_OK),
      BitBtn2          (*this, ui::Bounds(104, 194, 70, 30), "Annuler", IDI_DIALOG_CANCEL) {
    SetIcon(IDI_SELECTDOSSIER);
    BitBtn1.modalResult = ui::mrOk;
    BitBtn2.modalResult = ui::mrCancel;
    defaultButton = BitBtn1.Handle();
    cancelButton = BitBtn2.Handle();

    DriveComboBox1.onChange = [this] { DriveComboBox1Change(); };
    // The drive list follows the folder list wherever it goes.
    DirectoryListBox1.onChange = [this] {
        const std::string& folder = DirectoryListBox1.Directory();
        if (folder.size() > 1 && folder[1] == ':') DriveComboBox1.SetDrive(folder[0]);
    };
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    DirectoryListBox1.SetDirectory(current);
    DirectoryListBox1.SetFocus();
}

void TSelectdossier::FormShow() {
    RECT ok = BitBtn1.BoundsRect(), cancel = BitBtn2.BoundsRect(), list = DirectoryListBox1.BoundsRect();
    RECT drives = DriveComboBox1.BoundsRect();
    int okWidth = ok.right - ok.left, cancelWidth = cancel.right - cancel.left;
    int listWidth = list.right - list.left, buttonHeight = ok.bottom - ok.top;

    int clientHeight = ok.top + buttonHeight + 5;
    int clientWidth = listWidth + 10;
    SetClientSize(clientWidth, clientHeight);
    SetWindowPos(DriveComboBox1.Handle(), nullptr, 5, drives.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(DirectoryListBox1.Handle(), nullptr, 5, list.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    int gap = (clientWidth - okWidth - cancelWidth) / 3;
    SetWindowPos(BitBtn1.Handle(), nullptr, gap, ok.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(BitBtn2.Handle(), nullptr, okWidth + 2 * gap, cancel.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void TSelectdossier::DriveComboBox1Change() {
    char drive = DriveComboBox1.Drive();
    if (drive == '\0' || DirectoryListBox1.SetDrive(drive)) return;
    std::string text = kDriveNotReady;
    text.replace(text.find("%c"), 2, 1, drive);
    ShowFailure(Handle(), text);
    const std::string& folder = DirectoryListBox1.Directory();
    if (folder.size() > 1 && folder[1] == ':') DriveComboBox1.SetDrive(folder[0]);
}

}  // namespace quorvel
