// TNSplash, the information box: shown at start and by the toolbar's
// "Informations..." button, created for one use.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"

namespace quorvel {

// The date of this version, as the box shows it.
inline constexpr char kVersionDate[] = "07/12/2026";

class TNSplash : public ui::Form {
public:
    TNSplash();

    // Components, in design order, on the form's blue face.
    ui::FormWindow window_;
    ui::Image Image1;
    ui::Label LbDate;
    ui::Label LbTitre;
    ui::Button BtOk;   // closes the box

protected:
    void FormPaint(HDC dc) override;
};

}  // namespace quorvel
