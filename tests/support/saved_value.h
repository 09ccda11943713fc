// A registry value saved when a test begins and put back (or removed) when it ends.
#pragma once

#include "shared/registry.h"

namespace testing_support {

class SavedValue {
public:
    SavedValue(HKEY root, const char* key, const char* name)
        : root_(root), key_(key), name_(name), text_(velmora::RegistryKey::Open(root, key).ReadString(name)),
          number_(velmora::RegistryKey::Open(root, key).ReadDword(name)) {}
    ~SavedValue() {
        auto k = velmora::RegistryKey::Create(root_, key_.c_str());
        k.DeleteValue(name_.c_str());
        if (text_) k.WriteString(name_.c_str(), *text_);
        if (number_) k.WriteDword(name_.c_str(), *number_);
    }

private:
    HKEY root_;
    std::string key_, name_;
    std::optional<std::string> text_;
    std::optional<DWORD> number_;
};

}  // namespace testing_support
