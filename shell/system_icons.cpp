#include "shell/system_icons.h"

#include "resources/resource_ids.h"
#include "shared/shell_link.h"
#include "shell/lockdown.h"
#include "ui/platform.h"

#include <shellapi.h>

#include <string>

namespace dovrane {

namespace {

HICON IconOfKind(int index) {
    SHFILEINFOA info = {};
    const char* name = index == kClosedFolderIcon ? "dossier" : "programme.exe";
    DWORD attributes = index == kClosedFolderIcon ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    SHGetFileInfoA(name, attributes, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON | SHGFI_USEFILEATTRIBUTES);
    return info.hIcon;
}

}  // namespace

HICON ShellIcon(int index) {
    HICON icon = RunningOnWine() ? IconOfKind(index)
                                 : velmora::ExtractFileIcon(ui::platform().systemDir() + "\\SHELL32.DLL", index);
    if (icon) return icon;
    int own = index == kClosedFolderIcon ? IDI_CLOSED_FOLDER : IDI_GENERIC_PROGRAM;
    return CopyIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(own)));
}

}  // namespace dovrane
