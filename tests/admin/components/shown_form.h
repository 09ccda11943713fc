// One shown, active form for the tests that need pixels on screen or an
// active application. Under Wine on a display without a window manager,
// hiding or destroying a shown window waits two seconds; this one lives
// until the process ends.
#pragma once

#include "ui/form.h"

namespace testing_support {

inline ui::Form& ShownForm() {
    static ui::Form* form = [] {
        auto* f = new ui::Form;
        f->CreateForm("Essais", 400, 120, {}, true);
        f->Show();
        SetForegroundWindow(f->Handle());
        return f;
    }();
    return *form;
}

}  // namespace testing_support
