#include "ui/platform.h"

#include "ui/application.h"
#include "ui/compat.h"
#include "ui/handles.h"

#include <shellapi.h>
#include <shlobj.h>

namespace ui {

namespace {

// A function of the common dialogs' library, which is loaded when a dialog
// first opens: it brings the printing libraries with it, and loading them
// all made the shell, which opens none, start noticeably later.
HMODULE CommonDialogs() {
    static HMODULE library = LoadLibraryA("comdlg32.dll");   // stays loaded
    return library;
}

template <class F>
F CommonDialog(const char* name) {
    HMODULE library = CommonDialogs();
    return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

std::string FolderFrom(UINT (WINAPI* get)(LPSTR, UINT)) {
    char buffer[MAX_PATH] = {};
    UINT n = get(buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

Platform RealPlatform() {
    Platform p;
    p.messageBox = [](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    };
    p.windowsDir = [] { return FolderFrom(GetWindowsDirectoryA); };
    p.systemDir = [] { return FolderFrom(GetSystemDirectoryA); };
    p.userName = []() -> std::optional<std::string> {
        char buffer[50] = {};
        DWORD size = sizeof buffer;
        if (!GetUserNameA(buffer, &size)) return std::nullopt;
        return std::string(buffer);
    };
    p.findWindow = [](const char* cls, const char* title) { return FindWindowA(cls, title); };
    p.findChildWindow = [](HWND parent, const char* cls) {
        return FindWindowExA(parent, nullptr, cls, nullptr);
    };
    p.desktopWindow = [] { return GetDesktopWindow(); };
    p.startProgram = [](const std::string& commandLine, int show) {
        return WinExec(commandLine.c_str(), show);
    };
    p.openFile = [](HWND owner, const std::string& file, const std::string& parameters,
                    const std::string& folder, int show) {
        return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, nullptr, file.c_str(), parameters.c_str(),
                                                       folder.c_str(), show));
    };
    p.exitWindows = [](UINT flags) {
        if (flags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF)) EnableShutdownPrivilege();
        return ExitWindowsEx(flags, 0) != FALSE;
    };
    p.formatDrive = [](HWND owner, UINT drive, UINT formatId, UINT options) {
        return SHFormatDrive(owner, drive, formatId, options);
    };
    p.openFileDialog = [](OPENFILENAMEA& ofn) {
        auto open = CommonDialog<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetOpenFileNameA");
        return open && open(&ofn) != FALSE;
    };
    p.chooseColor = [](CHOOSECOLORA& cc) {
        auto choose = CommonDialog<BOOL(WINAPI*)(CHOOSECOLORA*)>("ChooseColorA");
        return choose && choose(&cc) != FALSE;
    };
    p.notifyIcon = [](DWORD message, NOTIFYICONDATAA& data) { return Shell_NotifyIconA(message, &data) != FALSE; };
    p.browseFolder = [](HWND owner, const std::string& title) -> std::optional<std::string> {
        char name[MAX_PATH] = {};
        BROWSEINFOA info = {};
        info.hwndOwner = owner;
        info.pszDisplayName = name;
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
        if (!chosen) return std::nullopt;
        char path[MAX_PATH] = {};
        bool named = SHGetPathFromIDListA(chosen, path);
        // The list was made by the shell's own allocator, which frees it.
        ComPtr<IMalloc> allocator;
        if (SUCCEEDED(SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.put())))) allocator->Free(chosen);
        return named ? std::optional<std::string>(path) : std::nullopt;
    };
    p.help = [](HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
        return WinHelpA(owner, file.c_str(), command, data) != FALSE;
    };
    return p;
}

}  // namespace

Platform& platform() {
    static Platform instance = RealPlatform();
    return instance;
}

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    ModalScope modal;
    return platform().messageBox(owner, text, caption, flags);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n < sizeof path ? n : 0);
    return s.substr(0, s.find_last_of("\\:") + 1);
}

}  // namespace ui
