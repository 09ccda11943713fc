// Helpers for the dialog tests: a script that plays the user while a form is
// shown modally, the test program's own path (a file with icons), and the
// pixels of an icon, to tell icons apart.
#pragma once

#include "ui/form.h"
#include "ui/platform.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Answers every ShowModal by running the script on the shown form; the
// modal result is what the script left in the form.
class ModalScript {
public:
    explicit ModalScript(std::function<void(ui::Form&)> script) : script_(std::move(script)) {
        ui::platform().showModal = [this](ui::Form& form) {
            ++shown;
            script_(form);
            return form.modalResult;
        };
    }
    int shown = 0;

private:
    ui::PlatformOverride restore_;
    std::function<void(ui::Form&)> script_;
};

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

// The real shell library of the system that runs the tests.
inline std::string SystemShell() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    return std::string(system) + "\\SHELL32.DLL";
}

inline int IconCount(const std::string& file) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(
        ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(-1))));
}

inline std::vector<uint32_t> IconPixels(HICON icon) {
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    HBITMAP picture = info.hbmColor ? info.hbmColor : info.hbmMask;
    BITMAP bm = {};
    GetObject(picture, sizeof bm, &bm);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, picture, 0, bm.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

// The pixels of icon index of file, as ExtractIcon gives it.
inline std::vector<uint32_t> FileIconPixels(const std::string& file, int index) {
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(index));
    if (reinterpret_cast<UINT_PTR>(icon) <= 1) return {};
    std::vector<uint32_t> pixels = IconPixels(icon);
    DestroyIcon(icon);
    return pixels;
}

}  // namespace testing_support
