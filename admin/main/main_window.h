// TMain, the administration program's main window: the toolbar over the list
// of one folder of the desktop profile being edited. Its handlers are split
// by concern:
//   main_window.cpp    creation, layout, profiles and their settings, view
//                      modes, navigation, quit, information box, gestures
//   main_editing.cpp   new folders and shortcuts, properties, deletion, copy
//                      and paste, the list's keys and double-click
//   main_drop.cpp      files dropped on the list, and the program that the
//                      file associations name for a document
//
// The program's windows, where they are, and their help numbers:
//   window                       class          file                         help
//   main window                  TMain          admin/main/main_window       10
//   user profiles                TSelectUser    admin/dialogs/selectuser     20
//   new user                     TNewUser       admin/dialogs/newuser        20
//   new shortcut, properties     TNouvracc      admin/dialogs/nouvracc       30, 60
//   new folder, rename           TNomdossier    admin/dialogs/nomdossier     40, 70
//   deletion (question)          -              admin/main/main_editing      50
//   options                      TFOptions      admin/dialogs/options        80
//   password                     TFInstall      admin/activation/install     90
//   profiles' place              TEmplacement   admin/dialogs/emplacement    100
//   icon chooser                 TChoixIcone    admin/dialogs/choixicone     -
//   folder choice                TSelectdossier admin/dialogs/selectdossier  -
//   information box              TNSplash       admin/dialogs/unsplash       -
//   falling-blocks game          TTetro1        admin/game/tetro1            -
// Beside them: activation (admin/activation/activation), the rules that touch
// no window (admin/rules: settings, safe replace, names), the game's rules
// (admin/game/tetro_game) and the components (admin/components).
#pragma once

#include "admin/components/del_tree.h"
#include "admin/components/dir_combo_box.h"
#include "admin/components/file_drop.h"
#include "admin/components/file_list_view.h"
#include "admin/components/toolbar_button97.h"
#include "admin/components/wallpaper.h"
#include "shared/shell_link.h"
#include "ui/bevel.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/menu.h"

#include <string>

namespace quorvel {

class TFOptions;
class TNomdossier;
class TNouvracc;
class TSelectUser;

class TMain : public ui::Form {
public:
    TMain();

    // The other long-lived forms, created after this one by the program.
    TNomdossier* Nomdossier = nullptr;
    TNouvracc* Nouvracc = nullptr;
    TFOptions* FOptions = nullptr;
    TSelectUser* SelectUser = nullptr;

private:
    // Creating the window resizes it before the components exist: the
    // layout waits for them.
    bool built_ = false;

public:
    // Components. The toolbar's buttons, its bevel and its label are painted
    // in this order.
    ui::FormWindow window_;
    TWallpaper Wallpaper1;
    TToolbarButton97 TBBAjoR{Wallpaper1}, TBBAjoD{Wallpaper1}, TBBSup{Wallpaper1}, TBBPro{Wallpaper1},
        TBCOPIER{Wallpaper1}, TBCOLLER{Wallpaper1}, TBBOpt{Wallpaper1}, TBBIns{Wallpaper1}, TBBDes{Wallpaper1},
        TBNUSR{Wallpaper1}, TBBListe{Wallpaper1}, TBBIcone{Wallpaper1}, ToolbarButton971{Wallpaper1},
        TBQuit{Wallpaper1}, TBBPP{Wallpaper1};
    ui::Bevel Bevel1;
    ui::Label Label1;
    TLsFileListView LsFileListView1;
    TLsDirComboBox LsDirComboBox1;
    ui::PopupMenu PopupMenu1;
    ui::MenuItem* nouveau = nullptr;
    ui::MenuItem* Dossier1 = nullptr;
    ui::MenuItem* Raccourci1 = nullptr;
    ui::MenuItem* Supprime = nullptr;
    ui::MenuItem* Proprits1 = nullptr;
    TMPDelTree DT1;
    velmora::TVornShellLink SHL1;
    TFileDrop FileDrop1;
    velmora::TVornShellLink Shl2a;

    // The root of the profile being edited, without a final backslash.
    std::string DossierBureau;

    void OuvreProfil(const std::string& root);
    // The default profile of the profiles dialog's profiles folder.
    void OuvreProfilParDefaut();
    void ChargeParametres();
    void SauveParametres();
    void LsFileListView1Change();

    // Editing the current folder.
    void NouveauDossier();
    void NouveauRaccourci();
    void ProprietesSelection();
    void SupprimeSelection();
    void Copie();
    void Colle();
    // True when the path names a folder with no attribute besides "directory".
    static bool EstDossier(const std::string& path);

    // Dropped files. The program that opens a document of this extension (upper
    // case), found in the file associations; it fills the shortcut dialog's
    // name, parameters and icon as it goes. Empty, after a message, when the
    // associations name none.
    std::string ChercheApplication(const std::string& extension, const std::string& file);

    // Handlers.
    void TBQuitClick();
    void TBQuitMouseUp(ui::MouseButton button, ui::ShiftState shift);
    void TBBPPClick();
    void TBBIconeClick();
    void TBBListeClick();
    void TBBOptClick();
    void TBBInsClick();
    void TBBDesClick();
    void TBNUSRClick();
    void ToolbarButton971Click();
    void ToolbarButton971MouseUp(ui::MouseButton button, ui::ShiftState shift);
    bool LsFileListView1KeyDown(WORD key);
    void LsFileListView1DblClick();
    void TBBAjoRClick();
    void TBCOPIERClick();
    void TBCOLLERClick();
    void FileDrop1Drop();

protected:
    void FormShow() override;
    void FormResize() override;
    bool FormKeyDown(WORD key, ui::ShiftState shift) override;

private:
    // The selected entry's full path, or empty.
    std::string SelectedEntryPath() const;
    std::string SelectedCaption() const;
    void Refresh();
    void RemoveSelectedAndArrange();
    bool LimitReached();
    // A name already taken in the current folder may be replaced only on a yes.
    bool MayWrite(const std::string& linkPath, const std::string& except = {});
    void Message(const char* text);
    int Ask(const char* text, UINT icon, int help);
    void FormCreate();
    void CreateToolbar();
    void CreateList();
    void CreateMenu();
    void WireEvents();
};

// The hidden gestures want exactly Shift, Alt and Ctrl with the right button.
bool IsHiddenGesture(ui::MouseButton button, ui::ShiftState shift);

}  // namespace quorvel
