// A bitmap painted pixel by pixel, for the tests of pictures and glyphs.
#pragma once

#include "ui/handles.h"

#include <functional>

namespace testing_support {

inline ui::BitmapHandle PaintedBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& pixel) {
    HDC screen = GetDC(nullptr);
    ui::BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    ui::MemoryDC dc(nullptr);
    ui::SelectObjectScope select(dc.get(), bitmap.get());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixel(dc.get(), x, y, pixel(x, y));
    return bitmap;
}

}  // namespace testing_support
