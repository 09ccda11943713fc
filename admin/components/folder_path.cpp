#include "admin/components/folder_path.h"

#include <windows.h>

namespace quorvel {

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
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

}  // namespace quorvel
