#include "ui/window.h"

#include "ui/application.h"
#include "ui/compat.h"
#include "ui/graphic.h"

#include <windowsx.h>

#include <algorithm>

namespace ui {

namespace {

const char kClassName[] = "VelmoraWindow";
// Any window's object, for FromHandle.
const char kObjectProp[] = "VelmoraWindowObject";
// Our own windows also keep it in their extra bytes, which their window
// procedure reads without asking the system (a property costs Wine a server
// round trip, on every message).
const int kObjectSlot = 0;

// The window being created, until WM_NCCREATE ties it to its object.
thread_local Window* creating = nullptr;

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && msg != WM_MOUSEWHEEL;
}

MouseButton ButtonOf(UINT msg) {
    switch (msg) {
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return MouseButton::Right;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return MouseButton::Middle;
        default: return MouseButton::Left;
    }
}

}  // namespace

ShiftState ShiftState::FromMouse(WPARAM keys) {
    ShiftState s;
    s.shift = (keys & MK_SHIFT) != 0;
    s.ctrl = (keys & MK_CONTROL) != 0;
    // Mouse messages carry no Alt flag, and a window that never takes the
    // focus (the shell's) gets no key messages: ask the keyboard itself too.
    s.alt = GetKeyState(VK_MENU) < 0 || GetAsyncKeyState(VK_MENU) < 0;
    s.left = (keys & MK_LBUTTON) != 0;
    s.right = (keys & MK_RBUTTON) != 0;
    s.middle = (keys & MK_MBUTTON) != 0;
    return s;
}

ShiftState ShiftState::FromKeyboard() {
    ShiftState s;
    s.shift = GetKeyState(VK_SHIFT) < 0;
    s.ctrl = GetKeyState(VK_CONTROL) < 0;
    s.alt = GetKeyState(VK_MENU) < 0;
    s.left = GetKeyState(VK_LBUTTON) < 0;
    s.right = GetKeyState(VK_RBUTTON) < 0;
    s.middle = GetKeyState(VK_MBUTTON) < 0;
    return s;
}

Window::~Window() { DestroyHandle(); }

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(GetPropA(hwnd, kObjectProp)) : nullptr;
}

void Window::CreateOwnWindow(const char* caption, DWORD style, DWORD exStyle, HWND parent,
                             int x, int y, int w, int h, UINT classStyle) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // One registered class per class style, named after it.
    std::string cls = std::string(kClassName) + std::to_string(classStyle);
    WNDCLASSEXA wc = {};
    if (!GetClassInfoExA(instance, cls.c_str(), &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.style = classStyle;
        wc.lpfnWndProc = WindowProc;
        wc.cbWndExtra = sizeof(Window*);
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
        wc.lpszClassName = cls.c_str();
        RegisterClassExA(&wc);
    }
    creating = this;
    CreateWindowExA(exStyle, cls.c_str(), caption, style, x, y, w, h, parent, nullptr, instance, this);
    creating = nullptr;
}

void Window::CreateSystemWindow(const char* cls, const char* caption, DWORD style, DWORD exStyle,
                                HWND parent, int x, int y, int w, int h, UINT_PTR id) {
    HWND hwnd = CreateWindowExA(exStyle, cls, caption, style, x, y, w, h, parent,
                                reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    if (hwnd) Subclass(hwnd);
}

void Window::Subclass(HWND hwnd) {
    hwnd_ = hwnd;
    SetPropA(hwnd, kObjectProp, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

void Window::DestroyHandle() {
    if (!hwnd_) return;
    HWND hwnd = std::exchange(hwnd_, nullptr);
    RemovePropA(hwnd, kObjectProp);
    if (original_) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    else SetWindowLongPtrA(hwnd, kObjectSlot, 0);
    DestroyWindow(hwnd);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, kObjectSlot));
    if (!self && msg == WM_NCCREATE && creating) {
        self = creating;
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, kObjectSlot, reinterpret_cast<LONG_PTR>(self));
        SetPropA(hwnd, kObjectProp, self);
    }
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, kObjectSlot, 0);
        RemovePropA(hwnd, kObjectProp);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    return self->GuardedDispatch(msg, wp, lp);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = FromHandle(hwnd);
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        WNDPROC original = self->original_;
        RemovePropA(hwnd, kObjectProp);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        self->hwnd_ = nullptr;
        return CallWindowProcA(original, hwnd, msg, wp, lp);
    }
    return self->GuardedDispatch(msg, wp, lp);
}

LRESULT Window::GuardedDispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    Guarded([&] { result = Dispatch(msg, wp, lp); });
    return result;
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return original_ ? CallWindowProcA(original_, hwnd_, msg, wp, lp)
                     : DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (IsMouseMessage(msg) && RouteMouse(msg, wp, lp)) return 0;
    switch (msg) {
        case WM_PAINT: {
            if (original_) break;   // system controls paint themselves
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            OnPaint(dc);
            for (GraphicControl* g : graphics_) {
                RECT r = g->Bounds(), clip;
                if (!g->Visible() || !IntersectRect(&clip, &r, &ps.rcPaint)) continue;
                int saved = SaveDC(dc);
                IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
                SetViewportOrgEx(dc, r.left, r.top, nullptr);
                if (HFONT font = GraphicsFont()) SelectObject(dc, font);
                g->Paint(dc);
                RestoreDC(dc, saved);
            }
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wp))) return 1;
            break;
        case WM_TIMER:
            if (wp == kMouseLeaveTimer) MouseLeaveTimerTick(hwnd_);
            return 0;
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            OnMouseDown(ButtonOf(msg), ShiftState::FromMouse(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            break;
        case WM_MOUSELEAVE:
            if (hovered_) std::exchange(hovered_, nullptr)->MouseLeave();
            OnMouseLeave();
            break;
        case WM_KEYDOWN: case WM_SYSKEYDOWN:
            if (OnKeyDown(static_cast<WORD>(wp), ShiftState::FromKeyboard())) return 0;
            break;
        case WM_CHAR: {
            char c = static_cast<char>(wp);
            if (OnChar(c)) return 0;
            wp = static_cast<unsigned char>(c);
            break;
        }
        case WM_COMMAND: {
            HWND child = reinterpret_cast<HWND>(lp);
            if (Window* w = FromHandle(child); w && w != this && w->OnReflectedCommand(HIWORD(wp)))
                return 0;
            if (OnCommand(LOWORD(wp), HIWORD(wp))) return 0;
            break;
        }
        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lp);
            if (Window* w = FromHandle(nm->hwndFrom); w && w != this && w->OnReflectedNotify(nm, result))
                return result;
            break;
        }
        case WM_DRAWITEM: {
            auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            if (Window* w = FromHandle(di->hwndItem); w && w != this && w->OnReflectedDrawItem(di))
                return TRUE;
            break;
        }
        case WM_SYSCOMMAND: if (OnSysCommand(wp)) return 0; break;
        case WM_MOUSEACTIVATE: if (OnMouseActivate(result)) return result; break;
        case WM_CLOSE: if (OnClose()) return 0; break;
        case WM_QUERYENDSESSION: if (OnQueryEndSession(result)) return result; break;
        case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); break;
        case WM_SETCURSOR: {
            if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT) {
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(hwnd_, &pt);
                if (GraphicControl* g = GraphicAt(pt); g && g->cursor) {
                    SetCursor(g->cursor);
                    return TRUE;
                }
            }
            break;
        }
        case WM_SYSCOLORCHANGE:
            // Only top-level windows hear of it: each tells its controls and children.
            for (GraphicControl* g : graphics_) g->SysColorChange();
            for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                SendMessageA(child, msg, wp, lp);
            break;
        case WM_DROPFILES:
            if (!onDropFiles) break;
            onDropFiles(reinterpret_cast<HDROP>(wp));
            return 0;
        default:
            if (OnOtherMessage(msg, wp, lp, result)) return result;
            break;
    }
    return DefaultProc(msg, wp, lp);
}

bool Window::RouteMouse(UINT msg, WPARAM wp, LPARAM lp) {
    POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    GraphicControl* target = captured_ ? captured_ : GraphicAt(pt);
    if (msg == WM_MOUSEMOVE && target != hovered_ && !captured_) {
        if (hovered_) hovered_->MouseLeave();
        hovered_ = target;
        if (hovered_) {
            hovered_->MouseEnter();
            TrackMouseLeave(hwnd_);
        }
    }
    if (!target) return false;
    const RECT& r = target->Bounds();
    int x = pt.x - r.left, y = pt.y - r.top;
    ShiftState shift = ShiftState::FromMouse(wp);
    switch (msg) {
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            captured_ = target;
            SetCapture(hwnd_);
            target->MouseDown(ButtonOf(msg), shift, x, y);
            break;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
            if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
                captured_ = nullptr;
                if (GetCapture() == hwnd_) ReleaseCapture();
            }
            target->MouseUp(ButtonOf(msg), shift, x, y);
            break;
        case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            // The second press of a double click holds the mouse like the first.
            captured_ = target;
            SetCapture(hwnd_);
            if (msg == WM_LBUTTONDBLCLK) target->DblClick();
            else target->MouseDown(ButtonOf(msg), shift, x, y);
            break;
        case WM_MOUSEMOVE:
            target->MouseMove(shift, x, y);
            break;
    }
    return true;
}

bool Window::DialogChar(char c) {
    for (GraphicControl* g : graphics_)
        if (g->Visible() && g->DialogChar(c)) return true;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (Window* w = FromHandle(child); w && w->DialogChar(c)) return true;
    return false;
}

void Window::AddGraphic(GraphicControl* control) { graphics_.push_back(control); }

void Window::RemoveGraphic(GraphicControl* control) {
    std::erase(graphics_, control);
    if (captured_ == control) captured_ = nullptr;
    if (hovered_ == control) hovered_ = nullptr;
}

GraphicControl* Window::GraphicAt(POINT client) const {
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        GraphicControl* g = *it;
        if (g->Visible() && g->Enabled() && PtInRect(&g->Bounds(), client)) return g;
    }
    return nullptr;
}

void Window::SetBounds(int left, int top, int width, int height) {
    if (hwnd_) MoveWindow(hwnd_, left, top, width, height, TRUE);
}

RECT Window::BoundsRect() const {
    RECT r = {};
    if (!hwnd_) return r;
    GetWindowRect(hwnd_, &r);
    if (HWND parent = GetParent(hwnd_); parent && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT Window::ClientRect() const {
    RECT r = {};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r;
}

void Window::SetVisible(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Window::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Window::SetEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

bool Window::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Window::SetText(const std::string& text) {
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

std::string Window::Text() const {
    if (!hwnd_) return {};
    int n = GetWindowTextLengthA(hwnd_);
    std::string s(n + 1, '\0');
    s.resize(GetWindowTextA(hwnd_, s.data(), n + 1));
    return s;
}

void Window::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::Update() {
    if (hwnd_) UpdateWindow(hwnd_);
}

}  // namespace ui
