#include "admin/nouvracc.h"

#include "admin/choixicone.h"
#include "admin/dialog_look.h"
#include "admin/selectdossier.h"
#include "admin/shortcut_names.h"
#include "resources/dialog_buttons_ids.h"
#include "resources/nouvracc_ids.h"
#include "resources/resource_ids.h"
#include "ui/compat.h"

namespace quorvel {

namespace {

const int kBatchIcon = 60;     // of the shell library
const int kProgramIcon = 2;
const int kLowerPanelTop = 233;

ui::Label& Placed(ui::Label& label, int left, int top, const std::string& caption) {
    label.SetBounds(left, top, 293, 14);
    label.SetCaption(caption);
    return label;
}

std::string Upper(std::string s) {
    if (!s.empty()) CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

}  // namespace

// Upper panel (0, 0) 303 x 233, lower panel (0, 233) 303 x 42.
// Component     Kind        Rectangle             Caption / hint
// LCible        label       (5, 4)                Fichier "cible"
// Cible         edit        (5, 22) 237 x 21
// SpeedButton1  glyph       (247, 21) 23 x 22     hint "Effacement"
// SBCible       glyph       (272, 21) 23 x 22     hint "Sélection du fichier cible"
// LDemar        label       (5, 49)               "Dossier de démarrage"
// Demar         edit        (5, 66) 237 x 21
// SpeedButton2  glyph       (247, 65) 23 x 22     hint "Effacement"
// SBDD          glyph       (272, 65) 23 x 22     hint "Sélection du dossier de démarrage"
// LParametres   label       (5, 92)               "Paramétres en ligne de commande"
// Parametres    edit        (5, 104) 293 x 21
// LSousicon     label       (5, 132)              "Texte sous l'icône (sans extension)"
// Sousicon      edit        (5, 148) 293 x 21     at most 30 characters
// LICO          label       (5, 172)              "Icône de l'application"
// ICO           picture     (8, 188) 32 x 32      hint "Simple-clic gauche" pour changer d'icône
// SBICOORIG     glyph       (50, 192) 23 x 22     hint "Icone orignial"
// FichierIcone  edit        hidden
// NumIcone      edit        hidden
// BitBtn1       button      (36, 241) 90 x 25     "&Ok"
// BitBtn2       button      (176, 241) 90 x 25    "&Annuler"
TNouvracc::TNouvracc()
    : window_(*this, "Nouveau raccourci...", 303, 275, FixedDialogStyle(), true, DialogFont()),
      LCible(*this), LDemar(*this), LParametres(*this), LSousicon(*this), LICO(*this),
      Cible(*this, ui::Bounds(5, 22, 237, 21)),
      SpeedButton1(*this, ui::Bounds(247, 21, 23, 22), "", IDI_GLYPH_CLEAR),
      SBCible(*this, ui::Bounds(272, 21, 23, 22), "", IDI_GLYPH_TARGET),
      Demar(*this, ui::Bounds(5, 66, 237, 21)),
      SpeedButton2(*this, ui::Bounds(247, 65, 23, 22), "", IDI_GLYPH_CLEAR),
      SBDD(*this, ui::Bounds(272, 65, 23, 22), "", IDI_GLYPH_FOLDER),
      Parametres(*this, ui::Bounds(5, 104, 293, 21)),
      Sousicon(*this, ui::Bounds(5, 148, 293, 21)),
      ICO(*this),
      SBICOORIG(*this, ui::Bounds(50, 192, 23, 22), "", IDI_GLYPH_OWN_ICON),
      FichierIcone(*this, ui::Bounds(80, 192, 100, 21)),
      NumIcone(*this, ui::Bounds(190, 192, 40, 21)),
      BitBtn1(*this, ui::Bounds(36, 241, 90, 25), "&Ok", IDI_DIALOG_OK),
      BitBtn2(*this, ui::Bounds(176, 241, 90, 25), "&Annuler", IDI_DIALOG_CANCEL),
      ShellLibrary(ShellLibraryPath()) {
    helpContext = 30;
    Placed(LCible, 5, 4, "Fichier \"cible\"");
    Placed(LDemar, 5, 49, "Dossier de démarrage");
    Placed(LParametres, 5, 92, "Paramétres en ligne de commande");
    Placed(LSousicon, 5, 132, "Texte sous l'icône (sans extension)");
    Placed(LICO, 5, 172, "Icône de l'application");
    SendMessageA(Sousicon.Handle(), EM_LIMITTEXT, kMaxShortcutName, 0);
    FichierIcone.SetVisible(false);
    NumIcone.SetVisible(false);

    ICO.SetBounds(8, 188, 32, 32);
    ICO.transparent = true;
    ICO.cursor = ui::HandCursor(IDC_OWN_HAND);
    ICO.hint = "\"Simple-clic gauche\" pour changer d'icône";
    AddHint(ICO);

    AddHint(SpeedButton1.Handle(), "Effacement");
    AddHint(SBCible.Handle(), "Sélection du fichier cible");
    AddHint(SpeedButton2.Handle(), "Effacement");
    AddHint(SBDD.Handle(), "Sélection du dossier de démarrage");
    AddHint(SBICOORIG.Handle(), "Icone orignial");

    SHL2.SetWindowState(velmora::TWindowState::wsNormal);

    BitBtn2.modalResult = ui::mrCancel;
    defaultButton = BitBtn1.Handle();
    cancelButton = BitBtn2.Handle();

    OD1.title = "Sélection d'un fichier d'application...";
    OD1.fileName = "*.exe";
    OD1.filter = "Application|*.EXE|Traitement par lot|*.BAT|Commande|*.COM|Lien d'application MS-DOS|*.PIF";
    OD1.filterIndex = 1;
    OD1.initialDir.assign(1, '\\');   // the root of the current drive
    OD1.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHAREAWARE | OFN_NONETWORKBUTTON;

    SpeedButton1.onClick = [this] { EffaceChamps(); };
    SBCible.onClick = [this] { SBCibleClick(); };
    SpeedButton2.onClick = [this] { Demar.SetText(""); };
    SBDD.onClick = [this] { SBDDClick(); };
    ICO.onClick = [this](ui::GraphicControl&) { ICOClick(); };
    SBICOORIG.onClick = [this] { SBICOORIGClick(); };
    BitBtn1.onClick = [this] { BitBtn1Click(); };
    Cible.SetFocus();
}

void TNouvracc::EffaceChamps() {
    for (ui::Edit* field : {&Cible, &Demar, &Sousicon, &Parametres, &FichierIcone, &NumIcone}) field->SetText("");
    ICO.SetIcon({});
}

ui::IconHandle TNouvracc::ExtraitIcone(const std::string& file, int index) const {
    // Index -1 would ask for the number of icons, not for an icon.
    if (index != -1)
        if (HICON icon = velmora::ExtractFileIcon(file, index)) return ui::IconHandle(icon);
    std::string extension = Upper(ExtensionPart(file));
    if (extension == ".BAT") return ui::IconHandle(velmora::ExtractFileIcon(ShellLibrary, kBatchIcon));
    if (extension == ".PIF" || extension == ".COM" || extension == ".EXE")
        return ui::IconHandle(velmora::ExtractFileIcon(ShellLibrary, kProgramIcon));
    return {};
}

void TNouvracc::SBICOORIGClick() {
    FichierIcone.SetText(Cible.Text());
    NumIcone.SetText("0");
    ICO.SetIcon(ExtraitIcone(FichierIcone.Text(), 0));
}

int TNouvracc::NumIconeValue() const { return DecimalValue(NumIcone.Text()).value_or(0); }

void TNouvracc::SBCibleClick() {
    if (!OD1.Execute(Handle())) return;
    const std::string file = OD1.fileName;
    Cible.SetText(file);
    Demar.SetText(FolderPart(file));
    Parametres.SetText("");
    Sousicon.SetText(NameBeforeFirstDot(FileNamePart(file)));
    ICO.SetIcon(ExtraitIcone(file, 0));
    FichierIcone.SetText(file);
    NumIcone.SetText("0");
}

void TNouvracc::SBDDClick() {
    TSelectdossier folders;
    if (folders.ShowModal() == ui::mrOk) Demar.SetText(folders.DirectoryListBox1.Directory());
}

void TNouvracc::ICOClick() {
    std::string file = FichierIcone.Text();
    std::optional<int> index = DecimalValue(NumIcone.Text());
    if (file.empty() || !index || *index < 0) return;
    TChoixIcone chooser;
    if (chooser.ChoisirIcone(file, *index) != ui::mrOk) return;
    FichierIcone.SetText(chooser.FichierChoisi);
    NumIcone.SetText(std::to_string(chooser.NumeroChoisi));
    ICO.SetIcon(ExtraitIcone(chooser.FichierChoisi, chooser.NumeroChoisi));
}

void TNouvracc::BitBtn1Click() {
    modalResult = ui::mrNone;
    std::string target = Cible.Text();
    if (target.empty()) {
        ShowFailure(Handle(), kMissingTarget);
        Cible.FocusAll();
        return;
    }
    if (Demar.Text().empty()) Demar.SetText(FolderPart(target));
    std::string problem = ShortcutNameProblem(Sousicon.Text());
    if (problem.empty()) {
        modalResult = ui::mrOk;
        return;
    }
    ShowFailure(Handle(), problem);
    Sousicon.FocusAll();
}

void TNouvracc::FormPaint(HDC dc) {
    RECT client = ClientRect();
    RECT upper = {0, 0, client.right, kLowerPanelTop};
    RECT lower = {0, kLowerPanelTop, client.right, client.bottom};
    DrawEdge(dc, &upper, BDR_RAISEDINNER, BF_RECT);
    DrawEdge(dc, &lower, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace quorvel
