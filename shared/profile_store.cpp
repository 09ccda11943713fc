#include "shared/profile_store.h"

#include "shared/ansi_text.h"
#include "shared/registry.h"
#include "ui/handles.h"
#include "ui/path_kind.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>

namespace velmora {

std::string ProfilesFolder(const std::string& windowsDir) {
    return windowsDir + "\\" + kProfilesFolderName;
}

std::string ProfileFolder(const std::string& profilesFolder, const std::string& name) {
    return profilesFolder + "\\" + name;
}

std::string SettingsFileOf(const std::string& profilesFolder, const std::string& name) {
    return profilesFolder + "\\" + name + ".ini";
}

std::vector<std::string> ProfileNames(const std::string& profilesFolder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((profilesFolder + "\\*.*").c_str(), &entry));
    if (!find) return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != ".." && entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY) names.push_back(name);
    } while (FindNextFileA(find.get(), &entry));
    return names;
}

std::string ResolveProfileName(const std::optional<std::string>& userName,
                               const std::string& profilesFolder) {
    // An empty name would make the profiles folder itself the desktop.
    std::string name = userName && !userName->empty() ? *userName : kDefaultProfile;
    return ui::FolderExists(ProfileFolder(profilesFolder, name)) ? name : kFallbackProfile;
}

namespace {

// An element of a path: not empty, not cut by the system (a final "." or
// blank), nothing that names no file.
bool UsableElement(const std::string& element) {
    if (element.empty() || element.back() == '.' || element.back() == ' ') return false;
    for (unsigned char c : element)
        if (c < 32 || std::string_view("<>:\"/|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return true;
}

}  // namespace

std::string ProfilesLocation(const std::string& path) {
    std::string folder = path;
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (folder.empty() || folder.size() > kMaxProfilesLocation) return {};
    // What follows "\\server\share" or "X:" is elements, each after a backslash.
    size_t rest;
    if (folder.compare(0, 2, "\\\\") == 0) {
        size_t share = folder.find('\\', 2);
        if (share == std::string::npos || !UsableElement(folder.substr(2, share - 2))) return {};
        rest = folder.find('\\', share + 1);
        if (!UsableElement(folder.substr(share + 1, rest - share - 1))) return {};
    } else {
        char drive = static_cast<char>(folder[0] | 0x20);
        if (folder.size() < 2 || folder[1] != ':' || drive < 'a' || drive > 'z') return {};
        rest = 2;
    }
    while (rest != std::string::npos && rest < folder.size()) {
        if (folder[rest] != '\\') return {};
        size_t next = folder.find('\\', rest + 1);
        if (!UsableElement(folder.substr(rest + 1, next - rest - 1))) return {};
        rest = next;
    }
    return folder;
}

std::string SharedProfilesFolder() {
    auto key = RegistryKey::OpenReadOnly(HKEY_LOCAL_MACHINE, kVendorKey);
    return ProfilesLocation(key.ReadString(kProfilesLocationValue).value_or(""));
}

bool SetSharedProfilesFolder(const std::string& folder) {
    auto key = RegistryKey::Create(HKEY_LOCAL_MACHINE, kVendorKey);
    if (!folder.empty()) return key.WriteString(kProfilesLocationValue, folder);
    return key.IsOpen() && (!key.HasValue(kProfilesLocationValue) || key.DeleteValue(kProfilesLocationValue));
}

std::string EditedProfilesFolder(const std::string& windowsDir) {
    std::string shared = SharedProfilesFolder();
    return shared.empty() ? ProfilesFolder(windowsDir) : shared;
}

std::string TemporaryLinkName(unsigned n) {
    const char hex[] = "0123456789ABCDEF";
    std::string name = "~vlm0000.lnk";
    for (int i = 7; i >= 4; --i, n >>= 4) name[i] = hex[n & 15];
    return name;
}

bool IsTemporaryLinkName(const std::string& name) {
    std::string upper = UpperCase(name);
    return upper.size() == 12 && upper.compare(0, 4, "~VLM") == 0 && upper.compare(8, 4, ".LNK") == 0 &&
           std::all_of(upper.begin() + 4, upper.begin() + 8, [](unsigned char c) { return isxdigit(c) != 0; });
}

int ParseSettingInteger(const std::string& text, int fallback) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (text.compare(i, 1, "$") == 0) {
        base = 16;
        i += 1;
    } else if (!negative && i == 0 && text.size() > 2 && (text.compare(0, 2, "0x") == 0 || text.compare(0, 2, "0X") == 0)) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return fallback;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return fallback;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return fallback;
    }
    if (base == 16) {
        // Hexadecimal spells the 32 bits as they are: $FFFFFFFF is -1.
        auto bits = static_cast<int32_t>(static_cast<uint32_t>(value));
        return negative ? -bits : bits;
    }
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return fallback;
    return negative ? static_cast<int>(-static_cast<int64_t>(value)) : static_cast<int>(value);
}

std::string SettingsFile::ReadString(const SettingKey& k, const std::string& fallback) const {
    char buffer[1024] = {};
    DWORD n = GetPrivateProfileStringA(k.section, k.key, fallback.c_str(), buffer, sizeof buffer,
                                       path_.c_str());
    return std::string(buffer, n);
}

int SettingsFile::ReadInteger(const SettingKey& k, int fallback) const {
    std::string text = ReadString(k, "");
    return text.empty() ? fallback : ParseSettingInteger(text, fallback);
}

bool SettingsFile::WriteString(const SettingKey& k, const std::string& value) const {
    return WritePrivateProfileStringA(k.section, k.key, value.c_str(), path_.c_str()) != FALSE;
}

bool SettingsFile::WriteInteger(const SettingKey& k, int value) const {
    return WriteString(k, std::to_string(value));
}

std::string PaddedPassword(const std::string& typed) {
    std::string text = typed.substr(0, kPasswordLength);
    text.resize(kPasswordLength, ' ');
    return text;
}

bool TypablePassword(const std::string& text) {
    if (text.size() != kPasswordLength) return false;
    for (char c : text)
        if (c != ' ' && !IsCharAlphaNumericA(c)) return false;
    return true;
}

}  // namespace velmora
