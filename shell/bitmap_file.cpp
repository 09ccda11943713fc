#include "shell/bitmap_file.h"

#include "ui/handles.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace dovrane {

bool WholeBitmapFile(const std::string& path) {
    ui::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    BITMAPFILEHEADER head = {};
    BITMAPINFOHEADER info = {};
    DWORD read = 0, size = GetFileSize(file.get(), nullptr);
    if (!ReadFile(file.get(), &head, sizeof head, &read, nullptr) || read != sizeof head) return false;
    if (!ReadFile(file.get(), &info, sizeof info, &read, nullptr)) return false;
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
    int64_t most = bits <= 8 ? int64_t(1) << bits : 0;   // a palette holds no more colours than the pixels name
    if (colours > (most ? most : 256)) return false;
    if (colours == 0) colours = most;
    if (int64_t(sizeof head) + info.biSize + masks + colours * entry > head.bfOffBits) return false;
    int64_t room = int64_t(size) - head.bfOffBits;
    if (packed > 0) return packed <= room;
    int64_t row = (width * bits + 31) / 32 * 4;   // rows are padded to 4 bytes
    return height <= room / row;
}

}  // namespace dovrane
