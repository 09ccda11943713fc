#include "ui/open_dialog.h"

#include "ui/platform.h"

#include <algorithm>

namespace ui {

std::string FilterForDialog(const std::string& filter) {
    std::string result = filter;
    std::replace(result.begin(), result.end(), '|', '\0');
    result.append(2, '\0');
    return result;
}

bool OpenDialog::Execute(HWND owner) {
    char file[MAX_PATH] = {};
    fileName.copy(file, sizeof file - 1);
    std::string filters = FilterForDialog(filter);
    // Forms write the default extension as a pattern ("*.dll"); the system
    // appends it as it is given, so it gets the bare extension.
    std::string extension = defaultExt.substr(defaultExt.find_last_of("*.") + 1);

    OPENFILENAMEA ofn = {};
    // The size that Windows 95 and 98 accept; later systems take it too.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = options | OFN_EXPLORER;
    if (!platform().openFileDialog(ofn)) return false;
    fileName = file;
    filterIndex = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace ui
