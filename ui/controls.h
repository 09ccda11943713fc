// Windowed controls on a form: system controls subclassed so that their
// events come back to their own object.
#pragma once

#include "ui/window.h"

#include <functional>
#include <string>

namespace ui {

class Form;

class Control : public Window {
public:
    Form& Owner() const { return owner_; }
    void SetFocus();

protected:
    explicit Control(Form& owner) : owner_(owner) {}
    // Creates the system control as a child of the parent (the owner form by
    // default), in the owner's font.
    void CreateControl(const char* cls, const std::string& text, DWORD style, DWORD exStyle,
                       const RECT& bounds, HWND parent = nullptr);

private:
    Form& owner_;
};

// A push button. A non-zero modalResult ends its modal form with that value.
class Button : public Control {
public:
    Button(Form& owner, const RECT& bounds, const std::string& caption, DWORD style = 0);
    int modalResult = 0;
    std::function<void()> onClick;
    void Click();

protected:
    bool OnReflectedCommand(WORD code) override;
};

class Edit : public Control {
public:
    Edit(Form& owner, const RECT& bounds, DWORD style = 0);
    std::function<void()> onChange;
    // The focus in the field, its whole text selected to be typed over: where
    // a dialog puts the user back after refusing what was typed.
    void FocusAll();

protected:
    bool OnReflectedCommand(WORD code) override;
};

// A check box; with BS_AUTORADIOBUTTON, a radio button, which unchecks the
// other radio buttons of its form when it is checked.
class CheckBox : public Control {
public:
    CheckBox(Form& owner, const RECT& bounds, const std::string& caption, DWORD style = BS_AUTOCHECKBOX);
    void SetChecked(bool checked);
    bool Checked() const;
    std::function<void()> onClick;

protected:
    bool OnReflectedCommand(WORD code) override;
};

// A list of texts, one selectable.
class ListBox : public Control {
public:
    ListBox(Form& owner, const RECT& bounds, DWORD style = LBS_NOTIFY | WS_VSCROLL);
    int Add(const std::string& text);
    void Delete(int index);
    void Clear();
    int Count() const;
    int Selected() const;   // -1 for none
    void Select(int index);
    std::string Item(int index) const;
    std::function<void()> onChange;
    std::function<void()> onDblClick;

protected:
    bool OnReflectedCommand(WORD code) override;
};

// Rectangle from left, top, width and height, as form tables give them.
constexpr RECT Bounds(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

}  // namespace ui
