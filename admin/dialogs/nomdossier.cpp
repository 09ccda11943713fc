#include "admin/dialogs/nomdossier.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/dialog_buttons_ids.h"

namespace quorvel {

TNomdossier::TNomdossier()
    // Component   Rectangle                     Caption and glyph
    : window_(*this, "Nom du dossier...", 273, 72, FixedDialogStyle(), true, DialogFont()),
      ENomdossier(*this, ui::Bounds(8, 10, 257, 21)),
      BitBtn1    (*this, ui::Bounds(48, 40, 75, 25),   "OK", IDI_DIALOG_OK),
      BitBtn2    (*this, ui::Bounds(150, 40, 75, 25),  "Annuler", IDI_DIALOG_CANCEL) {
    BitBtn1.modalResult = ui::mrOk;
    BitBtn2.modalResult = ui::mrCancel;
    defaultButton = BitBtn1.Handle();
    cancelButton = BitBtn2.Handle();
    helpContext = 40;
    ENomdossier.SetFocus();
}

void TNomdossier::FormShow() {
    // The whole name is selected, ready to be typed over.
    ENomdossier.FocusAll();
}

}  // namespace quorvel
