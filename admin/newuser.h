// TNewUser (unit Nouvusr): the name of a new desktop profile, created for
// one use by the user profiles dialog.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"

#include <memory>
#include <string>

namespace quorvel {

class TNewUser : public ui::Form {
public:
    // The profile folder is made in the given profiles folder.
    explicit TNewUser(std::string profilesFolder);

    std::unique_ptr<ui::Edit> ENomuser;
    std::unique_ptr<ui::BitButton> BitBtn1;
    std::unique_ptr<ui::BitButton> BitBtn2;

    void BitBtn1Click();

private:
    std::string profilesFolder_;
};

}  // namespace quorvel
