// TFMDP, the unload password dialog ("FMDP"): created for each unload
// attempt and released after it.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/mask_edit.h"

#include <memory>

namespace dovrane {

class TFMDP : public ui::Form {
public:
    TFMDP();

    std::unique_ptr<ui::Label> Label1;
    std::unique_ptr<ui::MaskEdit> MDP;
    std::unique_ptr<ui::BitButton> BitBtn1;
    std::unique_ptr<ui::Button> BitBtn2;

protected:
    void FormShow() override;

private:
    ui::FontHandle passwordFont_ = ui::MakeFont("Times New Roman", 12, true);
};

}  // namespace dovrane
