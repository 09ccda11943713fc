#include "admin/rules/shortcut_names.h"

#include "shared/ansi_text.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace quorvel {

std::string FolderPart(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string FileNamePart(const std::string& path) { return path.substr(FolderPart(path).size()); }

std::string ExtensionPart(const std::string& path) {
    std::string name = FileNamePart(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string NameBeforeFirstDot(const std::string& fileName) {
    size_t dot = fileName.find('.');
    return dot == std::string::npos ? std::string() : fileName.substr(0, dot);
}

std::optional<int> DecimalValue(const std::string& text) {
    if (text.empty() || text.find_first_not_of("+-0123456789") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

NameFault TypedNameFault(const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) return NameFault::Missing;
    for (unsigned char c : name)
        if (c < 32 || std::string("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos)
            return NameFault::Characters;
    // The system's devices answer to these names whatever the extension.
    std::string device = name.substr(0, name.find('.'));
    device.erase(device.find_last_not_of(' ') + 1);
    device = velmora::UpperCase(device);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CLOCK$"};
    for (const char* d : kDevices)
        if (device == d) return NameFault::Reserved;
    if (device.size() == 4 && (device.rfind("COM", 0) == 0 || device.rfind("LPT", 0) == 0) &&
        device[3] >= '1' && device[3] <= '9')
        return NameFault::Reserved;
    // The system drops a final dot or blank: "." and ".." name the folder itself and its parent.
    if (name.back() == '.' || name.back() == ' ') return NameFault::Ending;
    return name.size() > kMaxTypedName ? NameFault::TooLong : NameFault::None;
}

std::string ShortcutNameProblem(const std::string& name) {
    switch (TypedNameFault(name)) {
        case NameFault::None: return {};
        case NameFault::Missing: return kMissingName;
        case NameFault::Characters: return kForbiddenCharacters;
        case NameFault::Reserved: return kReservedName;
        case NameFault::Ending: return kBadEnding;
        case NameFault::TooLong: return kNameTooLong;
    }
    return {};
}

}  // namespace quorvel
