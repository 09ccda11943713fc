// TNSplash, the information box: shown at start and by the toolbar's
// "Informations..." button, created for one use.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"

#include <memory>

namespace quorvel {

// The date of this version, as the box shows it.
inline constexpr char kVersionDate[] = "07/12/2026";

class TNSplash : public ui::Form {
public:
    TNSplash();

    std::unique_ptr<ui::Image> Image1;
    std::unique_ptr<ui::Label> LbDate;
    std::unique_ptr<ui::Label> LbTitre;
    std::unique_ptr<ui::Button> BtOk;

protected:
    void FormPaint(HDC dc) override;
};

}  // namespace quorvel
