#include "admin/activation/install.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/install_ids.h"
#include "resources/options_ids.h"
#include "shared/profile_store.h"

namespace quorvel {

namespace {

// The fixed dialog frame, with its system menu.
ui::FormStyle InstallStyle() {
    ui::FormStyle style = FixedDialogStyle();
    style.systemMenu = true;
    return style;
}

}  // namespace

TFInstall::TFInstall()
    // Component  Rectangle                          Caption or positions
    : window_(*this, "Installation du bureau", 203, 113, InstallStyle(), true, DialogFont()),
      Label1 (*this, ui::Bounds(8, 0, 190, 13),       "Mot de passe pour la désactivation"),
      Label2 (*this, ui::Bounds(8, 36, 190, 13),      "Confirmation du mot de passe"),
      MDP1   (*this, ui::Bounds(8, 13, 186, 22),      velmora::kPasswordLength),
      MDP2   (*this, ui::Bounds(8, 49, 186, 22),      velmora::kPasswordLength),
      BOK    (*this, ui::Bounds(24, 80, 70, 29),      "&OK", IDI_OPTIONS_OK),
      BCancel(*this, ui::Bounds(109, 80, 70, 29),     "&Annuler", IDI_GLYPH_CANCEL),
      editFont_(ui::MakeFont("Times New Roman", 16, true, false, FF_ROMAN)) {
    helpContext = 90;
    SetIcon(IDI_INSTALL_FORM);

    // Control         Hint
    AddHint(MDP1.Handle(),    "1 à 10 caractères");
    AddHint(MDP2.Handle(),    "1 à 10 caractères");
    AddHint(BOK.Handle(),     "Confirmation du mot de passe et installation");
    AddHint(BCancel.Handle(), "Annulation de l'installation");

    for (ui::Label* label : {&Label1, &Label2}) label->SetFont(LabelFont());
    for (ui::MaskEdit* edit : {&MDP1, &MDP2})
        SendMessageA(edit->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(editFont_.get()), FALSE);

    // BOKClick decides the result: it keeps the dialog open on a refusal.
    BOK.onClick = [this] { BOKClick(); };
    BCancel.modalResult = ui::mrCancel;
    defaultButton = BOK.Handle();
    cancelButton = BCancel.Handle();
    MDP1.SetFocus();   // the first field has the focus whenever the dialog is activated
}

void TFInstall::BOKClick() {
    modalResult = ui::mrNone;
    const std::string& password = MDP1.MaskText();
    if (password == std::string(password.size(), ' ')) {
        MDP1.SetFocus();   // pressing OK took it: the next letters belong to the field
        return;
    }
    if (password != MDP2.MaskText()) {
        ShowFailure(Handle(), "Mot de passe non confirmé...");
        MDP1.Clear();
        MDP2.Clear();
        MDP1.SetFocus();
        return;
    }
    modalResult = ui::mrOk;
}

}  // namespace quorvel
