#include "shell/drive_window.h"

#include "shared/ansi_text.h"
#include "ui/application.h"
#include "ui/platform.h"

#include <shellapi.h>

#include <initializer_list>

namespace dovrane {

namespace {

std::string Extension(const std::string& path) {
    size_t dot = path.find_last_of(".\\");
    return dot == std::string::npos || path[dot] != '.' ? std::string() : velmora::UpperCase(path.substr(dot));
}

bool ExtensionIn(const std::string& path, std::initializer_list<const char*> kinds) {
    std::string ext = Extension(path);
    for (const char* kind : kinds)
        if (ext == kind) return true;
    return false;
}

// What the system would run rather than open.
bool RunsItself(const std::string& path) {
    return ExtensionIn(path, {".EXE", ".COM", ".BAT", ".CMD", ".PIF", ".LNK", ".SCR"});
}

bool OnDriveA(const std::string& path) { return path.size() >= 2 && (path[0] | 0x20) == 'a' && path[1] == ':'; }

// No "insert a diskette" box of the system's: a missing disk is an answer.
struct QuietDrive {
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ~QuietDrive() { SetErrorMode(old); }
};

}  // namespace

TDriveWindow::TDriveWindow(const EntryColors& colors, std::function<bool(const std::string&)> offers)
    : TEntryWindow(kDriveARoot, "Disquette A", colors), offers_(std::move(offers)) {}

std::vector<DesktopEntry> TDriveWindow::ReadFolder(const std::string& folder) {
    std::vector<DesktopEntry> entries;
    QuietDrive quiet;
    WIN32_FIND_DATAA found;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &found));
    if (!find) {
        // An empty diskette has nothing to list, and that is no error.
        if (GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_NO_MORE_FILES)
            ui::ShowMessage(Handle(), kNoDiskette, ui::Application::Instance().Title(), MB_OK);
        return entries;
    }
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        DesktopEntry entry;
        entry.slot = {folder + "\\" + name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
        entry.label = name;
        SHFILEINFOA info = {};
        SHGetFileInfoA(entry.slot.Path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON);
        entry.icon.reset(info.hIcon);
        entries.push_back(std::move(entry));
    } while (FindNextFileA(find.get(), &found));
    return entries;
}

std::string TDriveWindow::AllowedProgram(const std::string& document) const {
    if (RunsItself(document)) return {};
    char program[MAX_PATH] = {};
    QuietDrive quiet;
    if (reinterpret_cast<INT_PTR>(FindExecutableA(document.c_str(), nullptr, program)) <= 32) return {};
    // A program of the diskette's own is never run, whatever the desktop offers.
    if (OnDriveA(program) || !ExtensionIn(program, {".EXE", ".COM"}) || !offers_(program)) return {};
    return program;
}

void TDriveWindow::OpenFile(const DesktopEntry& entry) {
    ui::Application& app = ui::Application::Instance();
    std::string program = AllowedProgram(entry.slot.Path);
    if (program.empty()) {
        ui::ShowMessage(Handle(), kNotAllowed, app.Title(), MB_OK);
        return;
    }
    std::string folder = entry.slot.Path.substr(0, entry.slot.Path.find_last_of('\\') + 1);
    if (ui::platform().openFile(Handle(), program, "\"" + entry.slot.Path + "\"", folder, SW_SHOWNORMAL) <= 32)
        ShowAccessError(Handle());
}

}  // namespace dovrane
