// Filling a desktop profile: new folders and shortcuts, the properties of an
// entry, deletion, copy and paste, and the list's keys and double-click.
// Everything acts on the folder that the list shows.
#include "admin/main/main_window.h"

#include "admin/dialogs/dialog_look.h"
#include "admin/dialogs/nomdossier.h"
#include "admin/dialogs/nouvracc.h"
#include "admin/rules/safe_replace.h"
#include "admin/rules/shortcut_names.h"
#include "shared/ansi_text.h"
#include "shared/folder_path.h"
#include "shared/profile_store.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/path_kind.h"
#include "ui/platform.h"

namespace quorvel {

using ui::PathExists;

namespace {

constexpr int kHelpNewShortcut = 30, kHelpNewFolder = 40, kHelpDeletion = 50, kHelpProperties = 60,
              kHelpRename = 70;

bool SameName(const std::string& a, const std::string& b) { return velmora::UpperCase(a) == velmora::UpperCase(b); }

// The dialog's fields onto the link; the fields it does not hold keep their values.
void FieldsToLink(const TNouvracc& dialog, velmora::TVornShellLink& link) {
    link.Target = dialog.Cible.Text();
    link.WorkingDir = dialog.Demar.Text();
    link.Arguments = dialog.Parametres.Text();
    link.FileIcon().FileName = dialog.FichierIcone.Text();
    link.FileIcon().IconIndex = dialog.NumIconeValue();
}

// Writes the link under a name of its own in folder, then puts it in the
// place of path (a file of folder, or none) under the name target.
bool WriteInPlaceOf(velmora::TVornShellLink& link, const std::string& folder, const std::string& path,
                    const std::string& target) {
    std::string temporary = ReserveTemporaryLink(folder);
    if (temporary.empty()) return false;
    link.SetFileName(temporary);
    try {
        link.WriteLink();
    } catch (const velmora::EVornShellLink&) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return ReplaceWithWritten(temporary, path, target);
}

}  // namespace

// ---- Helpers ----------------------------------------------------------------

std::string TMain::SelectedCaption() const {
    int item = LsFileListView1.Selected();
    return item < 0 ? std::string() : LsFileListView1.ItemText(item);
}

std::string TMain::SelectedEntryPath() const {
    std::string caption = SelectedCaption();
    return caption.empty() ? caption : LsFileListView1.Directory() + "\\" + caption;
}

void TMain::Refresh() { LsDirComboBox1.SetSelectedDir(LsFileListView1.Directory()); }

void TMain::RemoveSelectedAndArrange() {
    ListView_DeleteItem(LsFileListView1.Handle(), LsFileListView1.Selected());
    ListView_Arrange(LsFileListView1.Handle(), LVA_ALIGNTOP);
    LsFileListView1Change();
}

bool TMain::LimitReached() {
    if (LsFileListView1.Count() < velmora::kMaxEntries) return false;
    Message("Vous avez atteint le nombre maximum d'icônes sur le bureau...");
    return true;
}

bool TMain::MayWrite(const std::string& linkPath, const std::string& except) {
    if (!ui::PathExists(linkPath) || (!except.empty() && SameName(linkPath, except))) return true;
    return Ask("Un raccourci de ce nom existe déjà dans ce dossier. Voulez-vous le remplacer ?", MB_ICONWARNING,
               kHelpNewShortcut) == IDYES;
}

void TMain::Message(const char* text) { ShowFailure(Handle(), text); }

int TMain::Ask(const char* text, UINT icon, int help) {
    // F1 in the box asks the owner for help: this topic while it is open.
    int saved = std::exchange(helpContext, help);
    int answer = ui::platform().messageBox(Handle(), text, ui::Application::Instance().Title(), MB_YESNO | icon);
    helpContext = saved;
    return answer;
}

bool TMain::EstDossier(const std::string& path) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA(path.c_str(), &entry));
    return find && entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY;
}

// ---- Commands ---------------------------------------------------------------

void TMain::NouveauDossier() {
    if (LimitReached()) return;
    Nomdossier->ENomdossier.SetText("");
    Nomdossier->helpContext = kHelpNewFolder;
    if (Nomdossier->ShowModal() != ui::mrOk) return;
    // One new folder in the profile root: a name that is a path makes none.
    std::string name = Nomdossier->ENomdossier.Text();
    if (TypedNameFault(name) == NameFault::None && CreateDirectoryA((DossierBureau + "\\" + name).c_str(), nullptr))
        Refresh();
    else
        Message("Impossible de créer ce répertoire...");
}

void TMain::NouveauRaccourci() {
    if (LimitReached()) return;
    Nouvracc->helpContext = kHelpNewShortcut;
    if (Nouvracc->ShowModal() != ui::mrOk) return;
    // Written whole under a name of its own first: a folder that stops
    // answering midway (a shared one) keeps no half-written shortcut.
    std::string folder = LsFileListView1.Directory();
    SHL1.SetFileName(folder + "\\" + Nouvracc->Sousicon.Text());
    std::string target = SHL1.FileName();
    if (!MayWrite(target)) return;
    FieldsToLink(*Nouvracc, SHL1);
    if (!WriteInPlaceOf(SHL1, folder, target, target)) {
        Message("Impossible d'ajouter cette application...");
        return;
    }
    SHL1.SetFileName(target);
    Refresh();
    LsFileListView1.SetDirectory(LsDirComboBox1.SelectedDir());
}

void TMain::ProprietesSelection() {
    std::string path = SelectedEntryPath();
    if (path.empty()) return;
    std::string caption = SelectedCaption();
    if (EstDossier(path)) {
        Nomdossier->ENomdossier.SetText(caption);
        Nomdossier->helpContext = kHelpRename;
        if (Nomdossier->ShowModal() != ui::mrOk) return;
        std::string name = Nomdossier->ENomdossier.Text();
        if (name == caption) return;
        if (TypedNameFault(name) == NameFault::None &&
            MoveFileA(path.c_str(), (LsFileListView1.Directory() + "\\" + name).c_str()))
            LsFileListView1.RenameItem(LsFileListView1.Selected(), name);
        else
            Message("Changement de nom de dossier impossible...");
        return;
    }

    SHL1.SetFileName(path);
    SHL1.ReadLink();   // a link that cannot be read stops here with its own message
    Nouvracc->Cible.SetText(SHL1.Target);
    Nouvracc->Demar.SetText(SHL1.WorkingDir);
    Nouvracc->Sousicon.SetText(NameBeforeFirstDot(FileNamePart(SHL1.FileName())));
    Nouvracc->FichierIcone.SetText(SHL1.FileIcon().FileName);
    Nouvracc->Parametres.SetText(SHL1.Arguments);
    Nouvracc->NumIcone.SetText(std::to_string(SHL1.FileIcon().IconIndex));
    Nouvracc->ICO.SetIcon(Nouvracc->ExtraitIcone(SHL1.FileIcon().FileName, SHL1.FileIcon().IconIndex));
    Nouvracc->helpContext = kHelpProperties;
    if (Nouvracc->ShowModal() != ui::mrOk) return;

    // The edited shortcut is written beside the old one first, under a name
    // of its own, so that a failure leaves the old one as it was; a change of
    // letter case alone is a rename too.
    std::string folder = LsFileListView1.Directory();
    SHL1.SetFileName(folder + "\\" + FileNamePart(Nouvracc->Sousicon.Text()));
    std::string target = SHL1.FileName();
    if (!MayWrite(target, path)) return;
    FieldsToLink(*Nouvracc, SHL1);
    if (!WriteInPlaceOf(SHL1, folder, path, target)) {
        Message("Erreur en modification du raccourci...");
        return;
    }
    SHL1.SetFileName(target);
    RemoveSelectedAndArrange();
    Refresh();
}

void TMain::SupprimeSelection() {
    std::string path = SelectedEntryPath();
    if (path.empty()) return;
    if (EstDossier(path)) {
        if (Ask("Suppression de ce dossier ?", MB_ICONWARNING, kHelpDeletion) != IDYES) return;
        DT1.Path = path;
        if (DT1.DelTree()) RemoveSelectedAndArrange();
        else Message("Erreur en effacement du dossier...");
        return;
    }
    if (Ask("Suppression de ce raccourci ?", MB_ICONWARNING, kHelpDeletion) != IDYES) return;
    if (DeleteFileA(path.c_str())) RemoveSelectedAndArrange();
    else Message("Erreur en effacement du raccourci...");
}

void TMain::Copie() {
    std::string caption = SelectedCaption();
    if (velmora::UpperCase(caption).find(".LNK") == std::string::npos) return;
    Shl2a.SetFileName(SelectedEntryPath());
    Shl2a.ReadLink();
}

void TMain::Colle() {
    std::string name = FileNamePart(Shl2a.FileName());
    for (int i = 0; i < LsFileListView1.Count(); ++i)
        if (!name.empty() && SameName(LsFileListView1.ItemText(i), name)) return;
    Nouvracc->Cible.SetText(Shl2a.Target);
    Nouvracc->Demar.SetText(Shl2a.WorkingDir);
    Nouvracc->Sousicon.SetText(NameBeforeFirstDot(name));
    Nouvracc->Parametres.SetText(Shl2a.Arguments);
    Nouvracc->SBICOORIGClick();
    NouveauRaccourci();
}

// ---- Handlers ---------------------------------------------------------------

void TMain::TBBAjoRClick() {
    Nouvracc->EffaceChamps();
    NouveauRaccourci();
}

void TMain::TBCOPIERClick() {
    Copie();
    TBCOLLER.SetEnabled(true);
}

void TMain::TBCOLLERClick() { Colle(); }

bool TMain::LsFileListView1KeyDown(WORD key) {
    if (GetKeyState(VK_CONTROL) < 0) {
        if (key == 'C') Copie();
        else if (key == 'V') Colle();
        return key == 'C' || key == 'V';
    }
    bool selected = LsFileListView1.Selected() >= 0;
    if (key == VK_RETURN && selected) ProprietesSelection();
    else if (key == VK_INSERT && !selected) TBBAjoRClick();
    else if (key == VK_DELETE && selected) SupprimeSelection();
    return key == VK_RETURN || key == VK_INSERT || key == VK_DELETE;
}

bool TMain::FormKeyDown(WORD key, ui::ShiftState) {
    // The form sees keys first; the list's own keys go to its handler.
    return GetFocus() == LsFileListView1.Handle() && LsFileListView1KeyDown(key);
}

void TMain::LsFileListView1DblClick() {
    if (velmora::UpperCase(SelectedCaption()).find(".LNK") != std::string::npos) ProprietesSelection();
}

}  // namespace quorvel
