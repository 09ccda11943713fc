#include "shell/offered_programs.h"

#include "shared/ansi_text.h"
#include "ui/handles.h"

#include <algorithm>
#include <array>

namespace dovrane {

namespace {

// Sub-folders deeper than this are not read: a profile holds one or two levels.
constexpr int kMaxDepth = 8;

// The fixed fields of a program information file's first section, which
// every version of the format begins with.
constexpr size_t kPifTitle = 0x02, kPifTitleSize = 30;
constexpr size_t kPifProgram = 0x24, kPifProgramSize = 63;
constexpr size_t kPifStartFolder = 0x65, kPifStartFolderSize = 64;
constexpr size_t kPifBasicSize = 0x171;

bool IsProgramInformationFile(const std::string& name) {
    return velmora::UpperCase(name).find(".PIF") != std::string::npos;
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A text field of a program information file: up to its first NUL, without
// its padding; a field that holds control characters is damaged and empty.
std::string PifField(const std::array<char, kPifBasicSize>& data, size_t read, size_t offset, size_t size) {
    if (read < offset + size) return {};
    std::string text(&data[offset], size);
    text.resize(std::min(text.find('\0'), text.size()));
    bool damaged = std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return damaged ? std::string() : Trimmed(text);
}

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of("\\:/") + 1); }

bool IsRelative(const std::string& path) { return path.find_first_of("\\:") == std::string::npos; }

std::string Canonical(const std::string& path) {
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return velmora::UpperCase(length > 0 && length < sizeof shortPath ? std::string(shortPath, length) : path);
}

bool Holds(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

OfferedPrograms::OfferedPrograms(const std::string& profileDir) { ReadFolder(profileDir, 0); }

bool OfferedPrograms::Offers(const std::string& programPath) const {
    return !programPath.empty() && Holds(programs_, Canonical(Trimmed(programPath)));
}

bool OfferedPrograms::OffersConsole(const std::string& windowTitle) const {
    std::string title = Trimmed(windowTitle);
    return !title.empty() && (Holds(consoleTitles_, velmora::UpperCase(title)) || Offers(title));
}

void OfferedPrograms::ReadFolder(const std::string& folder, int depth) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (!find) return;
    do {
        std::string name = entry.cFileName, path = folder + "\\" + name;
        // A sub-folder, as the desktop tells one: the directory bit alone.
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY) {
            if (name != "." && name != ".." && depth < kMaxDepth) ReadFolder(path, depth + 1);
        } else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            if (IsProgramInformationFile(name)) ReadProgramInformation(path);
            else ReadShortcut(path);
        }
    } while (FindNextFileA(find.get(), &entry));
}

void OfferedPrograms::ReadShortcut(const std::string& path) {
    link_.SetFileName(path);
    try {
        link_.ReadLink();
    } catch (const velmora::EVornShellLink&) {
        return;   // a damaged shortcut offers nothing
    }
    if (link_.Target.empty()) return;
    Add(link_.Target);
    if (IsProgramInformationFile(link_.Target)) ReadProgramInformation(link_.Target);
}

void OfferedPrograms::ReadProgramInformation(const std::string& path) {
    std::array<char, kPifBasicSize> data = {};
    DWORD read = 0;
    ui::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file || !ReadFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr)) return;

    std::string program = PifField(data, read, kPifProgram, kPifProgramSize);
    if (program.empty()) return;
    std::string folder = PifField(data, read, kPifStartFolder, kPifStartFolderSize);
    if (IsRelative(program) && !folder.empty() && !IsRelative(folder))
        program = folder + (folder.back() == '\\' ? "" : "\\") + program;
    Add(program);
    std::string title = PifField(data, read, kPifTitle, kPifTitleSize);
    if (title.empty()) {
        std::string name = FileNameOf(program);
        title = name.substr(0, name.find('.'));
    }
    consoleTitles_.push_back(velmora::UpperCase(title));
}

void OfferedPrograms::Add(const std::string& program) { programs_.push_back(Canonical(Trimmed(program))); }

}  // namespace dovrane
