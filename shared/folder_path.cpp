#include "shared/folder_path.h"

#include <windows.h>

namespace velmora {

bool IsLink(unsigned long attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::string CurrentFolder() {
    std::string folder(MAX_PATH, '\0');
    DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
    if (n >= folder.size()) {   // answered the size it needs
        folder.assign(n, '\0');
        n = GetCurrentDirectoryA(n, folder.data());
    }
    folder.resize(n < folder.size() ? n : 0);
    return folder;
}

std::string WithBackslash(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path : path + "\\";
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n == 0 || n >= sizeof full ? std::string() : std::string(full, n);
}

bool IsWithin(const std::string& path, const std::string& folder) {
    std::string inner = FullPath(path), outer = FullPath(folder);
    if (inner.empty() || outer.empty()) return false;
    inner = WithBackslash(inner);
    outer = WithBackslash(outer);
    return inner.size() >= outer.size() &&
           CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, inner.c_str(), static_cast<int>(outer.size()),
                          outer.c_str(), static_cast<int>(outer.size())) == CSTR_EQUAL;
}

}  // namespace velmora
