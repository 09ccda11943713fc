#include "ui/mask_edit.h"

namespace ui {

MaskEdit::MaskEdit(Form& owner, const RECT& bounds, size_t positions)
    : Control(owner), value_(positions, ' ') {
    CreateControl("EDIT", "", WS_TABSTOP, WS_EX_CLIENTEDGE, bounds);
    Refresh();
}

void MaskEdit::Clear() {
    value_.assign(value_.size(), ' ');
    caret_ = 0;
    Refresh();
}

void MaskEdit::Refresh() {
    std::string shown;
    for (char c : value_) shown += c == ' ' ? '_' : '#';
    SetText(shown);
    SendMessageA(Handle(), EM_SETSEL, caret_, caret_);
}

bool MaskEdit::OnChar(char& c) {
    auto uc = static_cast<unsigned char>(c);
    caret_ = Caret();
    if (uc == VK_BACK) {
        if (caret_ > 0) value_[--caret_] = ' ';
        Refresh();
        return true;
    }
    if (uc < ' ') return uc != VK_TAB && uc != VK_RETURN && uc != VK_ESCAPE;   // no other control keys
    if (!IsCharAlphaNumericA(c) || caret_ >= value_.size()) {
        MessageBeep(MB_OK);
        return true;
    }
    value_[caret_++] = c;
    Refresh();
    return true;
}

bool MaskEdit::OnKeyDown(WORD key, ShiftState) {
    caret_ = Caret();
    switch (key) {
        case VK_LEFT: if (caret_ > 0) --caret_; break;
        case VK_RIGHT: if (caret_ < value_.size()) ++caret_; break;
        case VK_HOME: caret_ = 0; break;
        case VK_END: caret_ = value_.size(); break;
        case VK_DELETE: if (caret_ < value_.size()) value_[caret_] = ' '; break;
        default: return false;
    }
    Refresh();
    return true;
}

bool MaskEdit::OnOtherMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    // Pasting or cutting would bypass the mask.
    if (msg == WM_PASTE || msg == WM_CUT || msg == WM_CLEAR || msg == WM_UNDO) {
        result = 0;
        return true;
    }
    return false;
}

size_t MaskEdit::Caret() const {
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return start < value_.size() ? start : value_.size();
}

}  // namespace ui
