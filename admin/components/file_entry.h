// One folder entry as the shortcut list view shows it: caption, image and six
// sub-items; the program-wide date and time formats of its date text; and
// the comparison by which the list sorts its entries.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace quorvel {

// The sub-items of an entry; only the first four have columns.
enum SubItemIndex { siSize, siType, siModified, siAttributes, siPath, siKind };

struct FileEntry {
    std::string caption;
    int image = 0;
    std::array<std::string, 6> sub;
};

// The entry for a search record of the folder (given with its final "\"),
// with the image index and type name that the shell gave for it.
FileEntry MakeFileEntry(const std::string& folder, const WIN32_FIND_DATAA& record, int image,
                        const char* typeName);

// The name with the letters A to Z in lower case, every other byte unchanged.
std::string ListCaption(const std::string& name);

// "A", "R", "H", "S" in that order, for the bits that are set.
std::string AttributeLetters(DWORD attributes);

// The program-wide date and time formats. In the patterns, "/" and ":" stand
// for the separators; yyyy, mm, dd, hh, nn and ss for the fields.
struct DateFormats {
    std::string shortDate = "mm/dd/yyyy";
    std::string longTime = "hh:nn";
    char dateSeparator = '/';
    char timeSeparator = ':';
};
DateFormats& ProgramDateFormats();
// Sets "mm/dd/yyyy" and "hh:nn" with the system's own separators.
void SetListDateFormats();

// A last-modified time (UTC, as the search reports it) in local time, to two
// seconds: the date, then a blank and the time unless it is exactly midnight.
std::string DateTimeText(const FILETIME& lastWrite);
// A text of DateTimeText read back, in days; none when it does not parse.
std::optional<double> ParseDateTimeText(const std::string& text);

// The list's sorting rule: entries of size "0" first, then by the column
// (0 caption, 1 size, 2 type, 3 date, 4 attributes); negated when reversed.
int CompareEntries(const FileEntry& a, const FileEntry& b, int column, bool reversed);

}  // namespace quorvel
