#include "ui/panel.h"

#include "ui/form.h"

namespace ui {

namespace {

// A bevel of the given width around r, which ends inside it.
void Frame3D(HDC dc, RECT& r, BevelCut bevel, int width) {
    HBRUSH topLeft = GetSysColorBrush(bevel == BevelCut::Raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    HBRUSH bottomRight = GetSysColorBrush(bevel == BevelCut::Raised ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    for (int i = 0; i < width && r.right > r.left && r.bottom > r.top; ++i) {
        RECT top = {r.left, r.top, r.right - 1, r.top + 1}, left = {r.left, r.top, r.left + 1, r.bottom - 1};
        RECT bottom = {r.left, r.bottom - 1, r.right, r.bottom}, right = {r.right - 1, r.top, r.right, r.bottom};
        FillRect(dc, &top, topLeft);
        FillRect(dc, &left, topLeft);
        FillRect(dc, &bottom, bottomRight);
        FillRect(dc, &right, bottomRight);
        InflateRect(&r, -1, -1);
    }
}

}  // namespace

Panel::Panel(Form& owner, const RECT& b, HWND parent) : Control(owner), brush_(CreateSolidBrush(color_)) {
    CreateOwnWindow("", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                    parent ? parent : owner.Handle(), b.left, b.top, b.right - b.left, b.bottom - b.top,
                    CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

void Panel::SetBevelOuter(BevelCut bevel) {
    bevelOuter_ = bevel;
    Invalidate();
}

void Panel::SetBevelInner(BevelCut bevel) {
    bevelInner_ = bevel;
    Invalidate();
}

void Panel::SetBevelWidth(int width) {
    bevelWidth_ = width;
    Invalidate();
}

void Panel::SetBorderWidth(int width) {
    borderWidth_ = width;
    Invalidate();
}

void Panel::SetCaption(const std::string& caption) {
    caption_ = caption;
    Invalidate();
}

void Panel::SetColor(COLORREF color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color));
    Invalidate();
}

void Panel::SetAlign(Align align) {
    align_ = align;
    Realign();
}

void Panel::Realign() {
    HWND parent = GetParent(Handle());
    if (!parent || align_ == Align::None) return;
    RECT area, mine = BoundsRect();
    GetClientRect(parent, &area);
    int height = mine.bottom - mine.top;
    switch (align_) {
        case Align::Top: SetBounds(0, 0, area.right, height); break;
        case Align::Bottom: SetBounds(0, area.bottom - height, area.right, height); break;
        case Align::Client: SetBounds(0, 0, area.right, area.bottom); break;
        case Align::None: break;
    }
}

int Panel::Inset() const {
    return borderWidth_ + (bevelOuter_ != BevelCut::None ? bevelWidth_ : 0) +
           (bevelInner_ != BevelCut::None ? bevelWidth_ : 0);
}

HFONT Panel::GraphicsFont() const { return Owner().Font(); }

void Panel::OnPaint(HDC dc) {
    RECT r = ClientRect();
    if (bevelOuter_ != BevelCut::None) Frame3D(dc, r, bevelOuter_, bevelWidth_);
    FillRect(dc, &r, brush_.get());
    InflateRect(&r, -borderWidth_, -borderWidth_);
    if (bevelInner_ != BevelCut::None) Frame3D(dc, r, bevelInner_, bevelWidth_);
    if (caption_.empty()) return;
    int saved = SaveDC(dc);
    if (HFONT font = GraphicsFont()) SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    RestoreDC(dc, saved);
}

}  // namespace ui
