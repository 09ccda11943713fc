#include "admin/components/button_glyph.h"

#include <commctrl.h>

#include <memory>
#include <vector>

namespace quorvel {

namespace {

// One image list per image size. A freed slot is taken by the next image
// added; a list goes when its last image does, the cache with its last list.
struct SharedList {
    SIZE size;
    HIMAGELIST images;
    std::vector<bool> used;
    int count = 0;
};

std::unique_ptr<std::vector<SharedList>>& Cache() {
    static std::unique_ptr<std::vector<SharedList>> cache;
    return cache;
}

SharedList* ListOf(SIZE size) {
    if (!Cache()) return nullptr;
    for (SharedList& l : *Cache())
        if (l.size.cx == size.cx && l.size.cy == size.cy) return &l;
    return nullptr;
}

int AddShared(SIZE size, HBITMAP image, HBITMAP mask) {
    if (!Cache()) Cache() = std::make_unique<std::vector<SharedList>>();
    SharedList* list = ListOf(size);
    if (!list) {
        Cache()->push_back({size, ImageList_Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 4, 4), {}, 0});
        list = &Cache()->back();
    }
    int index = 0;
    while (index < static_cast<int>(list->used.size()) && list->used[index]) ++index;
    if (index < static_cast<int>(list->used.size())) {
        ImageList_Replace(list->images, index, image, mask);
    } else {
        index = ImageList_Add(list->images, image, mask);
        if (index < 0) return -1;
        list->used.resize(index + 1);
    }
    list->used[index] = true;
    ++list->count;
    return index;
}

void RemoveShared(SIZE size, int index) {
    SharedList* list = ListOf(size);
    if (!list || index < 0 || index >= static_cast<int>(list->used.size()) || !list->used[index]) return;
    list->used[index] = false;
    if (--list->count > 0) return;
    ImageList_Destroy(list->images);
    std::erase_if(*Cache(), [&](const SharedList& l) { return &l == list; });
    if (Cache()->empty()) Cache().reset();
}

// Pixels of a 32-bit top-down DIB, as 0x00RRGGBB.
DWORD Pixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

class PixelImage {
public:
    PixelImage(HDC compatible, SIZE size) : size_(size) {
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(compatible, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<DWORD*>(bits);
    }
    HBITMAP get() const { return bitmap_.get(); }
    bool Valid() const { return bits_ != nullptr; }
    DWORD& at(int x, int y) { return bits_[y * size_.cx + x]; }
    void Fill(DWORD value) { std::fill(bits_, bits_ + size_.cx * size_.cy, value); }
    // The transparent pixels become black in the image and set in the mask,
    // as a masked image list draws them.
    ui::BitmapHandle TakeMask(DWORD key) {
        int stride = (size_.cx + 15) / 16 * 2;
        std::vector<BYTE> bits(stride * size_.cy, 0);
        for (int y = 0; y < size_.cy; ++y)
            for (int x = 0; x < size_.cx; ++x)
                if ((at(x, y) & 0xFFFFFF) == key) {
                    at(x, y) = 0;
                    bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
                }
        return ui::BitmapHandle(CreateBitmap(size_.cx, size_.cy, 1, 1, bits.data()));
    }

private:
    SIZE size_;
    ui::BitmapHandle bitmap_;
    DWORD* bits_ = nullptr;
};

}  // namespace

TButtonGlyph::~TButtonGlyph() { Release(); }

void TButtonGlyph::Release() {
    SIZE size = ImageSize();
    for (int& index : images_) {
        RemoveShared(size, index);
        index = -1;
    }
}

void TButtonGlyph::SetBitmap(HBITMAP bitmap) {
    Release();
    bitmap_.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
                         : nullptr);
    if (!bitmap_) return;
    BITMAP bm = {};
    GetObject(bitmap_.get(), sizeof bm, &bm);
    if (bm.bmHeight > 0 && bm.bmWidth % bm.bmHeight == 0) {
        int count = bm.bmWidth / bm.bmHeight;
        numGlyphs_ = count >= 1 && count <= 4 ? count : 1;
    }
    ui::MemoryDC dc(nullptr);
    ui::SelectObjectScope select(dc.get(), bitmap_.get());
    transparent_ = GetPixel(dc.get(), 0, bm.bmHeight - 1);
}

void TButtonGlyph::SetNumGlyphs(int count) {
    if (count <= 0) return;
    Release();
    numGlyphs_ = count > 4 ? 4 : count;
}

SIZE TButtonGlyph::ImageSize() const {
    BITMAP bm = {};
    if (!bitmap_ || !GetObject(bitmap_.get(), sizeof bm, &bm)) return {0, 0};
    return {bm.bmWidth / numGlyphs_, bm.bmHeight};
}

void TButtonGlyph::Prepare(ButtonState state) {
    int slot = static_cast<int>(state);
    SIZE size = ImageSize();
    if (images_[slot] >= 0 || size.cx <= 0 || size.cy <= 0) return;
    // Which image of the bitmap the state shows: up stands in for those missing.
    int source = 0;
    if (state == ButtonState::Disabled && numGlyphs_ >= 2) source = 1;
    if (state == ButtonState::Down && numGlyphs_ >= 3) source = 2;
    if (state == ButtonState::Latched && numGlyphs_ >= 4) source = 3;

    ui::MemoryDC from(nullptr), to(nullptr);
    PixelImage image(to.get(), size);
    if (!image.Valid()) return;
    {
        ui::SelectObjectScope a(from.get(), bitmap_.get()), b(to.get(), image.get());
        BitBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), source * size.cx, 0, SRCCOPY);
    }
    GdiFlush();
    DWORD key = Pixel(transparent_);
    if (state == ButtonState::Disabled) {
        DWORD face = Pixel(GetSysColor(COLOR_BTNFACE)), light = Pixel(GetSysColor(COLOR_BTNHIGHLIGHT));
        DWORD shadow = Pixel(GetSysColor(COLOR_BTNSHADOW));
        if (source == 1) {
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x) {
                    DWORD& p = image.at(x, y);
                    DWORD c = p & 0xFFFFFF;
                    p = c == key ? face : c == 0xFFFFFF ? light : c == 0x808080 ? shadow : c;
                }
        } else {
            // The shape of the up image, embossed: highlight one pixel down
            // and right, shadow in place.
            std::vector<bool> shape(size.cx * size.cy);
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x) shape[y * size.cx + x] = (image.at(x, y) & 0xFFFFFF) != key;
            image.Fill(face);
            for (int y = 0; y + 1 < size.cy; ++y)
                for (int x = 0; x + 1 < size.cx; ++x)
                    if (shape[y * size.cx + x]) image.at(x + 1, y + 1) = light;
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x)
                    if (shape[y * size.cx + x]) image.at(x, y) = shadow;
        }
        key = face;
    }
    ui::BitmapHandle mask = image.TakeMask(key);
    images_[slot] = AddShared(size, image.get(), mask.get());
}

void TButtonGlyph::Draw(HDC dc, int x, int y, ButtonState state) {
    Prepare(state);
    int index = images_[static_cast<int>(state)];
    if (SharedList* list = ListOf(ImageSize()); list && index >= 0)
        ImageList_Draw(list->images, index, dc, x, y, ILD_NORMAL);
}

int SharedGlyphListCount() { return Cache() ? static_cast<int>(Cache()->size()) : 0; }

}  // namespace quorvel
