#include "shell/umdp.h"

#include "resources/resource_ids.h"

namespace dovrane {

namespace {

constexpr size_t kPasswordPositions = 10;

// A fixed dialog frame without caption buttons, over the other windows.
ui::FormStyle PasswordStyle() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Dialog;
    style.systemMenu = false;
    style.topMost = true;
    return style;
}

}  // namespace

TFMDP::TFMDP()
    // Component  Rectangle                     Caption or positions
    : window_(*this, "Déchargement", 166, 71, PasswordStyle(), true, ui::MakeFont("MS Sans Serif", 10)),
      Label1 (*this, ui::Bounds(7, 3, 80, 13),    "Mot de passe"),
      MDP    (*this, ui::Bounds(7, 16, 153, 23),  kPasswordPositions),
      BitBtn1(*this, ui::Bounds(7, 44, 65, 25),   "&Ok", IDI_GLYPH_OK),
      BitBtn2(*this, ui::Bounds(95, 44, 65, 25),  "&Annuler") {
    Label1.SetTransparent(true);
    SendMessageA(MDP.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(passwordFont_.get()), FALSE);
    // Only the field shows a hint.
    AddHint(MDP.Handle(), "1 à 10 caractères");
    BitBtn1.modalResult = ui::mrOk;
    BitBtn2.modalResult = ui::mrCancel;
    cancelButton = BitBtn2.Handle();
    FocusControl(MDP.Handle());
}

void TFMDP::FormShow() {
    MDP.Clear();
    MDP.SetFocus();
}

}  // namespace dovrane
