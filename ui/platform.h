// The calls that a test must be able to replace: modal boxes, the system
// dialogs, ending the session, starting programs, where the system's own
// windows and folders are, the notification area, the help system. Each member starts as the real
// call; a test assigns another one and restores it with PlatformOverride.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

class Form;
class PopupMenu;

struct Platform {
    // MessageBoxA: owner, text, caption, MB_* flags; answers IDOK, IDYES...
    std::function<int(HWND, const std::string&, const std::string&, UINT)> messageBox;
    // Runs a form modally and answers its modal result. Empty: the real loop.
    std::function<int(Form&)> showModal;
    // Pops a menu up at a screen point; answers the chosen command or 0.
    std::function<UINT(PopupMenu&, POINT)> popupMenu;

    std::function<std::string()> windowsDir;
    std::function<std::string()> systemDir;
    // The logged-on user's name, asked into a buffer of 50 bytes; none when
    // the system cannot give it there.
    std::function<std::optional<std::string>()> userName;

    std::function<HWND(const char* cls, const char* title)> findWindow;
    std::function<HWND(HWND parent, const char* cls)> findChildWindow;
    std::function<HWND()> desktopWindow;

    // WinExec: answers a value below 32 on failure.
    std::function<UINT(const std::string& commandLine, int show)> startProgram;
    // ShellExecuteA with the default verb: owner, file, parameters, working
    // folder, show command; answers a value of 32 or less on failure.
    std::function<INT_PTR(HWND, const std::string& file, const std::string& parameters,
                          const std::string& folder, int show)> openFile;
    // ExitWindowsEx: answers whether the system accepted the request.
    std::function<bool(UINT flags)> exitWindows;
    // SHFormatDrive: answers the dialog's result.
    std::function<DWORD(HWND, UINT drive, UINT formatId, UINT options)> formatDrive;
    // The system's open-file and colour dialogs: answer whether the user chose.
    std::function<bool(OPENFILENAMEA&)> openFileDialog;
    std::function<bool(CHOOSECOLORA&)> chooseColor;
    // Shell_NotifyIconA: a request to the notification area.
    std::function<bool(DWORD message, NOTIFYICONDATAA&)> notifyIcon;
    // The system's folder choice, network places included: the folder
    // chosen, or none when cancelled.
    std::function<std::optional<std::string>(HWND owner, const std::string& title)> browseFolder;
    // WinHelpA.
    std::function<bool(HWND, const std::string& file, UINT command, ULONG_PTR data)> help;
};

Platform& platform();

// Puts the real calls back when a test's scope ends.
class PlatformOverride {
public:
    PlatformOverride() : saved_(platform()) {}
    ~PlatformOverride() { platform() = saved_; }
    PlatformOverride(const PlatformOverride&) = delete;
    PlatformOverride& operator=(const PlatformOverride&) = delete;

private:
    Platform saved_;
};

// A message box through the seam, counted as a modal box while it is open.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// The folder part of this program's own path, with its final backslash.
std::string ProgramFolder();

}  // namespace ui
