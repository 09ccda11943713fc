// Windowless controls: painted by the window that hosts them and hit-tested
// there. Image and Label are the two the forms need everywhere.
#pragma once

#include "ui/handles.h"
#include "ui/window.h"

#include <functional>
#include <string>

namespace ui {

class GraphicControl {
public:
    explicit GraphicControl(Window& parent, const RECT& bounds = {});
    virtual ~GraphicControl();
    GraphicControl(const GraphicControl&) = delete;
    GraphicControl& operator=(const GraphicControl&) = delete;

    Window& Parent() const { return parent_; }
    void SetBounds(int left, int top, int width, int height);
    const RECT& Bounds() const { return bounds_; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void Invalidate() const;

    HCURSOR cursor = nullptr;   // none: the host's cursor
    std::string hint;

    std::function<void(GraphicControl&)> onClick;
    std::function<void(GraphicControl&)> onDblClick;
    std::function<void(GraphicControl&, MouseButton, ShiftState, int, int)> onMouseDown;
    std::function<void(GraphicControl&, MouseButton, ShiftState, int, int)> onMouseUp;

    // Called by the host, coordinates relative to the control.
    virtual void Paint(HDC dc) = 0;
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState, int, int) {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void DblClick();
    // Called after SetEnabled changed the flag.
    virtual void EnabledChanged() {}
    // A character typed where no field takes it, or with Alt: true when it
    // is this control's accelerator and the control acted on it.
    virtual bool DialogChar(char) { return false; }
    // The system's colours changed.
    virtual void SysColorChange() {}

private:
    Window& parent_;
    RECT bounds_ = {};
    bool visible_ = true;
    bool enabled_ = true;
    bool pressed_ = false;
};

// A picture: an icon or a bitmap, owned by the control.
class Image : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

    void SetIcon(IconHandle icon);
    void SetBitmap(BitmapHandle bitmap);
    HICON Icon() const { return icon_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    bool stretch = false;
    bool center = false;
    bool transparent = false;

    void Paint(HDC dc) override;

private:
    IconHandle icon_;
    BitmapHandle bitmap_;
};

// A text label, left-aligned, centred or right-aligned, on its own colour or
// transparent.
class Label : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    Label(Window& parent, const RECT& bounds, const std::string& caption);

    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    void SetFontColor(COLORREF color);
    COLORREF FontColor() const { return fontColor_; }
    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }
    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }
    void SetFont(FontHandle font);   // none: the host's font

    bool centered = false;
    bool rightAligned = false;
    bool wordWrap = false;

    void Paint(HDC dc) override;

private:
    std::string caption_;
    COLORREF fontColor_ = RGB(0, 0, 0);
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    bool transparent_ = false;
    FontHandle font_;
};

// family (FF_ROMAN, FF_SWISS...) guides the system's choice where the face is missing.
FontHandle MakeFont(const char* face, int pixelHeight, bool bold = false, bool italic = false,
                    BYTE family = FF_DONTCARE);

}  // namespace ui
