// TNewUser: the name of a new desktop profile, created for
// one use by the user profiles dialog.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <string>

namespace quorvel {

class TNewUser : public ui::Form {
public:
    // The profile folder is made in the given profiles folder.
    explicit TNewUser(std::string profilesFolder);

    // Components, in design order.
    ui::FormWindow window_;
    ui::Edit ENomuser;
    ui::BitButton BitBtn1;   // OK: makes the profile folder
    ui::BitButton BitBtn2;   // cancel, modal result 2

    void BitBtn1Click();

private:
    std::string profilesFolder_;
};

}  // namespace quorvel
