// Pixel capture: an off-screen picture in the screen's format that a test
// draws into and reads back, and icons told apart by what they show.
#pragma once

#include "ui/handles.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

class Canvas {
public:
    Canvas(int width, int height, std::optional<COLORREF> background = {})
        : width_(width), height_(height), dc_(nullptr), bitmap_(ScreenBitmap(width, height)),
          select_(dc_.get(), bitmap_.get()) {
        RECT all = {0, 0, width, height};
        if (background) FillRect(dc_.get(), &all, ui::BrushHandle(CreateSolidBrush(*background)).get());
    }

    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
    // Every pixel, row by row.
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) pixels.push_back(At(x, y));
        return pixels;
    }

private:
    static HBITMAP ScreenBitmap(int width, int height) {
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }

    int width_, height_;
    ui::MemoryDC dc_;
    ui::BitmapHandle bitmap_;
    ui::SelectObjectScope select_;
};

// The icon drawn 32 x 32 on white; none for no icon.
inline std::vector<COLORREF> IconPixels(HICON icon) {
    if (!icon) return {};
    Canvas canvas(32, 32, RGB(255, 255, 255));
    DrawIconEx(canvas.dc(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    return canvas.Pixels();
}

// The bytes of a 24-bit .bmp file of the given pixels.
inline std::string BitmapFile(int width, int height, const std::function<COLORREF(int x, int y)>& pixel) {
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::string pixels;
    for (int y = height - 1; y >= 0; --y) {   // rows are stored bottom-up, each on whole four bytes
        for (int x = 0; x < width; ++x)
            for (BYTE part : {GetBValue(pixel(x, y)), GetGValue(pixel(x, y)), GetRValue(pixel(x, y))})
                pixels += static_cast<char>(part);
        pixels.append(static_cast<size_t>(-width * 3 & 3), '\0');
    }
    DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    return std::string(reinterpret_cast<char*>(&file), sizeof file) +
           std::string(reinterpret_cast<char*>(&info), sizeof info) + pixels;
}

}  // namespace testing_support
