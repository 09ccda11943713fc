#include "admin/newuser.h"

#include "admin/dialog_look.h"
#include "admin/shortcut_names.h"
#include "resources/selectuser_ids.h"

namespace quorvel {

namespace {

// Component   Kind          Rectangle          Caption
// ENomuser    edit          10, 10, 253 x 21
// BitBtn1     glyph button  104, 40, 75 x 25   "&OK"
// BitBtn2     glyph button  188, 40, 75 x 25   "&Annuler"
constexpr RECT kENomuser = ui::Bounds(10, 10, 253, 21);
constexpr RECT kBitBtn1 = ui::Bounds(104, 40, 75, 25);
constexpr RECT kBitBtn2 = ui::Bounds(188, 40, 75, 25);

}  // namespace

TNewUser::TNewUser(std::string profilesFolder) : profilesFolder_(std::move(profilesFolder)) {
    SetFont(DialogFont());
    CreateForm("Nom de l'utilisateur...", 273, 73, FixedDialogStyle(), true);
    helpContext = 20;

    ENomuser = std::make_unique<ui::Edit>(*this, kENomuser);
    BitBtn1 = std::make_unique<ui::BitButton>(*this, kBitBtn1, "&OK", IDI_SELECTUSER_OK);
    BitBtn1->onClick = [this] { BitBtn1Click(); };
    defaultButton = BitBtn1->Handle();
    BitBtn2 = std::make_unique<ui::BitButton>(*this, kBitBtn2, "&Annuler", IDI_SELECTUSER_CANCEL);
    BitBtn2->modalResult = ui::mrCancel;
    cancelButton = BitBtn2->Handle();
    FocusControl(ENomuser->Handle());
}

void TNewUser::BitBtn1Click() {
    modalResult = ui::mrOk;
    // One level only: the profiles folder exists, its parents are not made,
    // and a name that is a path makes no folder anywhere.
    std::string name = ENomuser->Text();
    if (TypedNameFault(name) == NameFault::None && CreateDirectoryA((profilesFolder_ + "\\" + name).c_str(), nullptr))
        return;
    ShowFailure(Handle(), "Impossible de créer cet utilisateur...");
    modalResult = ui::mrNone;
    ENomuser->FocusAll();
}

}  // namespace quorvel
