// A top-level window with components, a colour, a font, hints and a modal
// result. A derived form declares a FormWindow first and its components
// after it as plain members, built in its constructor's initialiser list from
// one layout table; the constructor then wires the components' events to the
// form's handlers, and the form overrides the FormXxx hooks that it needs.
#pragma once

#include "ui/handles.h"
#include "ui/window.h"

#include <commctrl.h>

#include <string>

namespace ui {

class GraphicControl;

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// The window kinds that the forms of both programs use.
enum class BorderStyle {
    None,       // borderless, no caption
    Dialog,     // dialog frame, caption, system menu only
    Single,     // fixed frame, caption and system menu
    Sizeable,   // resizable frame
};

struct FormStyle {
    BorderStyle border = BorderStyle::Sizeable;
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool systemMenu = true;
    bool topMost = false;
    bool toolWindow = false;
};

class Form : public Window {
public:
    Form() = default;
    ~Form() override;

    // Creates the window with the given client size, centred on the screen
    // when asked, owned by the application window (through FormWindow for a
    // derived form).
    void CreateForm(const std::string& caption, int clientWidth, int clientHeight,
                    const FormStyle& style, bool centered);

    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }
    void SetFont(FontHandle font);
    HFONT Font() const { return font_.get(); }
    HFONT GraphicsFont() const override { return font_.get(); }
    void SetClientSize(int width, int height);
    // The window's own icon, from the program's resources, instead of the program's.
    void SetIcon(int resourceId);

    // Shows the form: FormShow runs first, then the window appears.
    void Show();
    void Hide();
    // Asks FormCloseQuery; a modal form then ends with mrCancel, the main
    // form ends the application, any other form hides.
    void Close();
    int ShowModal();
    int modalResult = mrNone;
    bool keyPreview = false;

    // The control that gets the focus when the form is activated.
    void FocusControl(HWND control);

    // Tool tips for the form's controls, shown when the mouse rests on them.
    void AddHint(HWND control, const std::string& text);
    void AddHint(GraphicControl& control);
    // A windowless control's hint shows over its place: after it moved, this
    // puts the hint where it is now.
    void MoveHint(GraphicControl& control);

    // Called by the message loop before the message is dispatched; true when
    // the form consumed it (key preview).
    bool PreviewMessage(MSG& msg);

    // Buttons with these roles answer Enter (default) and Escape (cancel).
    HWND defaultButton = nullptr;
    HWND cancelButton = nullptr;

    // The help file's topic for this form, shown on F1; 0 for none.
    int helpContext = 0;

protected:
    virtual void FormShow() {}
    virtual void FormActivate() {}   // each time the form becomes the active window
    virtual void FormPaint(HDC) {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormResize() {}
    virtual void FormMouseDown(MouseButton, ShiftState, int, int) {}
    virtual bool FormKeyDown(WORD, ShiftState) { return false; }

    bool OnEraseBackground(HDC dc) override;
    void OnPaint(HDC dc) override;
    bool OnClose() override;
    bool OnCommand(WORD id, WORD code) override;
    void OnSize(int, int) override;
    void OnMouseDown(MouseButton b, ShiftState s, int x, int y) override { FormMouseDown(b, s, x, y); }
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void EnsureTooltip();

    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    BrushHandle brush_;
    FontHandle font_;
    IconHandle bigIcon_, smallIcon_;
    HWND tooltip_ = nullptr;
    HWND activeControl_ = nullptr;
    bool modal_ = false;
};

// Declared as a form's first member, creates the form's window (in the
// given font) before the components that follow, so that they can be plain
// members constructed in declaration order.
struct FormWindow {
    FormWindow(Form& form, const std::string& caption, int clientWidth, int clientHeight,
               const FormStyle& style, bool centered, FontHandle font = {});
};

}  // namespace ui
