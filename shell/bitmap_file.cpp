#include "shell/bitmap_file.h"

#include "shared/file_bytes.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace dovrane {

namespace {

// Larger than any picture a desktop is tiled with: taken for damaged.
constexpr size_t kMaxPictureFileSize = 64 << 20;

bool WholeBitmap(const std::string& bytes) {
    BITMAPFILEHEADER head = {};
    BITMAPINFOHEADER info = {};
    if (bytes.size() < sizeof head) return false;
    std::memcpy(&head, bytes.data(), sizeof head);
    size_t read = std::min(bytes.size() - sizeof head, sizeof info);
    std::memcpy(&info, bytes.data() + sizeof head, read);
    int64_t size = bytes.size();
    int64_t width = 0, height = 0, bits = 0, packed = 0, colours = 0, entry = 4, masks = 0;
    DWORD compression = BI_RGB;
    if (read >= sizeof(BITMAPCOREHEADER) && info.biSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(&core, &info, sizeof core);
        width = core.bcWidth, height = core.bcHeight, bits = core.bcBitCount;
        entry = 3;
    } else if (read == sizeof info && info.biSize >= sizeof info) {
        width = info.biWidth, height = info.biHeight < 0 ? -int64_t(info.biHeight) : info.biHeight;
        bits = info.biBitCount, compression = info.biCompression, colours = info.biClrUsed;
        // Compressed pixels say their own size.
        if (compression == BI_RLE8 || compression == BI_RLE4) packed = info.biSizeImage;
        if (compression == BI_BITFIELDS && info.biSize == sizeof info) masks = 3 * 4;
    }
    bool known = compression == BI_RGB || (compression == BI_BITFIELDS && (bits == 16 || bits == 32)) ||
                 (compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4);
    bool depth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (head.bfType != 0x4D42 || width <= 0 || height <= 0 || !known || !depth || head.bfOffBits > size) return false;
    // A palette may hold more colours than the pixels name (the system uses
    // the first ones); it must end before the pixels.
    if (colours == 0) colours = bits <= 8 ? int64_t(1) << bits : 0;
    if (int64_t(sizeof head) + info.biSize + masks + colours * entry > head.bfOffBits) return false;
    int64_t room = size - head.bfOffBits;
    if (packed > 0) return packed <= room;
    int64_t row = (width * bits + 31) / 32 * 4;   // rows are padded to 4 bytes
    return height <= room / row;
}

}  // namespace

HBITMAP LoadBitmapFile(const std::string& path) {
    std::string bytes;
    if (!velmora::ReadFileBytes(path, kMaxPictureFileSize, bytes) || !WholeBitmap(bytes)) return nullptr;
    // Made from the bytes rather than loaded by name: the system's loader
    // paints a picture whose rows are stored from the top black. Header and
    // pixels are copied apart, each aligned as the system wants them.
    size_t pixelsAt = reinterpret_cast<const BITMAPFILEHEADER*>(bytes.data())->bfOffBits;
    std::string info = bytes.substr(sizeof(BITMAPFILEHEADER), pixelsAt - sizeof(BITMAPFILEHEADER));
    std::string pixels = bytes.substr(pixelsAt);
    auto* header = reinterpret_cast<const BITMAPINFO*>(info.data());
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &header->bmiHeader, CBM_INIT, pixels.data(), header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace dovrane
