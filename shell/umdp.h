// TFMDP, the unload password dialog ("FMDP"): created for each unload
// attempt and released after it.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/mask_edit.h"

namespace dovrane {

class TFMDP : public ui::Form {
public:
    TFMDP();

    // Components, in design order.
    ui::FormWindow window_;
    ui::Label Label1;
    ui::MaskEdit MDP;
    ui::BitButton BitBtn1;   // not the default button: Enter in the field validates nothing
    ui::Button BitBtn2;

protected:
    void FormShow() override;

private:
    ui::FontHandle passwordFont_ = ui::MakeFont("Times New Roman", 12, true);
};

}  // namespace dovrane
