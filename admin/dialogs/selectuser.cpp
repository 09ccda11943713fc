#include "admin/dialogs/selectuser.h"

#include "admin/dialogs/dialog_look.h"
#include "admin/dialogs/emplacement.h"
#include "admin/dialogs/newuser.h"
#include "resources/options_ids.h"
#include "resources/selectuser_ids.h"
#include "shared/folder_path.h"
#include "shared/profile_store.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/path_kind.h"
#include "ui/platform.h"

namespace quorvel {

const OptionValues kDefaultProfileOptions = {false, true, false, true, "8421376", "", "16777215", "8421376", true};

namespace {

// The raised bars above and below the list and around the place button, painted by the form.
constexpr RECT kTopBar = ui::Bounds(0, 0, 230, 25);
constexpr RECT kButtonBar = ui::Bounds(0, 171, 230, 38);
constexpr RECT kLocationBar = ui::Bounds(0, 209, 230, 30);

}  // namespace

TSelectUser::TSelectUser(TFOptions& options, std::function<void(const std::string&)> saveProfile)
    // Component  Rectangle                       Caption, style or glyph
    : window_(*this, "Choix de l'utilisateur...", 230, 239, FixedDialogStyle(), true, DialogFont()),
      Panel1  (*this, ui::Bounds(0, 5, 230, 16),   "Sélectionnez votre utilisateur"),
      // Its height is the design's, not rounded down to whole lines.
      ListBox1(*this, ui::Bounds(0, 25, 230, 146), LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL),
      BitBtn1 (*this, ui::Bounds(22, 175, 30, 30), "", IDI_SELECTUSER_OK),
      BitBtn3 (*this, ui::Bounds(75, 175, 30, 30), "", IDI_SELECTUSER_NEW),
      BitBtn4 (*this, ui::Bounds(128, 175, 30, 30), "", IDI_SELECTUSER_DELETE),
      BitBtn2 (*this, ui::Bounds(181, 175, 30, 30), "", IDI_SELECTUSER_CANCEL),
      BitBtn5 (*this, ui::Bounds(60, 212, 110, 24), "Emplacement...", IDI_GLYPH_OPEN),
      options_(options),
      saveProfile_(std::move(saveProfile)) {
    helpContext = 20;
    Panel1.centered = true;
    Panel1.SetTransparent(true);
    Panel1.SetFont(ui::MakeFont("MS Sans Serif", 11, true));

    // Control         Hint
    AddHint(BitBtn1.Handle(), "Valide la sélection");
    AddHint(BitBtn3.Handle(), "Nouvel utilisateur");
    AddHint(BitBtn4.Handle(), "Supprime l'utilisateur");
    AddHint(BitBtn2.Handle(), "Annuler");
    AddHint(BitBtn5.Handle(), "Emplacement des profils");

    ListBox1.onDblClick = [this] { ListBox1DblClick(); };
    BitBtn1.onClick = [this] { BitBtn1Click(); };
    BitBtn3.onClick = [this] { BitBtn3Click(); };
    BitBtn4.onClick = [this] { BitBtn4Click(); };
    BitBtn2.modalResult = ui::mrCancel;
    BitBtn5.onClick = [this] { BitBtn5Click(); };
    defaultButton = BitBtn1.Handle();
    cancelButton = BitBtn2.Handle();
    FocusControl(ListBox1.Handle());

    MPDelTree1.Verbose = false;
    ui::Guarded([this] { FormCreate(); });
}

void TSelectUser::FormCreate() { ChargeEmplacement(); }

void TSelectUser::ChargeEmplacement() {
    std::string windows = ui::platform().windowsDir();
    DossierProfils = velmora::EditedProfilesFolder(windows);
    if (DossierProfils == velmora::ProfilesFolder(windows)) {
        CreateDirectoryA(DossierProfils.c_str(), nullptr);
        SetFileAttributesA(DossierProfils.c_str(), FILE_ATTRIBUTE_HIDDEN);
    } else if (!ui::FolderExists(velmora::WithBackslash(DossierProfils))) {
        // The administrators' own shared folder is neither made nor hidden here.
        ShowFailure(Handle(), PasDeReponse(DossierProfils));
        return;
    }
    std::string defaultProfile = DossierProfils + "\\" + velmora::kDefaultProfile;
    if (ui::FolderExists(defaultProfile)) return;
    if (!CreateDirectoryA(defaultProfile.c_str(), nullptr)) {
        ShowFailure(Handle(), "Impossible de créer l'utilisateur par défaut...");
        return;
    }
    options_.SetValues(kDefaultProfileOptions);
    saveProfile_(defaultProfile);
    ShowFailure(Handle(), "Création de l'utilisateur par défaut.\rN'oubliez pas de paramétrer celui-ci...");
}

void TSelectUser::RemplitListe() {
    ListBox1.Clear();
    for (const std::string& name : velmora::ProfileNames(DossierProfils)) ListBox1.Add(name);
}

void TSelectUser::BitBtn1Click() {
    int selected = ListBox1.Selected();
    if (selected < 0) {
        modalResult = ui::mrNone;
        return;
    }
    UtilisateurChoisi = ListBox1.Item(selected);
    modalResult = ui::mrOk;
}

void TSelectUser::BitBtn3Click() {
    {
        TNewUser dialog(DossierProfils);
        dialog.ShowModal();
    }
    RemplitListe();
    modalResult = ui::mrNone;
}

void TSelectUser::BitBtn4Click() {
    int selected = ListBox1.Selected();
    if (selected < 0) return;
    std::string name = ListBox1.Item(selected);
    if (name == velmora::kDefaultProfile) {
        ShowFailure(Handle(), "Impossible de supprimer l'utilisateur par défaut...");
        return;
    }
    if (lstrcmpiA(name.c_str(), ProfilOuvert.c_str()) == 0) {
        ShowFailure(Handle(), "Impossible de supprimer l'utilisateur en cours de modification...");
        return;
    }
    int answer = ui::platform().messageBox(Handle(), "Confirmation de la suppression ?",
                                           ui::Application::Instance().Title(), MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return;
    MPDelTree1.Path = DossierProfils + "\\" + name;
    if (!MPDelTree1.DelTree()) {
        ShowFailure(Handle(), "Impossible de supprimer cet utilisateur...");
        return;
    }
    DeleteFileA((DossierProfils + "\\" + name + ".INI").c_str());
    ListBox1.Delete(selected);
}

void TSelectUser::BitBtn5Click() {
    {
        TEmplacement dialog(velmora::ProfilesFolder(ui::platform().windowsDir()));
        if (dialog.ShowModal() != ui::mrOk) return;
    }
    ChargeEmplacement();
    RemplitListe();
    if (onEmplacement) onEmplacement();
}

void TSelectUser::FormPaint(HDC dc) {
    for (RECT bar : {kTopBar, kButtonBar, kLocationBar}) DrawEdge(dc, &bar, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace quorvel
