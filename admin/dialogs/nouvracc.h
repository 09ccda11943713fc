// TNouvracc, the shortcut dialog: the program to start, its start-up folder,
// its parameters, the text under the icon and the icon. Created once at
// program start and kept; it touches the disk only to read icons and hands
// its fields back as texts. Writing the shortcut is the caller's work.
//
// The main window uses it so:
//   new shortcut   EffaceChamps(); helpContext = 30; ShowModal();
//   properties     fill the six fields, ICO.SetIcon(ExtraitIcone(file, n));
//                  helpContext = 60; ShowModal();
//   paste          fill Cible, Demar, Sousicon, Parametres; SBICOORIGClick();
// and with modal result 1 reads the fields (NumIconeValue() for the index).
#pragma once

#include "shared/shell_link.h"
#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/open_dialog.h"

#include <string>

namespace quorvel {

inline constexpr char kMissingTarget[] = "Sélectionnez le fichier cible...";
inline constexpr int kMaxShortcutName = 30;

class TNouvracc : public ui::Form {
public:
    TNouvracc();

    // Empties the six fields and the preview.
    void EffaceChamps();
    // The icon that the preview shows for (file, index): the file's own, or
    // the shell library's batch or program icon by the file's extension; an
    // empty handle when there is none. The caller owns it.
    ui::IconHandle ExtraitIcone(const std::string& file, int index) const;
    // Back to the target's own first icon.
    void SBICOORIGClick();
    // The integer value of NumIcone; 0 when it holds no number.
    int NumIconeValue() const;

    // Components, in design order.
    ui::FormWindow window_;
    ui::Label LCible, LDemar, LParametres, LSousicon, LICO;
    ui::Edit Cible;
    ui::BitButton SpeedButton1;   // empties every field
    ui::BitButton SBCible;        // chooses the target
    ui::Edit Demar;
    ui::BitButton SpeedButton2;   // empties the start-up folder
    ui::BitButton SBDD;           // chooses the start-up folder
    ui::Edit Parametres;
    ui::Edit Sousicon;         // at most 30 characters
    ui::Image ICO;             // the icon preview; a click changes the icon
    ui::BitButton SBICOORIG;
    ui::Edit FichierIcone;     // hidden
    ui::Edit NumIcone;         // hidden, decimal text
    ui::BitButton BitBtn1;        // OK: validates
    ui::BitButton BitBtn2;        // cancel, modal result 2
    ui::OpenDialog OD1;
    // Reads a shortcut dropped on the main window.
    velmora::TVornShellLink SHL2;

    // The system shell library, built at creation.
    const std::string ShellLibrary;

protected:
    void FormPaint(HDC dc) override;

private:
    void SBCibleClick();
    void SBDDClick();
    void ICOClick();
    void BitBtn1Click();
};

}  // namespace quorvel
