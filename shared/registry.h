// A registry key opened for the time of one operation. The shell opens keys
// without creating them; the administration program creates the keys it
// writes into.
#pragma once

#include "ui/handles.h"

#include <optional>
#include <string>

namespace velmora {

class RegistryKey {
public:
    // Opens an existing key; the result is not open when the key is missing.
    static RegistryKey Open(HKEY root, const char* path);
    // Opens an existing key for reading only: what is only read is opened so.
    static RegistryKey OpenReadOnly(HKEY root, const char* path);
    // Opens the key, creating it (and its parents) when missing.
    static RegistryKey Create(HKEY root, const char* path);

    bool IsOpen() const { return static_cast<bool>(key_); }
    // A string value; none when the value is missing or not a string.
    std::optional<std::string> ReadString(const char* name) const;
    std::optional<DWORD> ReadDword(const char* name) const;
    bool HasValue(const char* name) const;
    bool WriteString(const char* name, const std::string& value) const;
    bool WriteDword(const char* name, DWORD value) const;
    bool DeleteValue(const char* name) const;

private:
    ui::KeyHandle key_;
};

}  // namespace velmora
