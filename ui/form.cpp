#include "ui/form.h"

#include "ui/application.h"
#include "ui/compat.h"
#include "ui/graphic.h"
#include "ui/platform.h"

#include <vector>

namespace ui {

namespace {

DWORD StyleBits(const FormStyle& s) {
    DWORD style = WS_CLIPCHILDREN;
    switch (s.border) {
        case BorderStyle::None: style |= WS_POPUP; break;
        case BorderStyle::Dialog: style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME; break;
        case BorderStyle::Single: style |= WS_OVERLAPPED | WS_CAPTION | WS_BORDER; break;
        case BorderStyle::Sizeable: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    }
    if (s.border != BorderStyle::None && s.systemMenu) style |= WS_SYSMENU;
    if (s.minimizeBox) style |= WS_MINIMIZEBOX;
    if (s.maximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD ExStyleBits(const FormStyle& s) {
    DWORD ex = 0;
    if (s.border == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    if (s.topMost) ex |= WS_EX_TOPMOST;
    if (s.toolWindow) ex |= WS_EX_TOOLWINDOW;
    return ex;
}

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
    if (hwnd != list->front() && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        list->push_back(hwnd);
        EnableWindow(hwnd, FALSE);
    }
    return TRUE;
}

}  // namespace

Form::~Form() {
    if (tooltip_) DestroyWindow(tooltip_);
}

void Form::CreateForm(const std::string& caption, int clientWidth, int clientHeight,
                      const FormStyle& style, bool centered) {
    DWORD bits = StyleBits(style), ex = ExStyleBits(style);
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, bits, FALSE, ex);
    int w = r.right - r.left, h = r.bottom - r.top;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (centered) {
        x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    }
    brush_.reset(CreateSolidBrush(color_));
    CreateOwnWindow(caption.c_str(), bits, ex, Application::Instance().Handle(), x, y, w, h);
}

void Form::SetColor(COLORREF color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color));
    Invalidate();
}

void Form::SetFont(FontHandle font) {
    font_ = std::move(font);
    if (!Handle()) return;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    Invalidate();
}

void Form::SetClientSize(int width, int height) {
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, GetWindowLongA(Handle(), GWL_STYLE), FALSE,
                       GetWindowLongA(Handle(), GWL_EXSTYLE));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetIcon(int resourceId) {
    auto load = [resourceId](int size) {
        return IconHandle(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, 0)));
    };
    bigIcon_ = load(GetSystemMetrics(SM_CXICON));
    smallIcon_ = load(GetSystemMetrics(SM_CXSMICON));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void Form::Show() {
    // A failure while preparing the form is told, and the form still shows.
    Guarded([this] { FormShow(); });
    ShowWindow(Handle(), SW_SHOW);
    if (activeControl_) SetFocus(activeControl_);
}

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

void Form::Close() {
    if (!FormCloseQuery()) return;
    if (modal_) {
        modalResult = mrCancel;
    } else if (Application::Instance().MainForm() == this) {
        Hide();
        Application::Instance().Terminate();
    } else {
        Hide();
    }
}

int Form::ShowModal() {
    // Whatever happens in the loop, the windows come back enabled, the one
    // that was active gets the activation back before the dialog hides (the
    // system would give it to the dialog's owner, the application's hidden
    // window), and the dialog stops counting as open.
    struct Closing {
        explicit Closing(Form& f) : form(f), previous(GetForegroundWindow()), disabled{f.Handle()} {}
        Form& form;
        HWND previous;
        std::vector<HWND> disabled;
        ModalScope open;
        ~Closing() {
            for (size_t i = 1; i < disabled.size(); ++i) EnableWindow(disabled[i], TRUE);
            if (previous != form.Handle() && IsWindow(previous) && IsWindowVisible(previous) &&
                GetForegroundWindow() == form.Handle())
                SetForegroundWindow(previous);
            form.Hide();
            form.modal_ = false;
        }
    } closing(*this);

    modalResult = mrNone;
    modal_ = true;
    if (auto hook = platform().showModal) {
        Show();
        modalResult = hook(*this);
        return modalResult;
    }
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&closing.disabled));
    Show();
    Application& app = Application::Instance();
    while (modalResult == mrNone && app.HandleMessage()) {
    }
    return modalResult;
}

void Form::FocusControl(HWND control) {
    activeControl_ = control;
    if (IsWindowVisible(Handle())) SetFocus(control);
}

void Form::EnsureTooltip() {
    if (tooltip_) return;
    InitCommonControlsCompat();
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    int pause = Application::Instance().hintPause;
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pause, 0));
}

void Form::AddHint(HWND control, const std::string& text) {
    EnsureTooltip();
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Form::AddHint(GraphicControl& control) {
    EnsureTooltip();
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = control.Parent().Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(&control);
    ti.rect = control.Bounds();
    ti.lpszText = const_cast<char*>(control.hint.c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Form::MoveHint(GraphicControl& control) {
    if (!tooltip_) return;
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = control.Parent().Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(&control);
    ti.rect = control.Bounds();
    SendMessageA(tooltip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

bool Form::PreviewMessage(MSG& msg) {
    if (keyPreview && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN))
        return FormKeyDown(static_cast<WORD>(msg.wParam), ShiftState::FromKeyboard());
    // A dialog character: typed with Alt, or where the focus takes no characters.
    bool dialogChar = msg.message == WM_SYSCHAR ||
                      (msg.message == WM_CHAR && !(SendMessageA(msg.hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) &
                                                   DLGC_WANTCHARS));
    return dialogChar && DialogChar(static_cast<char>(msg.wParam));
}

bool Form::OnEraseBackground(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, brush_.get());
    return true;
}

void Form::OnPaint(HDC dc) { FormPaint(dc); }

bool Form::OnClose() {
    Close();
    return true;
}

bool Form::OnCommand(WORD id, WORD code) {
    // IsDialogMessage turns Enter into IDOK and Escape into IDCANCEL.
    if (code == BN_CLICKED && id == IDOK && !GetDlgItem(Handle(), IDOK)) {
        if (defaultButton && IsWindowEnabled(defaultButton)) SendMessageA(defaultButton, BM_CLICK, 0, 0);
        return true;
    }
    if (code == BN_CLICKED && id == IDCANCEL && !GetDlgItem(Handle(), IDCANCEL)) {
        if (cancelButton && IsWindowEnabled(cancelButton)) SendMessageA(cancelButton, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void Form::OnSize(int, int) { FormResize(); }

bool Form::OnOtherMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_HELP && helpContext != 0) {
        platform().help(Handle(), Application::Instance().helpFile, HELP_CONTEXT, helpContext);
        result = TRUE;
        return true;
    }
    if (msg == WM_ACTIVATE) {
        // Keep the focused control across deactivation, as dialogs do.
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) activeControl_ = focus;
            return false;
        }
        FormActivate();
        if (activeControl_ && IsWindow(activeControl_)) {
            SetFocus(activeControl_);
            return true;
        }
    }
    return false;
}

FormWindow::FormWindow(Form& form, const std::string& caption, int clientWidth, int clientHeight,
                       const FormStyle& style, bool centered, FontHandle font) {
    form.CreateForm(caption, clientWidth, clientHeight, style, centered);
    if (font) form.SetFont(std::move(font));
}

}  // namespace ui
