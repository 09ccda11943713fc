// Generated background pictures: small Windows bitmaps of a few colours,
// whole, cut short, or with a header that lies about what follows.
#include "tests/hostile/generated_files.h"

#include "tests/support/test_folder.h"

namespace hostile {

namespace {

// Where each header field lies in the file.
constexpr size_t kType = 0, kFileSize = 2, kOffBits = 10, kInfoSize = 14, kWidth = 18, kHeight = 22,
                 kPlanes = 26, kBitCount = 28, kCompression = 30, kSizeImage = 34, kClrUsed = 46;

template <class T>
std::string BytesOf(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

template <class T>
void Put(std::string& b, size_t at, T value) {
    if (at + sizeof value <= b.size()) b.replace(at, sizeof value, BytesOf(value));
}

std::string Bitmap(Rng& rng) {
    const WORD depths[] = {4, 8, 24, 32};
    WORD bits = rng.Pick(depths);
    LONG w = 1 + rng.Below(40), h = 1 + rng.Below(40);
    const std::vector<COLORREF>& colors = PictureColors();
    auto color = [&] { return colors[rng.Below(static_cast<uint32_t>(colors.size()))]; };

    std::string palette;
    for (int i = 0; bits <= 8 && i < (1 << bits); ++i) {
        COLORREF c = color();
        palette += BytesOf(RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0});
    }
    size_t stride = ((w * bits + 31) / 32) * 4;
    std::string pixels;
    for (LONG y = 0; y < h; ++y) {
        std::string row(stride, '\0');
        for (LONG x = 0; x < w; ++x) {
            if (bits == 4) row[x / 2] |= static_cast<char>(rng.Below(16) << (x % 2 ? 0 : 4));
            else if (bits == 8) row[x] = static_cast<char>(rng.Below(256));
            else {
                COLORREF c = color();
                size_t at = x * (bits / 8);
                row[at] = static_cast<char>(GetBValue(c));
                row[at + 1] = static_cast<char>(GetGValue(c));
                row[at + 2] = static_cast<char>(GetRValue(c));
            }
        }
        pixels += row;
    }
    BITMAPINFOHEADER info = {sizeof info, w, rng.OneIn(4) ? -h : h, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, 0};
    file.bfOffBits = static_cast<DWORD>(sizeof file + sizeof info + palette.size());
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    return BytesOf(file) + BytesOf(info) + palette + pixels;
}

// One header field tells something else than what follows.
void Lie(Rng& rng, std::string& b) {
    const DWORD size = static_cast<DWORD>(b.size()), huge = 0xFFFFFFFFu;
    const DWORD offsets[] = {0, size, size + 1000, huge};
    const LONG widths[] = {0, 65536, 0x7FFFFFFF, -1};
    const LONG heights[] = {0, 65536, 0x7FFFFFFF, LONG(0x80000000u)};
    const WORD depths[] = {0, 3, 48, 64, 0xFFFF};
    // No compression that the system knows: a run-length or bit-field
    // picture may show any colour, black included, and still be one.
    const DWORD compressions[] = {7, huge};
    const DWORD colorsUsed[] = {257, 0x7FFFFFFF, huge};
    const DWORD infoSizes[] = {0, 12, 0xFFFF, huge};
    const WORD planes[] = {0, 2};
    const WORD types[] = {0x4142, 0x5A4D};   // "BA", "MZ"
    const DWORD sizes[] = {0, huge};
    switch (rng.Below(11)) {
        case 0: Put(b, kOffBits, rng.Pick(offsets)); break;
        case 1: Put(b, kWidth, rng.Pick(widths)); break;
        case 2: Put(b, kHeight, rng.Pick(heights)); break;
        case 3: Put(b, kWidth, LONG(46341)); Put(b, kHeight, LONG(46341)); break;   // w * h overflows
        case 4: Put(b, kBitCount, rng.Pick(depths)); break;
        case 5: Put(b, kCompression, rng.Pick(compressions)); break;
        case 6: Put(b, kClrUsed, rng.Pick(colorsUsed)); break;
        case 7: Put(b, kInfoSize, rng.Pick(infoSizes)); break;
        case 8: Put(b, kPlanes, rng.Pick(planes)); break;
        case 9: Put(b, kType, rng.Pick(types)); break;
        default: Put(b, rng.OneIn(2) ? kFileSize : kSizeImage, rng.Pick(sizes)); break;
    }
}

}  // namespace

const std::vector<COLORREF>& PictureColors() {
    static const std::vector<COLORREF> colors = {RGB(0xC0, 0x40, 0x40), RGB(0x40, 0xC0, 0x40),
                                                 RGB(0x40, 0x40, 0xC0), RGB(0xE0, 0xE0, 0x20)};
    return colors;
}

void MakePictureCase(Case& c, const std::string& path) {
    Rng& rng = c.rng;
    std::string b = Bitmap(rng);
    switch (rng.Below(6)) {
        case 0: c.kind = kIntact; break;
        case 1: case 2:
            c.kind = "truncated";
            b.resize(rng.Below(static_cast<uint32_t>(b.size())));
            break;
        default: c.kind = "lying header"; Lie(rng, b); break;
    }
    c.bytes = b;
    c.path = path;
    testing_support::TempFolder::WriteAt(path, b);
}

}  // namespace hostile
