#include "shell/umdp.h"

#include "resources/resource_ids.h"

namespace dovrane {

namespace {

// Component      Kind        Rectangle          Caption        Hint
// Label1         label       7, 3               "Mot de passe"
// MDP            masked edit 7, 16, 153 x 23                   "1 à 10 caractères", shown
// BitBtn1        button      7, 44, 65 x 25     "&Ok"          "Validation du mot de passe", not shown
// BitBtn2        button      95, 44, 65 x 25    "&Annuler"     "Annulation de la saisie", not shown
constexpr RECT kLabel1 = ui::Bounds(7, 3, 80, 13);
constexpr RECT kMDP = ui::Bounds(7, 16, 153, 23);
constexpr RECT kBitBtn1 = ui::Bounds(7, 44, 65, 25);
constexpr RECT kBitBtn2 = ui::Bounds(95, 44, 65, 25);
constexpr size_t kPasswordPositions = 10;

}  // namespace

TFMDP::TFMDP() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Dialog;
    style.systemMenu = false;
    style.topMost = true;
    SetFont(ui::MakeFont("MS Sans Serif", 10));
    CreateForm("Déchargement", 166, 71, style, true);

    Label1 = std::make_unique<ui::Label>(*this);
    Label1->SetBounds(kLabel1.left, kLabel1.top, kLabel1.right - kLabel1.left, kLabel1.bottom - kLabel1.top);
    Label1->SetCaption("Mot de passe");
    Label1->SetTransparent(true);

    MDP = std::make_unique<ui::MaskEdit>(*this, kMDP, kPasswordPositions);
    SendMessageA(MDP->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(passwordFont_.get()), FALSE);
    AddHint(MDP->Handle(), "1 à 10 caractères");

    // Not the default button: Enter in the field validates nothing.
    BitBtn1 = std::make_unique<ui::BitButton>(*this, kBitBtn1, "&Ok", IDI_GLYPH_OK);
    BitBtn1->modalResult = ui::mrOk;

    BitBtn2 = std::make_unique<ui::Button>(*this, kBitBtn2, "&Annuler");
    BitBtn2->modalResult = ui::mrCancel;
    cancelButton = BitBtn2->Handle();

    FocusControl(MDP->Handle());
}

void TFMDP::FormShow() {
    MDP->Clear();
    MDP->SetFocus();
}

}  // namespace dovrane
