// A fixed-length masked edit for passwords: each position takes one letter or
// digit, typed characters show as "#" and empty positions as "_". Its text
// always has one character per position, an empty position being a blank.
#pragma once

#include "ui/controls.h"

namespace ui {

class MaskEdit : public Control {
public:
    MaskEdit(Form& owner, const RECT& bounds, size_t positions);

    // The value: one character per position, blanks for empty ones.
    const std::string& MaskText() const { return value_; }
    void Clear();

protected:
    bool OnChar(char& c) override;
    bool OnKeyDown(WORD key, ShiftState shift) override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Refresh();
    size_t Caret() const;

    std::string value_;
    size_t caret_ = 0;
};

}  // namespace ui
