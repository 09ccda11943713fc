#include "shared/registry.h"

#include <vector>

namespace velmora {

RegistryKey RegistryKey::Open(HKEY root, const char* path) {
    RegistryKey k;
    HKEY h = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ | KEY_WRITE, &h) == ERROR_SUCCESS) k.key_.reset(h);
    return k;
}

RegistryKey RegistryKey::OpenReadOnly(HKEY root, const char* path) {
    RegistryKey k;
    HKEY h = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &h) == ERROR_SUCCESS) k.key_.reset(h);
    return k;
}

RegistryKey RegistryKey::Create(HKEY root, const char* path) {
    RegistryKey k;
    HKEY h = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &h, nullptr) ==
        ERROR_SUCCESS)
        k.key_.reset(h);
    return k;
}

std::optional<std::string> RegistryKey::ReadString(const char* name) const {
    if (!key_) return std::nullopt;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data.data());   // up to the first NUL, whatever size claimed
}

std::optional<DWORD> RegistryKey::ReadDword(const char* name) const {
    if (!key_) return std::nullopt;
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

bool RegistryKey::HasValue(const char* name) const {
    return key_ && RegQueryValueExA(key_.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const char* name, const std::string& value) const {
    return key_ && RegSetValueExA(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const char* name, DWORD value) const {
    return key_ && RegSetValueExA(key_.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                  sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const char* name) const {
    return key_ && RegDeleteValueA(key_.get(), name) == ERROR_SUCCESS;
}

}  // namespace velmora
