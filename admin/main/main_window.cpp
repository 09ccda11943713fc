// The main window's creation and layout, the opening of profiles with their
// settings, the enabling of commands, navigation, view modes, quit, the
// information box and the two hidden gestures.
#include "admin/main/main_window.h"

#include "admin/activation/activation.h"
#include "admin/dialogs/dialog_look.h"
#include "admin/dialogs/options.h"
#include "admin/dialogs/selectuser.h"
#include "admin/game/tetro1.h"
#include "admin/dialogs/unsplash.h"
#include "resources/resource_ids.h"
#include "resources/toolbar_ids.h"
#include "shared/ansi_text.h"
#include "ui/application.h"
#include "ui/compat.h"
#include "ui/platform.h"

namespace quorvel {

namespace {

constexpr int kClientWidth = 444, kClientHeight = 259;   // as designed
constexpr int kToolbarHeight = 46;
constexpr int kSecondRow = 24;
constexpr int kMinWidth = 450, kMinHeight = 280;

// Toolbar button    Left  Row  Picture              Hint
struct ToolbarDesign {
    TToolbarButton97 TMain::*button;
    int left;
    int top;
    int glyph;
    const char* hint;
};
const ToolbarDesign kToolbar[] = {
    {&TMain::TBBAjoR, 2, 0, IDB_TB_SHORTCUT, "Nouveau raccourci"},
    {&TMain::TBBAjoD, 25, 0, IDB_TB_FOLDER, "Nouveau dossier"},
    {&TMain::TBBSup, 52, 0, IDB_TB_DELETE, "Supprime la sélection"},
    {&TMain::TBBPro, 75, 0, IDB_TB_PROPERTIES, "Propriétés de la sélection"},
    {&TMain::TBCOPIER, 102, 0, IDB_TB_COPY, "Copier"},
    {&TMain::TBCOLLER, 125, 0, IDB_TB_PASTE, "Coller"},
    {&TMain::TBBOpt, 152, 0, IDB_TB_OPTIONS, "Options d'environnement"},
    {&TMain::TBBIns, 175, 0, IDB_TB_ACTIVATE, "Activation du  \"Velmora\""},
    {&TMain::TBBDes, 198, 0, IDB_TB_DEACTIVATE, "Désactivation du \"Velmora\""},
    {&TMain::TBNUSR, 225, 0, IDB_TB_USER, "Autre utilisateur"},
    {&TMain::TBBListe, 252, 0, IDB_TB_LIST, "Affichage en liste"},
    {&TMain::TBBIcone, 275, 0, IDB_TB_ICONS, "Affichage en \"Icône\""},
    {&TMain::ToolbarButton971, 302, 0, IDB_TB_INFO, "Informations..."},
    {&TMain::TBQuit, -25, 0, IDB_TB_QUIT, "Quitter"},   // from the right edge
    {&TMain::TBBPP, 2, kSecondRow, IDB_TB_UP, "Retour au répertoire de niveau supérieur"},
};

// List columns: caption, width, alignment.
const ListColumn kListColumns[] = {
    {"Fichier", 140},
    {"Taille", 70, LVCFMT_RIGHT},
    {"Type", 70},
    {"Modifié le", 110},
    {"Attributs", kDefaultColumnWidth, LVCFMT_RIGHT},
};

ui::BitmapHandle LoadPicture(int id) {
    return ui::BitmapHandle(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
}

// What follows the last backslash.
std::string LastElement(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

bool IsHiddenGesture(ui::MouseButton button, ui::ShiftState shift) {
    return button == ui::MouseButton::Right && shift.shift && shift.alt && shift.ctrl && !shift.left &&
           !shift.middle;
}

TMain::TMain()
    // Component      Rectangle                                           Caption or columns
    : window_(*this, "Bureau par défaut", kClientWidth, kClientHeight, ui::FormStyle{}, true, DialogFont()),
      Wallpaper1     (*this, ui::Bounds(0, 0, kClientWidth, kToolbarHeight)),
      Bevel1         (Wallpaper1, ui::Bounds(0, 21, kClientWidth, 2)),
      Label1         (Wallpaper1, ui::Bounds(30, kSecondRow + 4, 400, 14),   "Répertoire en cours d'utilisation..."),
      LsFileListView1(*this, ui::Bounds(0, kToolbarHeight, kClientWidth, kClientHeight - kToolbarHeight),
                      std::vector<ListColumn>(std::begin(kListColumns), std::end(kListColumns))),
      LsDirComboBox1 (*this, ui::Bounds(0, 0, 200, 200)) {
    SetWindowPos(Handle(), nullptr, 0, 0, 452, 286, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetColor(GetSysColor(COLOR_BTNFACE));
    keyPreview = true;
    helpContext = 10;
    CreateToolbar();
    CreateList();
    CreateMenu();
    // New shortcuts start a normal window (hot key 0 is the link's own start).
    SHL1.SetWindowState(velmora::TWindowState::wsNormal);
    WireEvents();
    ui::Guarded([this] { FormCreate(); });
    built_ = true;
    FormResize();
}

void TMain::FormCreate() { ui::Application::Instance().helpFile = ui::ProgramFolder() + "velmo95.hlp"; }

void TMain::CreateToolbar() {
    Wallpaper1.SetWallpaper(LoadPicture(IDB_TB_WALLPAPER).get());
    HCURSOR hand = ui::HandCursor(IDC_OWN_HAND);
    for (const ToolbarDesign& d : kToolbar) {
        TToolbarButton97& button = this->*d.button;
        button.SetBounds(d.left, d.top, TToolbarButton97::kWidth, TToolbarButton97::kHeight);
        button.SetGlyph(LoadPicture(d.glyph).get());
        button.SetOpaque(false);   // the wallpaper shows through
        button.hint = d.hint;
        if (d.button != &TMain::TBBPP) button.cursor = hand;
        AddHint(button);
    }
    for (TToolbarButton97* off : {&TBBSup, &TBBPro, &TBCOPIER, &TBCOLLER, &TBBPP}) off->SetEnabled(false);
    TBBListe.SetGroupIndex(1);
    TBBIcone.SetGroupIndex(1);
    TBBIcone.SetDown(true);
    Label1.SetTransparent(true);
    Label1.SetVisible(false);
}

void TMain::CreateList() {
    LONG style = GetWindowLongA(LsFileListView1.Handle(), GWL_STYLE);
    SetWindowLongA(LsFileListView1.Handle(), GWL_STYLE, style | LVS_SINGLESEL | LVS_AUTOARRANGE);
    LsFileListView1.SetViewStyle(LVS_ICON);
    LsFileListView1.SetColumnClick(false);
    AddHint(LsFileListView1.Handle(), "Liste des raccourcis/dossiers");
    LsFileListView1.popupMenu = &PopupMenu1;

    LsDirComboBox1.SetVisible(false);
    LsDirComboBox1.SetFileList(&LsFileListView1);
    FileDrop1.SetEnableDrop(true);
    FileDrop1.SetDropControl(&LsFileListView1);
}

void TMain::CreateMenu() {
    nouveau = &PopupMenu1.Add("&Nouveau", "Ajout d'un nouveau dossier");
    Dossier1 = &nouveau->Add("&Dossier");
    Raccourci1 = &nouveau->Add("&Raccourci", "LNK");
    Supprime = &PopupMenu1.Add("&Supprimer");
    Proprits1 = &PopupMenu1.Add("Propriétés");
}

void TMain::WireEvents() {
    auto click = [](TToolbarButton97& button, auto handler) {
        button.onClick = [handler](ui::GraphicControl&) { handler(); };
    };
    click(TBQuit, [this] { TBQuitClick(); });
    click(TBBPP, [this] { TBBPPClick(); });
    click(TBBIcone, [this] { TBBIconeClick(); });
    click(TBBListe, [this] { TBBListeClick(); });
    click(TBBOpt, [this] { TBBOptClick(); });
    click(TBBIns, [this] { TBBInsClick(); });
    click(TBBDes, [this] { TBBDesClick(); });
    click(TBNUSR, [this] { TBNUSRClick(); });
    click(ToolbarButton971, [this] { ToolbarButton971Click(); });
    click(TBBAjoR, [this] { TBBAjoRClick(); });
    click(TBBAjoD, [this] { NouveauDossier(); });
    click(TBBSup, [this] { SupprimeSelection(); });
    click(TBBPro, [this] { ProprietesSelection(); });
    click(TBCOPIER, [this] { TBCOPIERClick(); });
    click(TBCOLLER, [this] { TBCOLLERClick(); });
    Dossier1->onClick = [this] { NouveauDossier(); };
    Raccourci1->onClick = [this] { TBBAjoRClick(); };
    Supprime->onClick = [this] { SupprimeSelection(); };
    Proprits1->onClick = [this] { ProprietesSelection(); };
    LsFileListView1.onDblClick = [this] { LsFileListView1DblClick(); };
    TBQuit.onMouseUp = [this](ui::GraphicControl&, ui::MouseButton b, ui::ShiftState s, int, int) {
        TBQuitMouseUp(b, s);
    };
    ToolbarButton971.onMouseUp = [this](ui::GraphicControl&, ui::MouseButton b, ui::ShiftState s, int, int) {
        ToolbarButton971MouseUp(b, s);
    };
    LsFileListView1.onChange = [this] { LsFileListView1Change(); };
    FileDrop1.OnDrop = [this](TFileDrop&) { FileDrop1Drop(); };
}

// ---- Profiles ---------------------------------------------------------------

void TMain::FormShow() {
    ToolbarButton971Click();
    OuvreProfilParDefaut();
}

void TMain::OuvreProfilParDefaut() {
    OuvreProfil(velmora::UpperCase(SelectUser->DossierProfils) + "\\" + velmora::kDefaultProfile);
}

void TMain::OuvreProfil(const std::string& root) {
    DossierBureau = root;
    LsFileListView1.SetRoot(root);   // from now on the list stays inside the profile
    LsDirComboBox1.SetDrive(root.empty() ? 'C' : root[0]);
    LsDirComboBox1.SetSelectedDir(root);
    LsFileListView1.SetDirectory(root);
    Label1.SetCaption(LsFileListView1.Directory());
    std::string element = LastElement(Label1.Caption());
    SetText(velmora::UpperCase(element) == ".DEFAULT" ? "Bureau par défaut" : "Bureau de " + element);
    if (SelectUser) SelectUser->ProfilOuvert = LastElement(root);
    LsFileListView1Change();
    ChargeParametres();
}

void TMain::ChargeParametres() { quorvel::ChargeParametres(*FOptions, DossierBureau, Handle()); }

void TMain::SauveParametres() { quorvel::SauveParametres(*FOptions, DossierBureau); }

void TMain::TBNUSRClick() {
    SauveParametres();
    if (SelectUser->ShowModal() == ui::mrCancel) return;
    OuvreProfil(velmora::UpperCase(SelectUser->DossierProfils) + "\\" +
                velmora::UpperCase(SelectUser->UtilisateurChoisi));
}

void TMain::TBBOptClick() {
    FOptions->ShowModal();
    SauveParametres();
}

void TMain::TBBInsClick() { Activation(Handle(), LsFileListView1.Count(), ui::ProgramFolder()); }

void TMain::TBBDesClick() { DesactiveBureau(Handle()); }

// ---- The list ------------------------------------------------------------

void TMain::LsFileListView1Change() {
    bool atRoot = LsFileListView1.Directory() == DossierBureau;
    TBBPP.SetEnabled(!atRoot);
    Dossier1->enabled = atRoot;
    TBBAjoD.SetEnabled(atRoot);
    bool selected = LsFileListView1.Selected() >= 0;
    for (TToolbarButton97* command : {&TBBSup, &TBBPro, &TBCOPIER}) command->SetEnabled(selected);
    Label1.SetCaption(LsFileListView1.Directory());
}

void TMain::TBBPPClick() {
    const std::string& current = LsFileListView1.Directory();
    LsFileListView1.SetDirectory(current.substr(0, current.find_last_of('\\') + 1));
    LsDirComboBox1.SetSelectedDir(LsFileListView1.Directory());
}

void TMain::TBBIconeClick() { LsFileListView1.SetViewStyle(LVS_ICON); }

void TMain::TBBListeClick() { LsFileListView1.SetViewStyle(LVS_REPORT); }

// ---- The window ------------------------------------------------------------

void TMain::FormResize() {
    if (!built_) return;
    RECT window;
    GetWindowRect(Handle(), &window);
    int width = window.right - window.left, height = window.bottom - window.top;
    if (width < kMinWidth || height < kMinHeight) {
        SetWindowPos(Handle(), nullptr, 0, 0, std::max(width, kMinWidth), std::max(height, kMinHeight),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;   // the resize comes back here
    }
    RECT client = ClientRect();
    Wallpaper1.Realign();
    TBQuit.SetBounds(client.right - 25, 0, TToolbarButton97::kWidth, TToolbarButton97::kHeight);
    MoveHint(TBQuit);
    Bevel1.SetBounds(0, 21, client.right, 2);
    MoveWindow(LsFileListView1.Handle(), 0, kToolbarHeight, client.right, client.bottom - kToolbarHeight, TRUE);
}

void TMain::TBQuitClick() {
    if (ui::platform().messageBox(Handle(), "Voulez-vous quitter l'application ?",
                                  ui::Application::Instance().Title(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        Close();
}

void TMain::TBQuitMouseUp(ui::MouseButton button, ui::ShiftState shift) {
    if (IsHiddenGesture(button, shift)) Label1.SetVisible(!Label1.Visible());
}

void TMain::ToolbarButton971Click() {
    TNSplash box;
    box.ShowModal();
}

void TMain::ToolbarButton971MouseUp(ui::MouseButton button, ui::ShiftState shift) {
    // Each game window lives on its own and frees itself when closed.
    if (IsHiddenGesture(button, shift)) new TTetro1;
}

}  // namespace quorvel
