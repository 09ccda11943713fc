// Modal forms in the tests: a script plays the user while a form is shown
// modally, instead of a message loop that would wait for a person.
#pragma once

#include "ui/form.h"
#include "ui/platform.h"

#include <functional>

namespace testing_support {

// Answers every ShowModal by running the script on the shown form; the modal
// result is what the script left in the form. The real loop comes back when
// the script goes out of scope.
class ModalScript {
public:
    explicit ModalScript(std::function<void(ui::Form&)> run = {}) : script(std::move(run)) {
        ui::platform().showModal = [this](ui::Form& form) {
            ++shown;
            if (script) script(form);
            return form.modalResult;
        };
    }
    std::function<void(ui::Form&)> script;
    int shown = 0;

private:
    ui::PlatformOverride restore_;
};

}  // namespace testing_support
