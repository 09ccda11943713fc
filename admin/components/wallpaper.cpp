#include "admin/components/wallpaper.h"

namespace quorvel {

TWallpaper::TWallpaper(ui::Form& owner, const RECT& bounds, HWND parent) : ui::Panel(owner, bounds, parent) {
    SetAlign(ui::Align::Top);
}

void TWallpaper::SetWallpaper(HBITMAP picture) {
    picture_.reset(picture ? static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    Invalidate();
}

void TWallpaper::OnPaint(HDC dc) {
    ui::Panel::OnPaint(dc);
    BITMAP bm = {};
    if (!picture_ || !GetObject(picture_.get(), sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    int inset = Inset();
    RECT area = ClientRect();
    InflateRect(&area, -inset, -inset);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    ui::MemoryDC source(dc);
    ui::SelectObjectScope select(source.get(), picture_.get());
    int columns = (area.right - area.left) / bm.bmWidth, rows = (area.bottom - area.top) / bm.bmHeight;
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j)
            BitBlt(dc, area.left + i * bm.bmWidth, area.top + j * bm.bmHeight, bm.bmWidth, bm.bmHeight,
                   source.get(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace quorvel
