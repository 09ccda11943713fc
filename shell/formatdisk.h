// TFormatDrive: formats a drive through the system's format dialog, after
// checking that the drive is one that may be formatted and holds a disk.
#pragma once

#include <windows.h>

#include <cstdint>

namespace dovrane {

enum class TFormatOptions { foQuick, foNormal, foSystem };

// Why DoFormat did not open the format dialog.
inline constexpr int32_t kFormatNoDrive = -100;     // unknown, missing, remote, CD-ROM or RAM disk
inline constexpr int32_t kFormatNoDisk = -101;      // removable drive without a diskette
inline constexpr int32_t kFormatFixedDisk = -102;   // fixed disk while AllowHD is false

class TFormatDrive {
public:
    // The owner's window parents the format dialog.
    explicit TFormatDrive(HWND owner = nullptr) : OwnerHandle(owner) {}

    TFormatOptions DefaultAction = TFormatOptions::foQuick;
    char Drive = 'a';
    bool AllowHD = false;

    // True when the drive was formatted.
    bool DoFormat();
    int32_t LastResult() const { return lastResult_; }

private:
    HWND OwnerHandle;
    int32_t lastResult_ = 0;
};

}  // namespace dovrane
