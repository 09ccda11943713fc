#include "shell/formatdisk.h"

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/platform.h"

#include <cctype>
#include <string>

namespace dovrane {

bool TFormatDrive::DoFormat() {
    lastResult_ = 0;
    std::string root = std::string(1, Drive) + ":\\";
    switch (GetDriveTypeA(root.c_str())) {
        case DRIVE_UNKNOWN: case DRIVE_NO_ROOT_DIR: case DRIVE_REMOTE: case DRIVE_CDROM: case DRIVE_RAMDISK:
            lastResult_ = kFormatNoDrive;
            return false;
        case DRIVE_FIXED:
            if (!AllowHD) {
                lastResult_ = kFormatFixedDisk;
                return false;
            }
            break;
        case DRIVE_REMOVABLE: {
            // Without a diskette the drive answers "path not found" or "not ready".
            UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
            WIN32_FIND_DATAA entry;
            ui::FindHandle find(FindFirstFileA((root + "*.*").c_str(), &entry));
            DWORD error = find ? 0 : GetLastError();
            SetErrorMode(oldMode);
            if (error == ERROR_PATH_NOT_FOUND || error == ERROR_NOT_READY) {
                lastResult_ = kFormatNoDisk;
                return false;
            }
            break;
        }
        default: break;
    }
    auto drive = static_cast<UINT>(std::toupper(static_cast<unsigned char>(Drive)) - 'A');
    ui::ModalScope modal;
    DWORD answer = ui::platform().formatDrive(OwnerHandle, drive, 0, static_cast<UINT>(DefaultAction));
    // The dialog answers 6 for success on some systems.
    lastResult_ = answer == 6 ? 0 : static_cast<int32_t>(answer);
    return lastResult_ == 0;
}

}  // namespace dovrane
