// Helpers for the dialog tests: files with icons (the test program itself,
// the system's shell library) and the pixels of one of their icons.
#pragma once

#include "tests/support/pixels.h"
#include "tests/support/test_folder.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace testing_support {

// After a refusal the user types on in the field: focused, its text selected.
inline bool FocusedAndSelected(HWND edit) {
    DWORD start = 1, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return GetFocus() == edit && start == 0 && end == static_cast<DWORD>(GetWindowTextLengthA(edit));
}

inline std::string TestProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

inline int IconCount(const std::string& file) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(
        ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(-1))));
}

// The pixels of icon index of file, as ExtractIcon gives it.
inline std::vector<COLORREF> FileIconPixels(const std::string& file, int index) {
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(index));
    if (reinterpret_cast<UINT_PTR>(icon) <= 1) return {};
    std::vector<COLORREF> pixels = IconPixels(icon);
    DestroyIcon(icon);
    return pixels;
}

}  // namespace testing_support
