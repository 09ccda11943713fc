// TFInstall, the password dialog of activation: the unload
// password typed twice. Created for one activation and released after it.
#pragma once

#include "ui/bit_button.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/mask_edit.h"

namespace quorvel {

class TFInstall : public ui::Form {
public:
    TFInstall();

    // Components, in design order.
    ui::FormWindow window_;
    ui::Label Label1, Label2;
    ui::MaskEdit MDP1;   // the password: ten characters, blanks for empty positions
    ui::MaskEdit MDP2;   // its confirmation
    ui::BitButton BOK, BCancel;

    void BOKClick();

private:
    ui::FontHandle editFont_;
};

}  // namespace quorvel
