#include "admin/components/file_entry.h"

#include "shared/ansi_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace quorvel {

namespace {

constexpr size_t kMaxTypeName = 79;

std::string Trim(const std::string& s) {
    size_t begin = 0, end = s.size();
    while (begin < end && static_cast<unsigned char>(s[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(s[end - 1]) <= ' ') --end;
    return s.substr(begin, end - begin);
}

char Separator(LCTYPE type, char fallback) {
    char buffer[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) > 1 ? buffer[0] : fallback;
}

// The field that a pattern letter run stands for, or 0 for a literal.
WORD* Field(SYSTEMTIME& t, char letter) {
    switch (letter) {
        case 'y': return &t.wYear;
        case 'm': return &t.wMonth;
        case 'd': return &t.wDay;
        case 'h': return &t.wHour;
        case 'n': return &t.wMinute;
        case 's': return &t.wSecond;
        default: return nullptr;
    }
}

// How many times the character at i repeats from there.
size_t RunLength(const std::string& pattern, size_t i) {
    size_t end = pattern.find_first_not_of(pattern[i], i);
    return (end == std::string::npos ? pattern.size() : end) - i;
}

char Literal(char c) {
    const DateFormats& f = ProgramDateFormats();
    return c == '/' ? f.dateSeparator : c == ':' ? f.timeSeparator : c;
}

std::string Format(const std::string& pattern, SYSTEMTIME t) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        size_t run = RunLength(pattern, i);
        if (WORD* field = Field(t, pattern[i])) {
            std::string digits = std::to_string(*field);
            if (digits.size() < run) out.append(run - digits.size(), '0');
            out += digits;
        } else {
            out.append(run, Literal(pattern[i]));
        }
        i += run;
    }
    return out;
}

// Reads text from pos by the pattern; answers false when it does not match.
bool Parse(const std::string& pattern, const std::string& text, size_t& pos, SYSTEMTIME& t) {
    for (size_t i = 0; i < pattern.size();) {
        size_t run = RunLength(pattern, i);
        if (WORD* field = Field(t, pattern[i])) {
            size_t maxDigits = std::max<size_t>(run, 2), n = 0;
            unsigned value = 0;
            for (; n < maxDigits && pos < text.size() && isdigit(static_cast<unsigned char>(text[pos])); ++n)
                value = value * 10 + (text[pos++] - '0');
            if (n == 0) return false;
            *field = static_cast<WORD>(value);
        } else {
            for (size_t k = 0; k < run; ++k)
                if (pos >= text.size() || text[pos++] != Literal(pattern[i])) return false;
        }
        i += run;
    }
    return true;
}

int Sign(long long v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

int CompareBytes(const std::string& a, const std::string& b) {
    int r = memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return r != 0 ? Sign(r) : Sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

long long Number(const std::string& s) { return std::strtoll(s.c_str(), nullptr, 10); }

}  // namespace

std::string ListCaption(const std::string& name) {
    std::string caption = name;
    for (char& c : caption)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return caption;
}

std::string AttributeLetters(DWORD attributes) {
    std::string letters;
    if (attributes & FILE_ATTRIBUTE_ARCHIVE) letters += 'A';
    if (attributes & FILE_ATTRIBUTE_READONLY) letters += 'R';
    if (attributes & FILE_ATTRIBUTE_HIDDEN) letters += 'H';
    if (attributes & FILE_ATTRIBUTE_SYSTEM) letters += 'S';
    return letters;
}

FileEntry MakeFileEntry(const std::string& folder, const WIN32_FIND_DATAA& record, int image,
                        const char* typeName) {
    bool isFolder = record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    unsigned long long size = isFolder ? 0
        : (static_cast<unsigned long long>(record.nFileSizeHigh) << 32) | record.nFileSizeLow;
    FileEntry e;
    e.caption = ListCaption(record.cFileName);
    e.image = image;
    e.sub[siSize] = std::to_string(size);
    e.sub[siType] = Trim(std::string(typeName, strnlen(typeName, kMaxTypeName)));
    e.sub[siModified] = DateTimeText(record.ftLastWriteTime);
    e.sub[siAttributes] = AttributeLetters(record.dwFileAttributes);
    e.sub[siPath] = folder + record.cFileName;
    e.sub[siKind] = isFolder ? "dir" : "file";
    return e;
}

DateFormats& ProgramDateFormats() {
    static DateFormats formats;
    return formats;
}

void SetListDateFormats() {
    DateFormats& f = ProgramDateFormats();
    f.shortDate = "mm/dd/yyyy";
    f.longTime = "hh:nn";
    f.dateSeparator = Separator(LOCALE_SDATE, '/');
    f.timeSeparator = Separator(LOCALE_STIME, ':');
}

std::string DateTimeText(const FILETIME& lastWrite) {
    FILETIME local;
    SYSTEMTIME t;
    if (!FileTimeToLocalFileTime(&lastWrite, &local) || !FileTimeToSystemTime(&local, &t)) return {};
    t.wSecond = static_cast<WORD>(t.wSecond / 2 * 2);   // the directory's two-second steps
    const DateFormats& f = ProgramDateFormats();
    std::string text = Format(f.shortDate, t);
    if (t.wHour != 0 || t.wMinute != 0 || t.wSecond != 0) text.append(1, ' ').append(Format(f.longTime, t));
    return text;
}

std::optional<double> ParseDateTimeText(const std::string& text) {
    const DateFormats& f = ProgramDateFormats();
    SYSTEMTIME t = {};
    size_t pos = 0;
    if (!Parse(f.shortDate, text, pos, t)) return std::nullopt;
    if (pos < text.size() && (text[pos++] != ' ' || !Parse(f.longTime, text, pos, t))) return std::nullopt;
    if (pos != text.size()) return std::nullopt;
    FILETIME ft;
    if (!SystemTimeToFileTime(&t, &ft)) return std::nullopt;
    ULARGE_INTEGER ticks = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    return static_cast<double>(ticks.QuadPart) / 864000000000.0;
}

int CompareEntries(const FileEntry& a, const FileEntry& b, int column, bool reversed) {
    bool zeroA = a.sub[siSize] == "0", zeroB = b.sub[siSize] == "0";
    int r = 0;
    if (zeroA && !zeroB) {
        r = -1;
    } else if (!zeroA && zeroB) {
        r = 1;
    } else {
        switch (column) {
            case 0: r = CompareBytes(velmora::UpperCase(a.caption), velmora::UpperCase(b.caption)); break;
            case 1: r = Sign(Number(a.sub[siSize]) - Number(b.sub[siSize])); break;
            case 2: r = CompareBytes(UpperAscii(a.sub[siType]), UpperAscii(b.sub[siType])); break;
            case 3: {
                double da = ParseDateTimeText(a.sub[siModified]).value_or(0);
                double db = ParseDateTimeText(b.sub[siModified]).value_or(0);
                r = Sign(std::llround((da - db) * 100000));
                break;
            }
            case 4: r = CompareBytes(UpperAscii(a.sub[siAttributes]), UpperAscii(b.sub[siAttributes])); break;
        }
    }
    return reversed ? -r : r;
}

}  // namespace quorvel
