// TChoixIcone, the icon chooser: lists every icon of one file (a program, a
// library, an icon file) and returns the chosen file and icon position. Three
// buttons load the system's icon libraries, a fourth browses for any file.
// Created for one use by the shortcut dialog: ChoisirIcone runs it, then the
// caller reads modalResult, FichierChoisi and NumeroChoisi, and releases it.
#pragma once

#include "ui/animate.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/open_dialog.h"

#include <string>

namespace quorvel {

// The system's icon libraries, from the folders that the system reports.
std::string ShellLibraryPath();       // system folder + "\SHELL32.DLL"
std::string MoreIconsLibraryPath();   // Windows folder + "\MORICONS.DLL"
std::string ZekIconsLibraryPath();    // system folder + "\ZEKICONS.DLL"

inline constexpr char kNoIcons[] = "Ce fichier ne contient pas d'icônes...";

class TChoixIcone : public ui::Form {
public:
    TChoixIcone();

    // Lists the icons of file, selects icon index (none when the file has
    // fewer) and shows the dialog modally; answers the modal result.
    int ChoisirIcone(const std::string& file, int index);
    void EffaceIcones();
    void TransfertIcones(const std::string& file);

    // The result, meaningful after modal result 1.
    std::string FichierChoisi;
    int NumeroChoisi = 0;

    // Components, in design order.
    ui::FormWindow window_;
    ui::ListView ListView1;
    ui::ImageList ImageList1{32, 32};
    ui::Label Label1;   // the current source
    ui::Label Label2;   // the selected icon's position
    ui::Animate Animate1;
    ui::Button BAccept;
    ui::Button BAnnuler;
    ui::Button BParcours;
    ui::Button BMoreIcons;
    ui::Button Bzekicons;
    ui::Button BShell;
    // Browses for a file, and holds the file whose icons are listed.
    ui::OpenDialog OpenDialog1;

    // The libraries of the three buttons, built at creation.
    const std::string ShellPath, MoreIconsPath, ZekIconsPath;

protected:
    void FormShow() override;

private:
    void ListView1Change();
    void BAcceptClick();
    void BParcoursClick();
    void ChargeBibliotheque(const std::string& path);

    int shownItem_ = -1;   // the item whose position Label2 shows
};

}  // namespace quorvel
