// A push button with a small picture (a 16 x 16 icon of the program's
// resources) beside its caption, or alone when the caption is empty. The
// button draws itself, so that it looks the same on every system, including
// those whose buttons cannot show a picture and a text together.
#pragma once

#include "ui/controls.h"
#include "ui/handles.h"

namespace ui {

class BitButton : public Button {
public:
    BitButton(Form& owner, const RECT& bounds, const std::string& caption, int iconId);

protected:
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* item) override;

private:
    IconHandle glyph_;
};

}  // namespace ui
