// The glyph of a flat toolbar button: one to four images side by side (up,
// disabled, down, latched), each prepared once, masked by its transparent
// colour, into an image list that every glyph of the same size shares.
#pragma once

#include "ui/handles.h"

#include <array>

namespace quorvel {

enum class ButtonState { Up, Disabled, Down, Latched };

class TButtonGlyph {
public:
    TButtonGlyph() = default;
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    // Keeps a copy. A bitmap whose width is 1 to 4 times its height sets the
    // number of images; 5 or more times gives 1; other widths leave it.
    void SetBitmap(HBITMAP bitmap);
    HBITMAP Bitmap() const { return bitmap_.get(); }
    bool Empty() const { return !bitmap_; }
    // 1 to 4; above 4 gives 4, 0 or less is ignored.
    void SetNumGlyphs(int count);
    int NumGlyphs() const { return numGlyphs_; }
    // Olive until a bitmap is given, then the colour of its bottom-left pixel.
    COLORREF TransparentColor() const { return transparent_; }
    // The size of one image.
    SIZE ImageSize() const;

    // Makes the state's image ready, once until the bitmap changes.
    void Prepare(ButtonState state);
    void Draw(HDC dc, int x, int y, ButtonState state);

private:
    void Release();

    ui::BitmapHandle bitmap_;
    int numGlyphs_ = 1;
    COLORREF transparent_ = RGB(128, 128, 0);
    std::array<int, 4> images_ = {-1, -1, -1, -1};   // by state, in the shared list
};

// The image lists that the glyphs share, for tests: how many there are.
int SharedGlyphListCount();

}  // namespace quorvel
