#include "shared/link_layout.h"

#include "shared/file_bytes.h"

#include <cstdint>

namespace velmora {

namespace {

// The header: its size, the shell-link class, the flags that announce the
// optional parts, in their order in the file.
constexpr size_t kHeaderSize = 0x4C, kFlagsAt = 0x14;
constexpr char kLinkClass[] = "\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46";
constexpr uint32_t kHasIdList = 0x1, kHasLinkInfo = 0x2, kFirstString = 0x4, kLastString = 0x40,
                   kIsUnicode = 0x80;
// The location block and what it points to.
constexpr uint32_t kLinkInfoHeader = 0x1C, kLinkInfoUnicodeHeader = 0x24, kVolumeHeader = 0x10,
                   kVolumeUnicodeLabel = 0x14, kNetworkHeader = 0x14, kNetworkUnicodeHeader = 0x1C;

class Reader {
public:
    explicit Reader(const std::string& bytes) : b_(bytes) {}
    // n bytes from at lie inside [at, end), end itself inside the file.
    bool Has(size_t at, size_t n, size_t end) const { return end <= b_.size() && at <= end && n <= end - at; }
    bool Has(size_t at, size_t n) const { return Has(at, n, b_.size()); }
    uint32_t U16(size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
    // A text that starts at `offset` into the block at `block` and ends, with
    // its terminating zero, before `end`. Offset 0 means no text.
    bool TextInside(size_t block, uint32_t offset, size_t end, bool wide) const {
        if (offset == 0) return true;
        if (!Has(block, offset, end)) return false;
        size_t unit = wide ? 2 : 1;
        for (size_t at = block + offset; Has(at, unit, end); at += unit)
            if ((wide ? U16(at) : Byte(at)) == 0) return true;
        return false;
    }

private:
    uint32_t Byte(size_t at) const { return static_cast<unsigned char>(b_[at]); }
    const std::string& b_;
};

// Items, each as long as its first two bytes say, then two zero bytes that
// end the list exactly at its end.
bool IdListIsSound(const Reader& r, size_t at, size_t end) {
    while (r.Has(at, 2, end)) {
        uint32_t size = r.U16(at);
        if (size == 0) return at + 2 == end;
        if (size < 2) return false;
        at += size;
    }
    return false;
}

bool VolumeIsSound(const Reader& r, size_t at, size_t end) {
    if (!r.Has(at, kVolumeHeader, end)) return false;
    uint32_t size = r.U32(at);
    if (size < kVolumeHeader || !r.Has(at, size, end)) return false;
    uint32_t label = r.U32(at + 12);
    if (label != kVolumeUnicodeLabel) return r.TextInside(at, label, at + size, false);
    return size >= kVolumeUnicodeLabel + 4 && r.TextInside(at, r.U32(at + 16), at + size, true);
}

bool NetworkLinkIsSound(const Reader& r, size_t at, size_t end) {
    if (!r.Has(at, kNetworkHeader, end)) return false;
    uint32_t size = r.U32(at);
    if (size < kNetworkHeader || !r.Has(at, size, end)) return false;
    uint32_t netName = r.U32(at + 8);
    if (!r.TextInside(at, netName, at + size, false) || !r.TextInside(at, r.U32(at + 12), at + size, false))
        return false;
    if (netName <= kNetworkHeader) return true;
    return size >= kNetworkUnicodeHeader && r.TextInside(at, r.U32(at + 20), at + size, true) &&
           r.TextInside(at, r.U32(at + 24), at + size, true);
}

bool LinkInfoIsSound(const Reader& r, size_t at) {
    if (!r.Has(at, kLinkInfoHeader)) return false;
    uint32_t size = r.U32(at), header = r.U32(at + 4);
    if (size < kLinkInfoHeader || !r.Has(at, size) || header < kLinkInfoHeader || header > size) return false;
    size_t end = at + size;
    uint32_t volume = r.U32(at + 12), network = r.U32(at + 20);
    if (volume && !(volume < size && VolumeIsSound(r, at + volume, end))) return false;
    if (network && !(network < size && NetworkLinkIsSound(r, at + network, end))) return false;
    if (!r.TextInside(at, r.U32(at + 16), end, false) || !r.TextInside(at, r.U32(at + 24), end, false))
        return false;
    if (header < kLinkInfoUnicodeHeader) return true;
    return r.TextInside(at, r.U32(at + 28), end, true) && r.TextInside(at, r.U32(at + 32), end, true);
}

// The extra blocks of the format have a fixed size or a least one.
bool ExtraBlockIsSound(uint32_t signature, uint32_t size) {
    switch (signature) {
        case 0xA0000001: case 0xA0000006: case 0xA0000007: return size == 0x314;
        case 0xA0000002: return size == 0xCC;
        case 0xA0000003: return size == 0x60;
        case 0xA0000004: return size == 0x0C;
        case 0xA0000005: return size == 0x10;
        case 0xA000000B: return size == 0x1C;
        case 0xA0000008: return size >= 0x88;
        case 0xA0000009: return size >= 0x0C;
        case 0xA000000C: return size >= 0x0A;
        default: return true;
    }
}

}  // namespace

bool LinkLayoutIsSound(const std::string& bytes) {
    Reader r(bytes);
    if (!r.Has(0, kHeaderSize) || r.U32(0) != kHeaderSize || bytes.compare(4, 16, kLinkClass, 16) != 0)
        return false;
    uint32_t flags = r.U32(kFlagsAt);
    size_t at = kHeaderSize;
    if (flags & kHasIdList) {
        if (!r.Has(at, 2) || !r.Has(at + 2, r.U16(at)) || !IdListIsSound(r, at + 2, at + 2 + r.U16(at)))
            return false;
        at += 2 + r.U16(at);
    }
    if (flags & kHasLinkInfo) {
        if (!LinkInfoIsSound(r, at)) return false;
        at += r.U32(at);
    }
    for (uint32_t part = kFirstString; part <= kLastString; part <<= 1) {
        if (!(flags & part)) continue;
        if (!r.Has(at, 2) || !r.Has(at + 2, r.U16(at) * (flags & kIsUnicode ? 2 : 1))) return false;
        at += 2 + r.U16(at) * (flags & kIsUnicode ? 2 : 1);
    }
    // Extra blocks, up to a size below 4 or the end of the file. The system
    // takes a block only whole: one that the file does not hold (a stray
    // byte where the end mark should be) ends the list there too.
    while (r.Has(at, 4) && r.U32(at) >= 4 && r.Has(at, r.U32(at))) {
        uint32_t size = r.U32(at);
        if (size < 8 || !ExtraBlockIsSound(r.U32(at + 4), size)) return false;
        at += size;
    }
    return true;
}

bool LinkFileIsSound(const std::string& path) {
    std::string bytes;
    return ReadFileBytes(path, kMaxLinkFileSize, bytes) && LinkLayoutIsSound(bytes);
}

}  // namespace velmora
