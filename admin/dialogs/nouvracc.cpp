#include "admin/dialogs/nouvracc.h"

#include "admin/dialogs/choixicone.h"
#include "admin/dialogs/dialog_look.h"
#include "admin/dialogs/selectdossier.h"
#include "admin/rules/shortcut_names.h"
#include "resources/dialog_buttons_ids.h"
#include "resources/nouvracc_ids.h"
#include "resources/resource_ids.h"
#include "shared/ansi_text.h"
#include "ui/compat.h"

namespace quorvel {

namespace {

const int kBatchIcon = 60;     // of the shell library
const int kProgramIcon = 2;
const int kLowerPanelTop = 233;

}  // namespace

// The form is two raised panels (FormPaint), the buttons on the lower one.
TNouvracc::TNouvracc()
    // Component   Rectangle                       Caption or glyph
    : window_(*this, "Nouveau raccourci...", 303, 275, FixedDialogStyle(), true, DialogFont()),
      LCible      (*this, ui::Bounds(5, 4, 293, 14),    "Fichier \"cible\""),
      LDemar      (*this, ui::Bounds(5, 49, 293, 14),   "Dossier de démarrage"),
      LParametres (*this, ui::Bounds(5, 92, 293, 14),   "Paramétres en ligne de commande"),
      LSousicon   (*this, ui::Bounds(5, 132, 293, 14),  "Texte sous l'icône (sans extension)"),
      LICO        (*this, ui::Bounds(5, 172, 293, 14),  "Icône de l'application"),
      Cible       (*this, ui::Bounds(5, 22, 237, 21)),
      SpeedButton1(*this, ui::Bounds(247, 21, 23, 22),  "", IDI_GLYPH_CLEAR),
      SBCible     (*this, ui::Bounds(272, 21, 23, 22),  "", IDI_GLYPH_TARGET),
      Demar       (*this, ui::Bounds(5, 66, 237, 21)),
      SpeedButton2(*this, ui::Bounds(247, 65, 23, 22),  "", IDI_GLYPH_CLEAR),
      SBDD        (*this, ui::Bounds(272, 65, 23, 22),  "", IDI_GLYPH_FOLDER),
      Parametres  (*this, ui::Bounds(5, 104, 293, 21)),
      Sousicon    (*this, ui::Bounds(5, 148, 293, 21)),   // at most 30 characters
      ICO         (*this, ui::Bounds(8, 188, 32, 32)),
      SBICOORIG   (*this, ui::Bounds(50, 192, 23, 22),  "", IDI_GLYPH_OWN_ICON),
      FichierIcone(*this, ui::Bounds(80, 192, 100, 21)),   // hidden
      NumIcone    (*this, ui::Bounds(190, 192, 40, 21)),   // hidden
      BitBtn1     (*this, ui::Bounds(36, 241, 90, 25),  "&Ok", IDI_DIALOG_OK),
      BitBtn2     (*this, ui::Bounds(176, 241, 90, 25), "&Annuler", IDI_DIALOG_CANCEL),
      ShellLibrary(ShellLibraryPath()) {
    helpContext = 30;
    SendMessageA(Sousicon.Handle(), EM_LIMITTEXT, kMaxShortcutName, 0);
    FichierIcone.SetVisible(false);
    NumIcone.SetVisible(false);

    ICO.transparent = true;
    ICO.cursor = ui::HandCursor(IDC_OWN_HAND);
    ICO.hint = "\"Simple-clic gauche\" pour changer d'icône";
    AddHint(ICO);

    // Control           Hint
    AddHint(SpeedButton1.Handle(), "Effacement");
    AddHint(SBCible.Handle(),      "Sélection du fichier cible");
    AddHint(SpeedButton2.Handle(), "Effacement");
    AddHint(SBDD.Handle(),         "Sélection du dossier de démarrage");
    AddHint(SBICOORIG.Handle(),    "Icone orignial");

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
    std::string extension = velmora::UpperCase(ExtensionPart(file));
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
