// A drop handle as the shell builds it for WM_DROPFILES, for tests that drop
// files on a window without a shell to drag them from.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace testing_support {

// A DROPFILES header followed by the names, each ended by a zero, and one
// more zero (two for no name at all). The receiver releases it.
inline HDROP MakeDrop(const std::vector<std::string>& files, POINT point = {0, 0}) {
    size_t size = sizeof(DROPFILES) + 2;
    for (const std::string& f : files) size += f.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    char* names = reinterpret_cast<char*>(header + 1);
    for (const std::string& f : files) {
        memcpy(names, f.c_str(), f.size() + 1);
        names += f.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace testing_support
