// TToolbarButton97: a flat, windowless toolbar button. It shows a thin
// raised frame while the mouse is over it and a sunken one while pressed;
// buttons of one parent with the same GroupIndex form a group in which a
// latched (Down) button raises the others. Drawn opaque on the face colour,
// or transparent so that the parent (a tiled TWallpaper) shows through.
//
// Its events are those of every windowless control (onClick, onDblClick,
// onMouseDown, onMouseUp) and onMouseMove; onDblClick fires only while the
// button is Down.
#pragma once

#include "admin/components/button_glyph.h"
#include "ui/graphic.h"

#include <functional>
#include <string>

namespace quorvel {

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

class TToolbarButton97 : public ui::GraphicControl {
public:
    static constexpr int kWidth = 23, kHeight = 22;

    explicit TToolbarButton97(ui::Window& parent);
    ~TToolbarButton97() override;

    void SetGroupIndex(int index);
    // Latched down; only a button of a group can be, and a latched one can be
    // raised directly only when its group allows all up.
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow);

    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    // None: the parent's font (ParentFont).
    void SetFont(ui::FontHandle font);

    void SetGlyph(HBITMAP glyph);   // copied
    void SetNumGlyphs(int count);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    COLORREF TransparentColor() const { return glyph_.TransparentColor(); }

    void SetLayout(ButtonLayout layout);
    void SetMargin(int margin);   // -1 centres glyph and caption
    void SetSpacing(int spacing);
    void SetOpaque(bool opaque);
    bool Opaque() const { return opaque_; }

    ButtonState State() const { return state_; }
    bool Hot() const { return hot_; }
    bool Dragging() const { return dragging_; }

    std::function<void(ui::GraphicControl&, ui::ShiftState, int, int)> onMouseMove;

    void Paint(HDC dc) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseMove(ui::ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DblClick() override;
    void EnabledChanged() override;
    bool DialogChar(char c) override;
    void SysColorChange() override;

private:
    void Redraw();
    void TellGroup();
    void ButtonPressed(int group, TToolbarButton97& sender);
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
    // Hot again when the pointer is over the button, as after a release.
    void UpdateHot();
    void DrawButton(HDC dc);
    void DrawFace(HDC dc, const RECT& face, bool pressed);

    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    std::string caption_;
    ui::FontHandle font_;
    TButtonGlyph glyph_;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool opaque_ = true;
    ButtonState state_ = ButtonState::Up;
    bool hot_ = false;
    bool dragging_ = false;
};

}  // namespace quorvel
