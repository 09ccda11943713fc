#include "admin/selectuser.h"

#include "admin/dialog_look.h"
#include "admin/emplacement.h"
#include "admin/newuser.h"
#include "resources/options_ids.h"
#include "resources/selectuser_ids.h"
#include "shared/folder_path.h"
#include "shared/profile_store.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/platform.h"

namespace quorvel {

const OptionValues kDefaultProfileOptions = {false, true, false, true, "8421376", "", "16777215", "8421376", true};

namespace {

// Component   Kind          Rectangle            Caption / hint
// Panel1      top bar       0, 0, 230 x 25       "Sélectionnez votre utilisateur", bold
// ListBox1    sorted list   0, 25, 230 x 146
// (bar)       bottom bar    0, 171, 230 x 38
// BitBtn1     glyph button  22, 175, 30 x 30     hint "Valide la sélection"; default, result 1
// BitBtn3     glyph button  75, 175, 30 x 30     hint "Nouvel utilisateur"
// BitBtn4     glyph button  128, 175, 30 x 30    hint "Supprime l'utilisateur"
// BitBtn2     glyph button  181, 175, 30 x 30    hint "Annuler"; cancel, result 2
// (bar)       bottom bar    0, 209, 230 x 30
// BitBtn5     glyph button  60, 212, 110 x 24    "Emplacement..."; hint "Emplacement des profils"
constexpr RECT kPanel1 = ui::Bounds(0, 0, 230, 25);
constexpr RECT kListBox1 = ui::Bounds(0, 25, 230, 146);
constexpr RECT kButtonBar = ui::Bounds(0, 171, 230, 38);
constexpr RECT kBitBtn1 = ui::Bounds(22, 175, 30, 30);
constexpr RECT kBitBtn3 = ui::Bounds(75, 175, 30, 30);
constexpr RECT kBitBtn4 = ui::Bounds(128, 175, 30, 30);
constexpr RECT kBitBtn2 = ui::Bounds(181, 175, 30, 30);
constexpr RECT kLocationBar = ui::Bounds(0, 209, 230, 30);
constexpr RECT kBitBtn5 = ui::Bounds(60, 212, 110, 24);

}  // namespace

TSelectUser::TSelectUser(TFOptions& options, std::function<void(const std::string&)> saveProfile)
    : options_(options), saveProfile_(std::move(saveProfile)) {
    SetFont(DialogFont());
    CreateForm("Choix de l'utilisateur...", 230, 239, FixedDialogStyle(), true);
    helpContext = 20;

    Panel1 = std::make_unique<ui::Label>(*this);
    Panel1->SetBounds(kPanel1.left, kPanel1.top + 5, kPanel1.right, 16);
    Panel1->SetCaption("Sélectionnez votre utilisateur");
    Panel1->centered = true;
    Panel1->SetTransparent(true);
    Panel1->SetFont(ui::MakeFont("MS Sans Serif", 11, true));

    // Its height is the design's, not rounded down to whole lines.
    ListBox1 = std::make_unique<ui::ListBox>(*this, kListBox1,
                                             LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL);
    ListBox1->onDblClick = [this] { ListBox1DblClick(); };

    auto button = [this](const RECT& r, int glyph, const char* hint) {
        auto b = std::make_unique<ui::BitButton>(*this, r, "", glyph);
        AddHint(b->Handle(), hint);
        return b;
    };
    BitBtn1 = button(kBitBtn1, IDI_SELECTUSER_OK, "Valide la sélection");
    BitBtn1->onClick = [this] { BitBtn1Click(); };
    defaultButton = BitBtn1->Handle();
    BitBtn3 = button(kBitBtn3, IDI_SELECTUSER_NEW, "Nouvel utilisateur");
    BitBtn3->onClick = [this] { BitBtn3Click(); };
    BitBtn4 = button(kBitBtn4, IDI_SELECTUSER_DELETE, "Supprime l'utilisateur");
    BitBtn4->onClick = [this] { BitBtn4Click(); };
    BitBtn2 = button(kBitBtn2, IDI_SELECTUSER_CANCEL, "Annuler");
    BitBtn2->modalResult = ui::mrCancel;
    cancelButton = BitBtn2->Handle();
    BitBtn5 = std::make_unique<ui::BitButton>(*this, kBitBtn5, "Emplacement...", IDI_GLYPH_OPEN);
    AddHint(BitBtn5->Handle(), "Emplacement des profils");
    BitBtn5->onClick = [this] { BitBtn5Click(); };
    FocusControl(ListBox1->Handle());

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
    } else if (!velmora::FolderExists(velmora::WithBackslash(DossierProfils))) {
        // The administrators' own shared folder is neither made nor hidden here.
        ShowFailure(Handle(), PasDeReponse(DossierProfils));
        return;
    }
    std::string defaultProfile = DossierProfils + "\\" + velmora::kDefaultProfile;
    DWORD attributes = GetFileAttributesA(defaultProfile.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (!CreateDirectoryA(defaultProfile.c_str(), nullptr)) {
        ShowFailure(Handle(), "Impossible de créer l'utilisateur par défaut...");
        return;
    }
    options_.SetValues(kDefaultProfileOptions);
    saveProfile_(defaultProfile);
    ShowFailure(Handle(), "Création de l'utilisateur par défaut.\rN'oubliez pas de paramétrer celui-ci...");
}

void TSelectUser::RemplitListe() {
    ListBox1->Clear();
    for (const std::string& name : velmora::ProfileNames(DossierProfils)) ListBox1->Add(name);
}

void TSelectUser::BitBtn1Click() {
    int selected = ListBox1->Selected();
    if (selected < 0) {
        modalResult = ui::mrNone;
        return;
    }
    UtilisateurChoisi = ListBox1->Item(selected);
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
    int selected = ListBox1->Selected();
    if (selected < 0) return;
    std::string name = ListBox1->Item(selected);
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
    ListBox1->Delete(selected);
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
    for (RECT bar : {kPanel1, kButtonBar, kLocationBar}) DrawEdge(dc, &bar, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace quorvel
