// TFInstall, the password dialog of activation (unit UInstall): the unload
// password typed twice. Created for one activation and released after it.
#pragma once

#include "ui/bit_button.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/mask_edit.h"

#include <memory>

namespace quorvel {

class TFInstall : public ui::Form {
public:
    TFInstall();
    ~TFInstall() override;

    std::unique_ptr<ui::Label> Label1, Label2;
    std::unique_ptr<ui::MaskEdit> MDP1;   // the password: ten characters, blanks for empty positions
    std::unique_ptr<ui::MaskEdit> MDP2;   // its confirmation
    std::unique_ptr<ui::BitButton> BOK, BCancel;

    void BOKClick();

private:
    ui::FontHandle editFont_;
};

}  // namespace quorvel
