// TFOptions, the options dialog of the profile being edited:
// tray commands, drive A, desktop colour and picture, colours of the text
// under the icons. The dialog only holds the values; ChargeParametres and
// SauveParametres move them between it and the profile's settings file.
#pragma once

#include "admin/rules/parametres.h"
#include "ui/bit_button.h"
#include "ui/form.h"
#include "ui/graphic.h"

#include <array>
#include <optional>

namespace quorvel {

// A colour swatch: a sunken panel filled with its colour, plain when it has none.
class ColorSwatch : public ui::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void SetColor(std::optional<COLORREF> color);
    std::optional<COLORREF> Color() const { return color_; }
    void Paint(HDC dc) override;

private:
    std::optional<COLORREF> color_;
};

class TFOptions : public ui::Form {
public:
    TFOptions();

    // Components, top to bottom. Each colour is held by a hidden edit (the
    // value saved, decimal text) and shown by its swatch, which follows the edit.
    ui::FormWindow window_;
    ui::CheckBox icovisible, CloseWin, diskA, session;
    ui::Label Label1;
    ColorSwatch Panel1;
    ui::BitButton SpeedButton1;
    ui::Edit DesktopColor;
    ui::Label Label2;
    ui::Edit Panel4;   // the picture's file name, read-only, lower case
    ui::BitButton SpeedButton2, SpeedButton3;
    ui::Edit NomImage;
    ui::Label Label3;
    ColorSwatch Panel2;
    ui::BitButton SpeedButton4;
    ui::Edit TextColor;
    ui::Label Label4;
    ColorSwatch Panel3;
    ui::BitButton SpeedButton5;
    ui::Edit TextBackColor;
    ui::CheckBox transparent;
    ui::BitButton BOK;

    // The system colour dialog, opened on the given colour; none when cancelled.
    std::optional<COLORREF> ChoixCouleur(COLORREF initial);

    OptionValues Values() const;
    // OptionValues{} is the state of a newly created dialog.
    void SetValues(const OptionValues& values);

    void SpeedButton1Click();   // desktop colour
    void SpeedButton2Click();   // picture choice
    void SpeedButton3Click();   // picture removal
    void SpeedButton4Click();   // text colour
    void SpeedButton5Click();   // text background colour

private:
    void ChooseColorInto(ui::Edit& edit);

    std::array<COLORREF, 16> customColors_;
    ui::FontHandle buttonFont_;
};

// Fills the dialog from the settings file of the profile whose root is
// dossierBureau (the file dossierBureau + ".INI"), from the dialog's initial
// state, so that nothing of a profile loaded before is carried over. A missing
// file is first created with its seven keys, then announced to the user.
// Throws EIniFileException when the file cannot be created.
void ChargeParametres(TFOptions& options, const std::string& dossierBureau, HWND owner);

// Writes the dialog's values into the settings file of dossierBureau.
// Throws EIniFileException at the first key that cannot be written.
void SauveParametres(const TFOptions& options, const std::string& dossierBureau);

}  // namespace quorvel
