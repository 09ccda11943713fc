// A panel: a child window with bevels, a border, a colour and a caption,
// which hosts windowless controls (painted over its face) and child windows.
// Alignment is applied by Realign, which the owner calls when it resizes.
#pragma once

#include "ui/controls.h"
#include "ui/handles.h"

#include <string>

namespace ui {

enum class BevelCut { None, Lowered, Raised };
enum class Align { None, Top, Bottom, Client };

class Panel : public Control {
public:
    Panel(Form& owner, const RECT& bounds, HWND parent = nullptr);

    void SetBevelOuter(BevelCut bevel);
    void SetBevelInner(BevelCut bevel);
    void SetBevelWidth(int width);
    void SetBorderWidth(int width);
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }

    void SetAlign(Align align);
    Align GetAlign() const { return align_; }
    // Fits the panel to its parent's client area as its alignment says.
    void Realign();

    // Bevels and border together, on each side.
    int Inset() const;
    HFONT GraphicsFont() const override;

protected:
    bool OnEraseBackground(HDC) override { return true; }   // painted whole in OnPaint
    void OnPaint(HDC dc) override;

private:
    BevelCut bevelOuter_ = BevelCut::Raised;
    BevelCut bevelInner_ = BevelCut::None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    std::string caption_;
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    BrushHandle brush_;
    Align align_ = Align::None;
};

}  // namespace ui
