// TWallpaper: a panel whose picture is tiled over its face, inside its bevels
// and border. The administration window's toolbar is one, aligned to the top,
// with the flat toolbar buttons drawn over the picture.
#pragma once

#include "ui/handles.h"
#include "ui/panel.h"

namespace quorvel {

class TWallpaper : public ui::Panel {
public:
    // A new panel is aligned to the top of its parent.
    TWallpaper(ui::Form& owner, const RECT& bounds, HWND parent = nullptr);

    // The panel keeps a copy of the picture; none shows the plain panel.
    void SetWallpaper(HBITMAP picture);
    HBITMAP Wallpaper() const { return picture_.get(); }

protected:
    void OnPaint(HDC dc) override;

private:
    ui::BitmapHandle picture_;
};

}  // namespace quorvel
