#include "admin/dialogs/options.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/options_ids.h"
#include "shared/ansi_text.h"
#include "ui/application.h"
#include "ui/path_kind.h"
#include "ui/platform.h"

namespace quorvel {

namespace {

// The colour that a hidden edit holds, if any.
std::optional<COLORREF> ColorOf(const ui::Edit& edit) {
    int color = velmora::ParseSettingInteger(edit.Text(), -1);
    if (color < 0) return std::nullopt;
    return static_cast<COLORREF>(color);
}

// The file-name part of a path, in lower case, as the picture's box shows it.
std::string ShownName(const std::string& path) {
    return velmora::LowerCase(path.substr(path.find_last_of("\\:") + 1));
}

// The form's parts: rows of 16 (check boxes) and 13 + 21 (label over a
// swatch or box with its buttons at the right), margins of 8.
ui::CheckBox Check(ui::Form& form, int top, const char* caption) {
    return ui::CheckBox(form, ui::Bounds(8, top, 241, 16), caption);
}

ui::Label Heading(ui::Form& form, int top, const char* caption) {
    return ui::Label(form, ui::Bounds(8, top, 241, 13), caption);
}

ColorSwatch Swatch(ui::Form& form, int top) { return ColorSwatch(form, ui::Bounds(8, top, 214, 21)); }

ui::BitButton Glyph(ui::Form& form, int left, int top, int glyph) {
    return ui::BitButton(form, ui::Bounds(left, top, 23, 21), "", glyph);
}

ui::Edit Hidden(ui::Form& form) { return ui::Edit(form, ui::Bounds(0, 0, 0, 0), ES_READONLY); }

}  // namespace

void ColorSwatch::SetColor(std::optional<COLORREF> color) {
    color_ = color;
    Invalidate();
}

void ColorSwatch::Paint(HDC dc) {
    RECT r = {0, 0, Width(), Height()};
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    ui::BrushHandle brush(CreateSolidBrush(color_.value_or(GetSysColor(COLOR_BTNFACE))));
    FillRect(dc, &r, brush.get());
}

TFOptions::TFOptions()
    // Component     Kind and place              Caption or glyph
    : window_(*this, "Options du bureau", 257, 267, FixedDialogStyle(), true, LabelFont()),
      icovisible   (Check(*this, 4,              "Icônes de désactivation visible")),
      CloseWin     (Check(*this, 20,             "Autoriser la fermeture de Windows")),
      diskA        (Check(*this, 36,             "Accès au lecteur A: (lecture, formatage, copie)")),
      session      (Check(*this, 52,             "Autoriser l'ouverture d'une nouvelle session")),
      Label1       (Heading(*this, 72,           "Couleur du bureau")),
      Panel1       (Swatch(*this, 86)),
      SpeedButton1 (Glyph(*this, 226, 86,        IDI_GLYPH_COLOR)),
      DesktopColor (Hidden(*this)),
      Label2       (Heading(*this, 109,          "Image de fond du bureau")),
      Panel4       (*this, ui::Bounds(8, 123, 188, 21), ES_READONLY),
      SpeedButton2 (Glyph(*this, 200, 123,       IDI_GLYPH_OPEN)),
      SpeedButton3 (Glyph(*this, 226, 123,       IDI_GLYPH_REMOVE)),
      NomImage     (Hidden(*this)),
      Label3       (Heading(*this, 146,          "Couleur du texte sous l'icône")),
      Panel2       (Swatch(*this, 160)),
      SpeedButton4 (Glyph(*this, 226, 160,       IDI_GLYPH_COLOR)),
      TextColor    (Hidden(*this)),
      Label4       (Heading(*this, 183,          "Couleur du fond du texte sous l'icône")),
      Panel3       (Swatch(*this, 197)),
      SpeedButton5 (Glyph(*this, 226, 197,       IDI_GLYPH_COLOR)),
      TextBackColor(Hidden(*this)),
      transparent  (Check(*this, 220,            "Transparence du fond du texte sous l'icône")),
      BOK          (*this, ui::Bounds(91, 239, 75, 25), "&OK", IDI_OPTIONS_OK),
      buttonFont_(DialogFont()) {
    customColors_.fill(RGB(255, 255, 255));
    helpContext = 80;
    SetIcon(IDI_OPTIONS_FORM);

    // Control       Hint
    AddHint(icovisible.Handle(),   "Affiche/masque l'icône de désactivation dans la barre des tâches");
    AddHint(CloseWin.Handle(),     "Autorise (ou non) la fermeture de windows par l'utilisateur");
    AddHint(diskA.Handle(),        "Accès au lecteur A:");
    AddHint(session.Handle(),      "Ouverture/fermeture session");
    Panel1.hint =                  "Couleur du bureau";
    AddHint(SpeedButton1.Handle(), "Sélection de la couleur");
    AddHint(SpeedButton2.Handle(), "Sélection du fichier image du bureau");
    AddHint(SpeedButton3.Handle(), "Suppression de l'image de fond du bureau");
    Panel2.hint =                  "Couleur du texte sous les icônes";
    AddHint(SpeedButton4.Handle(), "Sélection de la couleur");
    Panel3.hint =                  "Couleur du fond pour le texte sous les icônes";
    AddHint(SpeedButton5.Handle(), "Sélection de la couleur");
    AddHint(transparent.Handle(),  "Fond transparent pour le texte sous les icônes");
    AddHint(BOK.Handle(),          "Validation des options");
    for (ColorSwatch* panel : {&Panel1, &Panel2, &Panel3}) AddHint(*panel);

    for (ui::Edit* edit : {&DesktopColor, &NomImage, &TextColor, &TextBackColor}) edit->SetVisible(false);
    // The box of the picture's name and the OK button speak as the other dialogs do.
    for (ui::Control* c : {static_cast<ui::Control*>(&Panel4), static_cast<ui::Control*>(&BOK)})
        SendMessageA(c->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
    icovisible.SetChecked(true);
    BOK.modalResult = ui::mrOk;
    defaultButton = BOK.Handle();

    // What the administrator sees follows the hidden edits, whoever sets them.
    DesktopColor.onChange = [this] { Panel1.SetColor(ColorOf(DesktopColor)); };
    TextColor.onChange = [this] { Panel2.SetColor(ColorOf(TextColor)); };
    TextBackColor.onChange = [this] { Panel3.SetColor(ColorOf(TextBackColor)); };
    NomImage.onChange = [this] { Panel4.SetText(ShownName(NomImage.Text())); };

    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    SpeedButton2.onClick = [this] { SpeedButton2Click(); };
    SpeedButton3.onClick = [this] { SpeedButton3Click(); };
    SpeedButton4.onClick = [this] { SpeedButton4Click(); };
    SpeedButton5.onClick = [this] { SpeedButton5Click(); };
}

std::optional<COLORREF> TFOptions::ChoixCouleur(COLORREF initial) {
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = Handle();
    cc.rgbResult = initial;
    cc.lpCustColors = customColors_.data();
    cc.Flags = CC_RGBINIT;
    if (!ui::platform().chooseColor(cc)) return std::nullopt;
    return cc.rgbResult & 0xFFFFFF;
}

// A cancelled colour dialog keeps the colour that was there: the
// administrator who changes their mind loses nothing.
void TFOptions::ChooseColorInto(ui::Edit& edit) {
    if (auto color = ChoixCouleur(ColorOf(edit).value_or(RGB(0, 0, 0))))
        edit.SetText(std::to_string(*color));
}

void TFOptions::SpeedButton1Click() { ChooseColorInto(DesktopColor); }
void TFOptions::SpeedButton4Click() { ChooseColorInto(TextColor); }
void TFOptions::SpeedButton5Click() { ChooseColorInto(TextBackColor); }

void TFOptions::SpeedButton2Click() {
    char file[MAX_PATH] = "*.bmp";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;   // the size that Windows 95 knows
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = "Image bitmap Windows\0*.bmp\0Image vectorielle Windows\0*.wmf\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = ".";
    ofn.lpstrDefExt = "BMP";
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                OFN_FILEMUSTEXIST | OFN_SHAREAWARE | OFN_NONETWORKBUTTON;
    if (ui::platform().openFileDialog(ofn) && file[0] != '\0') NomImage.SetText(file);
}

void TFOptions::SpeedButton3Click() { NomImage.SetText(""); }

OptionValues TFOptions::Values() const {
    OptionValues v;
    v.icovisible = icovisible.Checked();
    v.CloseWin = CloseWin.Checked();
    v.diskA = diskA.Checked();
    v.session = session.Checked();
    v.DesktopColor = DesktopColor.Text();
    v.NomImage = NomImage.Text();
    v.TextColor = TextColor.Text();
    v.TextBackColor = TextBackColor.Text();
    v.transparent = transparent.Checked();
    return v;
}

void TFOptions::SetValues(const OptionValues& v) {
    icovisible.SetChecked(v.icovisible);
    CloseWin.SetChecked(v.CloseWin);
    diskA.SetChecked(v.diskA);
    session.SetChecked(v.session);
    DesktopColor.SetText(v.DesktopColor);
    NomImage.SetText(v.NomImage);
    TextColor.SetText(v.TextColor);
    TextBackColor.SetText(v.TextBackColor);
    transparent.SetChecked(v.transparent);
}

void ChargeParametres(TFOptions& options, const std::string& dossierBureau, HWND owner) {
    velmora::SettingsFile file(dossierBureau + ".INI");
    bool missing = !ui::PathExists(file.Path());
    if (missing) CreeParametres(file);
    options.SetValues(LitParametres(file));
    if (missing)
        ui::ShowMessage(owner, "Création d'un nouveau fichier de paramétrage...",
                        ui::Application::Instance().Title(), MB_OK);
}

void SauveParametres(const TFOptions& options, const std::string& dossierBureau) {
    EcritParametres(velmora::SettingsFile(dossierBureau + ".ini"), options.Values());
}

}  // namespace quorvel
