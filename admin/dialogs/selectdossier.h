// TSelectdossier, the folder choice dialog: a drive list and a folder list
// with which the administrator picks an existing folder. Created for one use
// (by the shortcut dialog's start-up folder button), shown modally, read and
// released. With modal result 1 the chosen folder is
// DirectoryListBox1.Directory(), a full path. It starts at the process's
// current folder.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/folder_controls.h"
#include "ui/form.h"

namespace quorvel {

class TSelectdossier : public ui::Form {
public:
    TSelectdossier();

    // Components, in design order.
    ui::FormWindow window_;
    ui::DriveComboBox DriveComboBox1;
    ui::DirectoryListBox DirectoryListBox1;
    ui::BitButton BitBtn1;   // OK, modal result 1
    ui::BitButton BitBtn2;   // cancel, modal result 2

protected:
    void FormShow() override;

private:
    void DriveComboBox1Change();
};

inline constexpr char kDriveNotReady[] = "Le lecteur %c: n'est pas accessible...";

}  // namespace quorvel
