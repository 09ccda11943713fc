#include "shared/profile_store.h"

#include "ui/path_kind.h"

#include <cstdint>

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

std::string ResolveProfileName(const std::optional<std::string>& userName,
                               const std::string& profilesFolder) {
    // An empty name would make the profiles folder itself the desktop.
    std::string name = userName && !userName->empty() ? *userName : kDefaultProfile;
    return ui::FolderExists(ProfileFolder(profilesFolder, name)) ? name : kFallbackProfile;
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
