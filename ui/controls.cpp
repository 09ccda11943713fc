#include "ui/controls.h"

#include "ui/form.h"

namespace ui {

void Control::CreateControl(const char* cls, const std::string& text, DWORD style, DWORD exStyle,
                            const RECT& b, HWND parent) {
    CreateSystemWindow(cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, exStyle,
                       parent ? parent : owner_.Handle(),
                       b.left, b.top, b.right - b.left, b.bottom - b.top);
    if (HFONT font = owner_.Font()) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::SetFocus() { owner_.FocusControl(Handle()); }

Button::Button(Form& owner, const RECT& bounds, const std::string& caption, DWORD style)
    : Control(owner) {
    CreateControl("BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON | style, 0, bounds);
}

void Button::Click() {
    if (IsWindowEnabled(Handle())) SendMessageA(Handle(), BM_CLICK, 0, 0);
}

bool Button::OnReflectedCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    if (onClick) onClick();
    if (modalResult != 0) Owner().modalResult = modalResult;
    return true;
}

Edit::Edit(Form& owner, const RECT& bounds, DWORD style) : Control(owner) {
    CreateControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | style, WS_EX_CLIENTEDGE, bounds);
}

void Edit::FocusAll() {
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
    SetFocus();
}

bool Edit::OnReflectedCommand(WORD code) {
    if (code != EN_CHANGE) return false;
    if (onChange) onChange();
    return true;
}

CheckBox::CheckBox(Form& owner, const RECT& bounds, const std::string& caption, DWORD style) : Control(owner) {
    CreateControl("BUTTON", caption, WS_TABSTOP | style, 0, bounds);
}

void CheckBox::SetChecked(bool checked) {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool CheckBox::OnReflectedCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    if (onClick) onClick();
    return true;
}

ListBox::ListBox(Form& owner, const RECT& bounds, DWORD style) : Control(owner) {
    CreateControl("LISTBOX", "", WS_TABSTOP | style, WS_EX_CLIENTEDGE, bounds);
}

int ListBox::Add(const std::string& text) {
    return static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListBox::Delete(int index) { SendMessageA(Handle(), LB_DELETESTRING, index, 0); }

void ListBox::Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int ListBox::Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

int ListBox::Selected() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void ListBox::Select(int index) { SendMessageA(Handle(), LB_SETCURSEL, index, 0); }

std::string ListBox::Item(int index) const {
    LRESULT n = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return {};
    std::string text(n + 1, '\0');
    text.resize(SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())));
    return text;
}

bool ListBox::OnReflectedCommand(WORD code) {
    if (code == LBN_SELCHANGE && onChange) onChange();
    else if (code == LBN_DBLCLK && onDblClick) onDblClick();
    else return false;
    return true;
}

}  // namespace ui
