// TNomdossier, the folder name dialog: asks for the name of a new folder of a
// profile, or the new name of an existing one. Created once at program start
// and kept; the caller sets ENomdossier's text and the help context (40 for a
// new folder, 70 for a rename), shows it modally and, with modal result 1,
// reads ENomdossier. It checks nothing: the caller decides what a name means.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace quorvel {

class TNomdossier : public ui::Form {
public:
    TNomdossier();

    // Components, in design order.
    ui::FormWindow window_;
    ui::Edit ENomdossier;
    ui::BitButton BitBtn1;   // OK, modal result 1
    ui::BitButton BitBtn2;   // cancel, modal result 2

protected:
    void FormShow() override;
};

}  // namespace quorvel
