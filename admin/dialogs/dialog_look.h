// What the administration program's windows share in look: a fixed dialog
// frame without caption buttons, and MS Sans Serif 8 points.
#pragma once

#include "ui/form.h"
#include "ui/graphic.h"

namespace quorvel {

inline ui::FormStyle FixedDialogStyle() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Dialog;
    style.systemMenu = false;
    return style;
}

inline ui::FontHandle DialogFont() { return ui::MakeFont("MS Sans Serif", 11); }
// The labels of the options and password dialogs: Times New Roman 9 points.
inline ui::FontHandle LabelFont() { return ui::MakeFont("Times New Roman", 12, false, false, FF_ROMAN); }

// Shows a failure in a plain box titled with the application's title.
void ShowFailure(HWND owner, const std::string& text);

}  // namespace quorvel
