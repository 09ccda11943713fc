#include "admin/components/toolbar_button97.h"

#include "shared/ansi_text.h"

#include <vector>

namespace quorvel {

namespace {

// One 8 x 8 dither pattern for every button, made on first use and freed
// with the last button.
int buttonCount = 0;

ui::BitmapHandle& Dither() {
    static ui::BitmapHandle dither;
    return dither;
}

HBITMAP DitherBitmap() {
    if (!Dither()) {
        auto pixel = [](int index) {
            COLORREF c = GetSysColor(index);
            return static_cast<DWORD>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        };
        DWORD bits[64];
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                bits[y * 8 + x] = pixel(x % 2 == y % 2 ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
        Dither().reset(CreateBitmap(8, 8, 1, 32, bits));
    }
    return Dither().get();
}

bool ApplicationActive() { return GetActiveWindow() != nullptr; }

SIZE TextSize(HDC dc, const std::string& text) {
    RECT r = {0, 0, 0, 0};
    if (!text.empty()) DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return {r.right, r.bottom};
}

}  // namespace

TToolbarButton97::TToolbarButton97(ui::Window& parent) : ui::GraphicControl(parent) {
    ++buttonCount;
    SetBounds(0, 0, kWidth, kHeight);
}

TToolbarButton97::~TToolbarButton97() {
    if (--buttonCount == 0) Dither().reset();
}

void TToolbarButton97::SetGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    TellGroup();
}

void TToolbarButton97::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_ || (down_ && !allowAllUp_)) return;
    down_ = down;
    if (down) {
        if (state_ != ButtonState::Latched) {
            state_ = ButtonState::Latched;
            Redraw();
        }
        TellGroup();
    } else {
        state_ = ButtonState::Up;
        Redraw();
    }
}

void TToolbarButton97::SetAllowAllUp(bool allow) {
    if (allow == allowAllUp_) return;
    allowAllUp_ = allow;
    TellGroup();
}

void TToolbarButton97::TellGroup() {
    if (groupIndex_ == 0) return;
    std::vector<ui::GraphicControl*> siblings = Parent().Graphics();
    for (ui::GraphicControl* g : siblings)
        if (auto* button = dynamic_cast<TToolbarButton97*>(g)) button->ButtonPressed(groupIndex_, *this);
}

void TToolbarButton97::ButtonPressed(int group, TToolbarButton97& sender) {
    if (group != groupIndex_ || &sender == this) return;
    if (sender.down_ && down_) {
        down_ = false;
        state_ = ButtonState::Up;
        Redraw();
    }
    allowAllUp_ = sender.allowAllUp_;
}

void TToolbarButton97::SetCaption(const std::string& caption) {
    caption_ = caption;
    Redraw();
}

void TToolbarButton97::SetFont(ui::FontHandle font) {
    font_ = std::move(font);
    Redraw();
}

void TToolbarButton97::SetGlyph(HBITMAP glyph) {
    glyph_.SetBitmap(glyph);
    Redraw();
}

void TToolbarButton97::SetNumGlyphs(int count) {
    glyph_.SetNumGlyphs(count);
    Redraw();
}

void TToolbarButton97::SetLayout(ButtonLayout layout) {
    layout_ = layout;
    Redraw();
}

void TToolbarButton97::SetMargin(int margin) {
    margin_ = margin < -1 ? -1 : margin;
    Redraw();
}

void TToolbarButton97::SetSpacing(int spacing) {
    spacing_ = spacing;
    Redraw();
}

void TToolbarButton97::SetOpaque(bool opaque) {
    opaque_ = opaque;
    Redraw();
}

// An opaque button covers its area; a transparent one needs what lies under
// it painted again first, which the host does for the invalid area.
void TToolbarButton97::Redraw() {
    if (HWND host = Parent().Handle()) {
        InvalidateRect(host, &Bounds(), !opaque_);
        UpdateWindow(host);
    }
}

void TToolbarButton97::UpdateHot() {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(Parent().Handle(), &p);
    hot_ = Enabled() && PtInRect(&Bounds(), p) && ApplicationActive();
    Redraw();
}

void TToolbarButton97::MouseEnter() {
    if (hot_ || !Enabled()) return;
    hot_ = true;
    if (ApplicationActive()) Redraw();
}

void TToolbarButton97::MouseLeave() {
    if (!hot_ || !Enabled() || dragging_) return;
    hot_ = false;
    Redraw();
}

void TToolbarButton97::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    if (onMouseDown) onMouseDown(*this, button, shift, x, y);
    if (!Enabled()) return;
    hot_ = true;
    if (button != ui::MouseButton::Left) return;
    if (!down_) {
        state_ = ButtonState::Down;
        Redraw();
    } else if (allowAllUp_) {
        Redraw();
    }
    dragging_ = true;
}

void TToolbarButton97::MouseMove(ui::ShiftState shift, int x, int y) {
    if (onMouseMove) onMouseMove(*this, shift, x, y);
    if (!dragging_) return;
    ButtonState wanted = down_ ? ButtonState::Latched : Inside(x, y) ? ButtonState::Down : ButtonState::Up;
    if (wanted == state_) return;
    state_ = wanted;
    Redraw();
}

void TToolbarButton97::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    if (button != ui::MouseButton::Left && Enabled()) MouseLeave();
    if (onMouseUp) onMouseUp(*this, button, shift, x, y);
    if (!dragging_) return;
    dragging_ = false;
    bool inside = Inside(x, y);
    if (groupIndex_ != 0) {
        if (inside) {
            SetDown(!down_);
            if (down_) Redraw();
        } else {
            if (down_) state_ = ButtonState::Latched;
            Redraw();
        }
    }
    // The face stays pressed while the click runs, and comes up after it
    // whatever the click did.
    auto release = [this] {
        if (state_ == ButtonState::Down) state_ = ButtonState::Up;
        UpdateHot();
    };
    try {
        if (inside && onClick) onClick(*this);
    } catch (...) {
        release();
        throw;
    }
    release();
}

void TToolbarButton97::DblClick() {
    if (down_ && onDblClick) onDblClick(*this);
    // The second press of a double click is a press like the first.
    DWORD at = GetMessagePos();
    POINT p = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ScreenToClient(Parent().Handle(), &p);
    MouseDown(ui::MouseButton::Left, ui::ShiftState::FromKeyboard(), p.x - Bounds().left, p.y - Bounds().top);
}

void TToolbarButton97::EnabledChanged() {
    glyph_.Prepare(Enabled() ? ButtonState::Up : ButtonState::Disabled);
    UpdateHot();
}

bool TToolbarButton97::DialogChar(char c) {
    // The accelerator is the character after a single "&" of the caption.
    size_t amp = caption_.find('&');
    while (amp != std::string::npos && amp + 1 < caption_.size() && caption_[amp + 1] == '&')
        amp = caption_.find('&', amp + 2);
    if (!Enabled() || amp == std::string::npos || amp + 1 >= caption_.size()) return false;
    if (velmora::UpperCase(std::string(1, c)) != velmora::UpperCase(caption_.substr(amp + 1, 1))) return false;
    if (onClick) onClick(*this);
    return true;
}

void TToolbarButton97::SysColorChange() {
    Dither().reset();   // made again in the new colours when next painted
    Redraw();
}

void TToolbarButton97::Paint(HDC dc) {
    if (!Enabled()) {
        state_ = ButtonState::Disabled;
        dragging_ = false;
    } else if (state_ == ButtonState::Disabled) {
        state_ = down_ && groupIndex_ != 0 ? ButtonState::Latched : ButtonState::Up;
    }
    if (!opaque_) {
        DrawButton(dc);
        return;
    }
    RECT r = {0, 0, Width(), Height()};
    ui::MemoryDC memory(dc);
    ui::BitmapHandle offscreen(CreateCompatibleBitmap(dc, r.right, r.bottom));
    ui::SelectObjectScope bitmap(memory.get(), offscreen.get());
    ui::SelectObjectScope font(memory.get(), GetCurrentObject(dc, OBJ_FONT));
    FillRect(memory.get(), &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawButton(memory.get());
    BitBlt(dc, 0, 0, r.right, r.bottom, memory.get(), 0, 0, SRCCOPY);
}

void TToolbarButton97::DrawButton(HDC dc) {
    int saved = SaveDC(dc);
    RECT r = {0, 0, Width(), Height()};
    bool pressed = state_ == ButtonState::Down || state_ == ButtonState::Latched;
    if (pressed || (hot_ && state_ != ButtonState::Disabled))
        DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    RECT face = r;
    InflateRect(&face, -1, -1);
    if (state_ == ButtonState::Latched && !hot_) {
        ui::BrushHandle dither(CreatePatternBrush(DitherBitmap()));
        FillRect(dc, &face, dither.get());
    }
    DrawFace(dc, face, pressed);
    RestoreDC(dc, saved);
}

// Glyph and caption along the layout's axis, centred when Margin is -1,
// and moved one pixel right and down when pressed.
void TToolbarButton97::DrawFace(HDC dc, const RECT& face, bool pressed) {
    if (font_) SelectObject(dc, font_.get());
    SIZE glyph = glyph_.Empty() ? SIZE{0, 0} : glyph_.ImageSize();
    SIZE text = TextSize(dc, caption_);
    bool horizontal = layout_ == ButtonLayout::GlyphLeft || layout_ == ButtonLayout::GlyphRight;
    int gap = glyph.cx > 0 && text.cx > 0 ? spacing_ : 0;
    int along = horizontal ? face.right - face.left : face.bottom - face.top;
    int total = horizontal ? glyph.cx + gap + text.cx : glyph.cy + gap + text.cy;
    int start = margin_ < 0 ? (along - total) / 2 : margin_;
    bool glyphFirst = layout_ == ButtonLayout::GlyphLeft || layout_ == ButtonLayout::GlyphTop;
    int glyphAt = glyphFirst ? start : start + (horizontal ? text.cx : text.cy) + gap;
    int textAt = glyphFirst ? start + (horizontal ? glyph.cx : glyph.cy) + gap : start;
    int shift = pressed ? 1 : 0;
    int fx = face.left + shift, fy = face.top + shift;
    int width = face.right - face.left, height = face.bottom - face.top;

    if (glyph.cx > 0) {
        int x = horizontal ? glyphAt : (width - glyph.cx) / 2;
        int y = horizontal ? (height - glyph.cy) / 2 : glyphAt;
        glyph_.Draw(dc, fx + x, fy + y, state_);
    }
    if (caption_.empty()) return;
    RECT tr = horizontal ? RECT{fx + textAt, fy, fx + textAt + text.cx, fy + height}
                         : RECT{fx, fy + textAt, fx + width, fy + textAt + text.cy};
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    int n = static_cast<int>(caption_.size());
    if (state_ == ButtonState::Disabled) {
        RECT lit = tr;
        OffsetRect(&lit, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption_.c_str(), n, &lit, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextA(dc, caption_.c_str(), n, &tr, format);
}

}  // namespace quorvel
