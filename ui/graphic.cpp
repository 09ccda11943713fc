#include "ui/graphic.h"

#include "ui/compat.h"

namespace ui {

GraphicControl::GraphicControl(Window& parent, const RECT& bounds) : parent_(parent), bounds_(bounds) {
    parent_.AddGraphic(this);
}

GraphicControl::~GraphicControl() {
    parent_.RemoveGraphic(this);
    if (visible_) Invalidate();
}

void GraphicControl::SetBounds(int left, int top, int width, int height) {
    Invalidate();
    bounds_ = {left, top, left + width, top + height};
    Invalidate();
}

void GraphicControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    Invalidate();   // where it was drawn
    visible_ = visible;
    Invalidate();
}

void GraphicControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Invalidate();
    EnabledChanged();
}

void GraphicControl::Invalidate() const {
    // A hidden control, or one on a hidden window, has nothing on the screen
    // to draw again: a window is drawn whole when it shows. (Under Wine each
    // invalidation is a round trip to the server, and building or loading a
    // form sets many properties.)
    HWND hwnd = parent_.Handle();
    if (visible_ && hwnd && IsWindowVisible(hwnd)) InvalidateRect(hwnd, &bounds_, TRUE);
}

void GraphicControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left) pressed_ = true;
    if (onMouseDown) onMouseDown(*this, button, shift, x, y);
}

void GraphicControl::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    bool click = button == MouseButton::Left && pressed_ && x >= 0 && y >= 0 && x < Width() &&
                 y < Height();
    if (button == MouseButton::Left) pressed_ = false;
    if (click && onClick) onClick(*this);
    if (onMouseUp) onMouseUp(*this, button, shift, x, y);
}

void GraphicControl::DblClick() {
    if (onDblClick) onDblClick(*this);
}

void Image::SetIcon(IconHandle icon) {
    icon_ = std::move(icon);
    bitmap_.reset();
    Invalidate();
}

void Image::SetBitmap(BitmapHandle bitmap) {
    bitmap_ = std::move(bitmap);
    icon_.reset();
    Invalidate();
}

void Image::Paint(HDC dc) {
    int w = Width(), h = Height();
    if (icon_) {
        // Icons are drawn at the control's size when stretched, else at their own.
        int iw = stretch ? w : GetSystemMetrics(SM_CXICON);
        int ih = stretch ? h : GetSystemMetrics(SM_CYICON);
        int x = center ? (w - iw) / 2 : 0, y = center ? (h - ih) / 2 : 0;
        DrawIconEx(dc, x, y, icon_.get(), iw, ih, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) return;
    BITMAP bm = {};
    GetObject(bitmap_.get(), sizeof bm, &bm);
    MemoryDC mem(dc);
    SelectObjectScope select(mem.get(), bitmap_.get());
    int dw = stretch ? w : bm.bmWidth, dh = stretch ? h : bm.bmHeight;
    int x = center ? (w - dw) / 2 : 0, y = center ? (h - dh) / 2 : 0;
    if (transparent) {
        // The bottom-left pixel is the transparent colour, as pictures are drawn.
        COLORREF key = GetPixel(mem.get(), 0, bm.bmHeight - 1);
        DrawTransparent(dc, x, y, dw, dh, mem.get(), bm.bmWidth, bm.bmHeight, key);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, dw, dh, mem.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
}

Label::Label(Window& parent, const RECT& bounds, const std::string& caption)
    : GraphicControl(parent, bounds), caption_(caption) {}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    Invalidate();
}

void Label::SetFontColor(COLORREF color) {
    fontColor_ = color;
    Invalidate();
}

void Label::SetColor(COLORREF color) {
    color_ = color;
    Invalidate();
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Label::SetFont(FontHandle font) {
    font_ = std::move(font);
    Invalidate();
}

void Label::Paint(HDC dc) {
    RECT r = {0, 0, Width(), Height()};
    if (!transparent_) {
        BrushHandle brush(CreateSolidBrush(color_));
        FillRect(dc, &r, brush.get());
    }
    if (font_) SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? fontColor_ : GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_NOPREFIX | (centered ? DT_CENTER : rightAligned ? DT_RIGHT : DT_LEFT) |
                  (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
}

FontHandle MakeFont(const char* face, int pixelHeight, bool bold, bool italic, BYTE family) {
    return FontHandle(CreateFontA(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | family, face));
}

}  // namespace ui
