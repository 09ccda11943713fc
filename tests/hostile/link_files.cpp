// Generated shortcut files: a real link written through the system's
// shell-link object with generated fields, then damaged.
#include "tests/hostile/generated_files.h"

#include "tests/support/test_folder.h"
#include "ui/application.h"

#include <gtest/gtest.h>

namespace hostile {

namespace {

// The link format's flags that announce the optional parts.
constexpr uint32_t kHasIdList = 0x1, kHasLinkInfo = 0x2, kIsUnicode = 0x80;
constexpr size_t kHeaderSize = 0x4C, kFlagsOffset = 0x14;

std::string Printable(Rng& rng, size_t n) {
    std::string text(n, ' ');
    for (char& c : text) c = static_cast<char>(0x20 + rng.Below(0xE0));   // CP1252 letters included
    return text;
}

std::string GeneratedTarget(Rng& rng) {
    switch (rng.Below(8)) {
        case 0: return testing_support::SystemFile("notepad.exe");
        case 1: return testing_support::SystemFile("winemine.exe");
        case 2: return "C:\\Programmes\\absent\\prog.exe";
        case 3: return "\\\\serveur\\partage\\outil.exe";
        case 4: return "notes.txt";
        case 5: return "";
        case 6: return "C:\\Données\\Éditeur.exe";
        default: return "C:\\" + std::string(240, 'd') + ".exe";
    }
}

std::string GeneratedText(Rng& rng, std::initializer_list<const char*> forms) {
    uint32_t pick = rng.Below(static_cast<uint32_t>(forms.size()) + 2);
    if (pick < forms.size()) return forms.begin()[pick];
    return Printable(rng, pick == forms.size() ? rng.Below(40) : velmora::kMaxLinkText);
}

// Saving a link costs the system object a good deal: the cases are made
// from a pool of base links, each written once per run through the real
// component and system object.
constexpr int kBaseLinks = 64;

// The object makes a relative target absolute from the current folder: the
// bases are written from a folder of a fixed name, so that every run on
// every machine makes the same bytes.
std::string WrittenBase(int k) {
    const std::string folder = "C:\\velmora_hostile_links";
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    Rng rng = Case("base link", k).rng;
    velmora::TVornShellLink link;
    link.SetFileName(folder + "\\base");
    link.Target = GeneratedTarget(rng);
    link.Arguments = GeneratedText(rng, {"", "/x", "\"C:\\mon fichier.txt\"", "%1 %2"});
    link.WorkingDir = GeneratedText(rng, {"", "C:\\windows", "A:\\", "C:\\absent"});
    link.Description = GeneratedText(rng, {"", "Bloc-notes"});
    link.FileIcon().FileName = GeneratedText(rng, {"", "shell32.dll", "C:\\absent.ico"});
    const int32_t indexes[] = {0, 3, -1, 0x7FFFFFFF, static_cast<int32_t>(rng.Next())};
    link.FileIcon().IconIndex = rng.Pick(indexes);
    link.SetHotKeyWord(static_cast<uint16_t>(rng.Next()));
    const int32_t shows[] = {1, 2, 3, 7, 0, -1, static_cast<int32_t>(rng.Next())};
    link.ShowCmd = rng.Pick(shows);
    try {
        link.WriteLink();
    } catch (const velmora::EVornShellLink& e) {
        ADD_FAILURE() << "the base link " << k << " could not be written: " << e.what();
    }
    SetCurrentDirectoryA(current);
    std::string bytes = testing_support::ReadFile(link.FileName());
    testing_support::DeleteTree(folder);
    return bytes;
}

const std::string& BaseLink(Rng& rng) {
    static std::vector<std::string> bases(kBaseLinks);
    std::string& base = bases[rng.Below(kBaseLinks)];
    if (base.empty()) base = WrittenBase(static_cast<int>(&base - bases.data()));
    return base;
}

uint32_t Read(const std::string& b, size_t at, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

void Write(std::string& b, size_t at, int width, uint32_t v) {
    for (int i = 0; i < width; ++i, v >>= 8) b[at + i] = static_cast<char>(v);
}

struct Field {
    size_t at;
    int width;
};

// Every length and offset of the file that the loader trusts: the header's
// size, the item list's and each item's sizes, the location block's sizes
// and offsets, the string counts, the extra blocks' sizes.
std::vector<Field> LengthsAndOffsets(const std::string& b) {
    std::vector<Field> fields;
    size_t n = b.size();
    auto has = [n](size_t at, size_t width) { return at + width <= n; };
    if (!has(0, kHeaderSize)) return fields;
    fields.push_back({0, 4});
    uint32_t flags = Read(b, kFlagsOffset, 4);
    size_t at = kHeaderSize;
    if ((flags & kHasIdList) && has(at, 2)) {
        fields.push_back({at, 2});
        size_t end = at + 2 + Read(b, at, 2);
        for (size_t item = at + 2; has(item, 2) && item < end;) {
            fields.push_back({item, 2});
            uint32_t size = Read(b, item, 2);
            if (size == 0) break;
            item += size;
        }
        at = end;
    }
    if ((flags & kHasLinkInfo) && has(at, 28)) {
        for (size_t offset = 0; offset < 28; offset += 4)
            if (offset != 8) fields.push_back({at + offset, 4});   // all but the location flags
        at += Read(b, at, 4);
    }
    for (uint32_t part = 0x4; part <= 0x40 && has(at, 2); part <<= 1) {
        if (!(flags & part)) continue;
        fields.push_back({at, 2});
        at += 2 + Read(b, at, 2) * (flags & kIsUnicode ? 2 : 1);
    }
    while (has(at, 4)) {
        uint32_t size = Read(b, at, 4);
        fields.push_back({at, 4});
        if (size < 4) break;
        at += size;
    }
    return fields;
}

void OutOfRange(Rng& rng, std::string& b) {
    std::vector<Field> fields = LengthsAndOffsets(b);
    if (fields.empty()) return;
    Field f = fields[rng.Below(static_cast<uint32_t>(fields.size()))];
    uint32_t v = Read(b, f.at, f.width);
    auto size = static_cast<uint32_t>(b.size());
    const uint32_t values[] = {0, 1, v - 1, v + 1, v * 2, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000u,
                               0xFFFFFFFFu, size, size - static_cast<uint32_t>(f.at), size + 1,
                               static_cast<uint32_t>(rng.Next())};
    Write(b, f.at, f.width, rng.Pick(values));
}

using namespace std::string_literals;
const std::string kTexts[] = {
    ""s,
    "Ceci n'est pas un raccourci.\r\n"s,
    "[InternetShortcut]\r\nURL=http://exemple.fr/\r\n"s,
    "C:\\windows\\notepad.exe lisez.txt\r\n"s,
    "[BackGround]\r\nColor=8421376\r\nImage=C:\\fond.bmp\r\n"s,
    "L\0\0\0"s,                        // the first bytes of a link
    "\xFF\xFE" "L\0i\0e\0n\0"s,        // UTF-16 text
};

std::string TextFile(Rng& rng) {
    if (rng.OneIn(8)) return std::string(100000, 'a');
    return rng.Pick(kTexts) + Printable(rng, rng.Below(200));
}

}  // namespace

void MakeLinkCase(Case& c, const std::string& path) {
    Rng& rng = c.rng;
    std::string b = BaseLink(rng);
    switch (rng.Below(14)) {
        case 0:
            c.kind = kIntact;
            break;
        case 1: case 2: case 3:
            c.kind = "truncated";
            b.resize(rng.Below(static_cast<uint32_t>(b.size())));
            break;
        case 4: case 5: case 6:
            c.kind = "bit flips";
            for (uint32_t i = 1 + rng.Below(16); i > 0 && !b.empty(); --i)
                b[rng.Below(static_cast<uint32_t>(b.size()))] ^= static_cast<char>(1 << rng.Below(8));
            break;
        case 7: case 8: case 9: case 10:
            c.kind = "length or offset out of range";
            OutOfRange(rng, b);
            break;
        case 11:
            c.kind = "claims parts it lacks";
            if (b.size() >= kHeaderSize) Write(b, kFlagsOffset, 4, Read(b, kFlagsOffset, 4) | rng.Below(0x100));
            break;
        case 12:
            c.kind = "random bytes";
            b = (rng.OneIn(2) ? b.substr(0, 20) : std::string()) + rng.Bytes(rng.Below(2048));
            break;
        default:
            c.kind = "text";
            b = TextFile(rng);
            break;
    }
    c.bytes = b;
    c.path = path;
    testing_support::TempFolder::WriteAt(path, b);
}

std::string ReadError(const std::string& path, velmora::TVornShellLink& link) {
    link.SetFileName(path);
    try {
        link.ReadLink();
    } catch (const velmora::EVornShellLink& e) {
        return ui::Application::ErrorText(e.what());
    }
    return {};
}

}  // namespace hostile
