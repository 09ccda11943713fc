#include "admin/dialogs/emplacement.h"

#include "admin/dialogs/dialog_look.h"
#include "admin/rules/safe_replace.h"
#include "resources/options_ids.h"
#include "resources/selectuser_ids.h"
#include "shared/folder_path.h"
#include "shared/folder_tree.h"
#include "shared/profile_store.h"
#include "ui/application.h"
#include "ui/path_kind.h"
#include "ui/platform.h"

#include <vector>

namespace quorvel {

using ui::PathExists;
using velmora::ProfileFolder;
using velmora::SettingsFileOf;

namespace {

constexpr int kHelpContext = 100;

// Component   Kind           Rectangle           Caption / hint
// RBLocal     radio button   10, 10, 280 x 17    "Profils locaux de cette machine"
// RBPartage   radio button   10, 31, 280 x 17    "Profils d'un dossier partagé (salle de machines) :"
// EChemin     edit           26, 52, 237 x 21    hint "Chemin du dossier partagé, par exemple \\SERVEUR\VELMORA"
// SBChoix     glyph button   267, 52, 23 x 21    hint "Sélection du dossier partagé"
// BitBtn1     glyph button   127, 84, 75 x 25    "&OK"; default
// BitBtn2     glyph button   215, 84, 75 x 25    "&Annuler"; cancel, result 2
constexpr RECT kRBLocal = ui::Bounds(10, 10, 280, 17);
constexpr RECT kRBPartage = ui::Bounds(10, 31, 280, 17);
constexpr RECT kEChemin = ui::Bounds(26, 52, 237, 21);
constexpr RECT kSBChoix = ui::Bounds(267, 52, 23, 21);
constexpr RECT kBitBtn1 = ui::Bounds(127, 84, 75, 25);
constexpr RECT kBitBtn2 = ui::Bounds(215, 84, 75, 25);

const char kMissing[] = "Tapez ou choisissez le dossier partagé des profils...";
const char kBadPath[] =
    "Ce chemin ne convient pas : tapez un chemin complet, comme \\\\SERVEUR\\VELMORA ou N:\\VELMORA...";
const char kLocalFolder[] = "Choisissez un dossier distinct du dossier des profils de cette machine...";
const char kReadOnly[] = "Impossible d'écrire dans le dossier partagé : vérifiez vos droits sur ce partage...";
const char kOffer[] =
    "Le dossier partagé ne contient encore aucun profil. Voulez-vous y copier les profils de cette machine ?";
const char kCopyFailed[] = "La copie des profils a échoué, rien n'a été modifié...";
const char kSaveFailed[] = "Impossible d'enregistrer l'emplacement des profils...";

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

std::string PasDeReponse(const std::string& folder) { return "Le dossier partagé " + folder + " ne répond pas..."; }

TEmplacement::TEmplacement(std::string localFolder) : localFolder_(std::move(localFolder)) {
    SetFont(DialogFont());
    CreateForm("Emplacement des profils...", 300, 117, FixedDialogStyle(), true);
    helpContext = kHelpContext;

    RBLocal = std::make_unique<ui::CheckBox>(*this, kRBLocal, "Profils locaux de cette machine", BS_AUTORADIOBUTTON);
    RBPartage = std::make_unique<ui::CheckBox>(*this, kRBPartage, "Profils d'un dossier partagé (salle de machines) :",
                                               BS_AUTORADIOBUTTON);
    EChemin = std::make_unique<ui::Edit>(*this, kEChemin);
    SBChoix = std::make_unique<ui::BitButton>(*this, kSBChoix, "", IDI_GLYPH_OPEN);
    BitBtn1 = std::make_unique<ui::BitButton>(*this, kBitBtn1, "&OK", IDI_SELECTUSER_OK);
    BitBtn2 = std::make_unique<ui::BitButton>(*this, kBitBtn2, "&Annuler", IDI_SELECTUSER_CANCEL);
    AddHint(EChemin->Handle(), "Chemin du dossier partagé, par exemple \\\\SERVEUR\\VELMORA");
    AddHint(SBChoix->Handle(), "Sélection du dossier partagé");
    SendMessageA(EChemin->Handle(), EM_LIMITTEXT, MAX_PATH, 0);

    RBLocal->onClick = [this] { RBClick(); };
    RBPartage->onClick = [this] { RBClick(); };
    SBChoix->onClick = [this] { SBChoixClick(); };
    BitBtn1->onClick = [this] { BitBtn1Click(); };
    defaultButton = BitBtn1->Handle();
    BitBtn2->modalResult = ui::mrCancel;
    cancelButton = BitBtn2->Handle();

    std::string shared = velmora::SharedProfilesFolder();
    EChemin->SetText(shared);
    (shared.empty() ? RBLocal : RBPartage)->SetChecked(true);
    RBClick();
    FocusControl((shared.empty() ? RBLocal : RBPartage)->Handle());
}

void TEmplacement::RBClick() {
    EChemin->SetEnabled(RBPartage->Checked());
    SBChoix->SetEnabled(RBPartage->Checked());
}

void TEmplacement::SBChoixClick() {
    if (auto folder = ui::platform().browseFolder(Handle(), "Dossier partagé des profils :")) EChemin->SetText(*folder);
}

void TEmplacement::BitBtn1Click() {
    modalResult = ui::mrNone;
    std::string folder;
    bool copy = false;
    if (RBPartage->Checked()) {
        folder = DossierVerifie();
        if (folder.empty()) return;
        copy = velmora::ProfileNames(folder).empty() && !velmora::ProfileNames(localFolder_).empty() &&
               ui::ShowMessage(Handle(), kOffer, ui::Application::Instance().Title(), MB_YESNO | MB_ICONQUESTION) ==
                   IDYES;
    }
    // The place is written first: a machine that may not write it copies nothing.
    std::string previous = velmora::SharedProfilesFolder();
    if (!velmora::SetSharedProfilesFolder(folder)) {
        ShowFailure(Handle(), kSaveFailed);
        return;
    }
    if (copy && !CopieProfils(localFolder_, folder)) {
        velmora::SetSharedProfilesFolder(previous);
        ShowFailure(Handle(), kCopyFailed);
        return;
    }
    modalResult = ui::mrOk;
}

std::string TEmplacement::DossierVerifie() {
    std::string typed = Trimmed(EChemin->Text());
    std::string folder = velmora::ProfilesLocation(typed);
    const char* fault = typed.empty()   ? kMissing
                        : folder.empty() ? kBadPath
                        : velmora::IsWithin(folder, localFolder_) || velmora::IsWithin(localFolder_, folder)
                            ? kLocalFolder
                            : nullptr;
    if (fault) {
        ShowFailure(Handle(), fault);
        return {};
    }
    if (!ui::FolderExists(velmora::WithBackslash(folder))) {
        ShowFailure(Handle(), PasDeReponse(folder));
        return {};
    }
    // Written and removed again: the administrators must be able to write there.
    std::string probe = ReserveTemporaryLink(folder);
    if (probe.empty()) {
        ShowFailure(Handle(), kReadOnly);
        return {};
    }
    DeleteFileA(probe.c_str());
    return folder;
}

bool CopieProfils(const std::string& from, const std::string& to) {
    struct Made {
        std::string path;
        bool folder;
    };
    std::vector<Made> made;
    auto undo = [&made] {
        for (auto i = made.rbegin(); i != made.rend(); ++i) {
            if (i->folder) velmora::DeleteTree(i->path);
            else DeleteFileA(i->path.c_str());
        }
        return false;
    };
    for (const std::string& name : velmora::ProfileNames(from)) {
        std::string folder = ProfileFolder(to, name);
        if (PathExists(folder)) continue;   // nothing of the shared folder is overwritten
        made.push_back({folder, true});
        if (!velmora::CopyTree(ProfileFolder(from, name), folder, velmora::IsTemporaryLinkName)) return undo();
        std::string source = SettingsFileOf(from, name), settings = SettingsFileOf(to, name);
        if (!PathExists(source) || PathExists(settings)) continue;
        made.push_back({settings, false});
        if (!CopyFileA(source.c_str(), settings.c_str(), TRUE)) return undo();
    }
    return true;
}

}  // namespace quorvel
