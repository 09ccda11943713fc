#include "admin/dialogs/newuser.h"

#include "admin/dialogs/dialog_look.h"
#include "admin/rules/shortcut_names.h"
#include "resources/selectuser_ids.h"

namespace quorvel {

TNewUser::TNewUser(std::string profilesFolder)
    // Component  Rectangle                      Caption and glyph
    : window_(*this, "Nom de l'utilisateur...", 273, 73, FixedDialogStyle(), true, DialogFont()),
      ENomuser(*this, ui::Bounds(10, 10, 253, 21)),
      BitBtn1 (*this, ui::Bounds(104, 40, 75, 25),  "&OK", IDI_SELECTUSER_OK),
      BitBtn2 (*this, ui::Bounds(188, 40, 75, 25),  "&Annuler", IDI_SELECTUSER_CANCEL),
      profilesFolder_(std::move(profilesFolder)) {
    helpContext = 20;
    BitBtn1.onClick = [this] { BitBtn1Click(); };
    defaultButton = BitBtn1.Handle();
    BitBtn2.modalResult = ui::mrCancel;
    cancelButton = BitBtn2.Handle();
    FocusControl(ENomuser.Handle());
}

void TNewUser::BitBtn1Click() {
    modalResult = ui::mrOk;
    // One level only: the profiles folder exists, its parents are not made,
    // and a name that is a path makes no folder anywhere.
    std::string name = ENomuser.Text();
    if (TypedNameFault(name) == NameFault::None && CreateDirectoryA((profilesFolder_ + "\\" + name).c_str(), nullptr))
        return;
    ShowFailure(Handle(), "Impossible de créer cet utilisateur...");
    modalResult = ui::mrNone;
    ENomuser.FocusAll();
}

}  // namespace quorvel
