#include "shell/desktop_entries.h"

#include "shared/ansi_text.h"
#include "shell/system_icons.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

DesktopEntry ReadEntry(const std::string& folder, const WIN32_FIND_DATAA& found, velmora::TVornShellLink& link) {
    DesktopEntry entry;
    std::string name = found.cFileName;
    if (found.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY) {
        entry.icon.reset(ShellIcon(kClosedFolderIcon));
        entry.label = name;
        entry.slot = {folder + "\\" + name, true};
        return entry;
    }
    link.SetFileName(folder + "\\" + name);
    bool read = true;
    try {
        link.ReadLink();
    } catch (const velmora::EVornShellLink&) {
        read = false;   // the generic picture; the error shows when it is started
    }
    if (read) {
        if (link.FileIcon().FileName.empty()) link.SetFileIcon({link.Target, 0});
        entry.icon.reset(velmora::ExtractFileIcon(link.FileIcon().FileName, link.FileIcon().IconIndex));
    }
    if (!entry.icon) entry.icon.reset(ShellIcon(kGenericProgramIcon));
    size_t dot = name.find('.');
    entry.label = dot == std::string::npos ? std::string() : name.substr(0, dot);
    std::string path = link.FileName();
    if (size_t pif = velmora::UpperCase(path).find(".PIF"); pif != std::string::npos) path.resize(pif + 4);
    entry.slot = {path, false};
    return entry;
}

}  // namespace

void ShowAccessError(HWND owner) {
    ui::ShowMessage(owner, "Accès impossible...", ui::Application::Instance().Title(), MB_OK);
}

bool IsProgramInformationFile(const std::string& path) {
    return velmora::UpperCase(path).find(".PIF") != std::string::npos;
}

std::vector<DesktopEntry> ReadDesktopEntries(const std::string& folder, velmora::TVornShellLink& link,
                                             size_t limit) {
    std::vector<DesktopEntry> entries;
    WIN32_FIND_DATAA found;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &found));
    if (!find) return entries;
    // The folder's own "." and ".." come first.
    int skipped = 0;
    while (skipped < 2 && FindNextFileA(find.get(), &found)) ++skipped;
    if (skipped < 2) return entries;
    do {
        if (entries.size() < limit) entries.push_back(ReadEntry(folder, found, link));
    } while (FindNextFileA(find.get(), &found));
    return entries;
}

}  // namespace dovrane
