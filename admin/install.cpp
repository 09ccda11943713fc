#include "admin/install.h"

#include "resources/install_ids.h"
#include "resources/options_ids.h"
#include "shared/profile_store.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace quorvel {

using ui::Bounds;

namespace {

constexpr int kHelpContext = 90;

}  // namespace

TFInstall::TFInstall() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Dialog;
    CreateForm("Installation du bureau", 203, 113, style, true);
    helpContext = kHelpContext;
    SetFont(ui::MakeFont("MS Sans Serif", 11));
    editFont_ = ui::MakeFont("Times New Roman", 16, true, false, FF_ROMAN);
    SetIcon(IDI_INSTALL_FORM);

    // Component                          Kind             Rectangle            Caption
    Label1  = std::make_unique<ui::Label>(*this);
    Label2  = std::make_unique<ui::Label>(*this);
    MDP1    = std::make_unique<ui::MaskEdit>(*this, Bounds(8, 13, 186, 22), velmora::kPasswordLength);
    MDP2    = std::make_unique<ui::MaskEdit>(*this, Bounds(8, 49, 186, 22), velmora::kPasswordLength);
    BOK     = std::make_unique<ui::BitButton>(*this, Bounds(24, 80, 70, 29), "&OK", IDI_OPTIONS_OK);
    BCancel = std::make_unique<ui::BitButton>(*this, Bounds(109, 80, 70, 29), "&Annuler", IDI_GLYPH_CANCEL);

    // Label             Rectangle            Caption
    Label1->SetBounds(8, 0, 190, 13);   Label1->SetCaption("Mot de passe pour la désactivation");
    Label2->SetBounds(8, 36, 190, 13);  Label2->SetCaption("Confirmation du mot de passe");

    // Control                Hint
    AddHint(MDP1->Handle(),    "1 à 10 caractères");
    AddHint(MDP2->Handle(),    "1 à 10 caractères");
    AddHint(BOK->Handle(),     "Confirmation du mot de passe et installation");
    AddHint(BCancel->Handle(), "Annulation de l'installation");

    for (ui::Label* label : {Label1.get(), Label2.get()})
        label->SetFont(ui::MakeFont("Times New Roman", 12, false, false, FF_ROMAN));
    for (ui::MaskEdit* edit : {MDP1.get(), MDP2.get()})
        SendMessageA(edit->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(editFont_.get()), FALSE);

    // BOKClick decides the result: it keeps the dialog open on a refusal.
    BOK->onClick = [this] { BOKClick(); };
    BCancel->modalResult = ui::mrCancel;
    defaultButton = BOK->Handle();
    cancelButton = BCancel->Handle();
    MDP1->SetFocus();   // the first field has the focus whenever the dialog is activated
}

TFInstall::~TFInstall() = default;

void TFInstall::BOKClick() {
    modalResult = ui::mrNone;
    const std::string& password = MDP1->MaskText();
    if (password == std::string(password.size(), ' ')) {
        MDP1->SetFocus();   // pressing OK took it: the next letters belong to the field
        return;
    }
    if (password != MDP2->MaskText()) {
        ui::ShowMessage(Handle(), "Mot de passe non confirmé...", ui::Application::Instance().Title(), MB_OK);
        MDP1->Clear();
        MDP2->Clear();
        MDP1->SetFocus();
        return;
    }
    modalResult = ui::mrOk;
}

}  // namespace quorvel
