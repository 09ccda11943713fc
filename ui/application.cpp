#include "ui/application.h"

#include "ui/compat.h"
#include "ui/form.h"
#include "ui/platform.h"

#include <cstdlib>

namespace ui {

Application& Application::Instance() {
    static Application instance;
    return instance;
}

void Application::Initialize() {
    if (Handle()) return;
    int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateOwnWindow(title_.c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                    WS_MINIMIZEBOX, 0, nullptr, x, y, 0, 0, 0);
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    SetText(title);
}

int Application::Run() {
    if (mainForm_) {   // shown once even when ending already
        if (Handle()) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        mainForm_->Show();
    }
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    terminated_ = true;
    return static_cast<int>(msg.wParam);
}

bool Application::HandleMessage() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        PostQuitMessage(static_cast<int>(msg.wParam));   // let the outer loop end too
        return false;
    }
    Dispatch(msg);
    return true;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void Application::Dispatch(MSG& msg) {
    // Key preview runs commands before any window procedure sees the key.
    // Both it and the dialog keys concern keys alone: other messages are
    // dispatched without looking the form up.
    Guarded([&msg] {
        bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        HWND top = key && msg.hwnd ? RootWindow(msg.hwnd) : nullptr;
        if (auto* form = dynamic_cast<Form*>(Window::FromHandle(top))) {
            if (form->PreviewMessage(msg)) return;
            if (IsDialogMessageA(top, &msg)) return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    });
}

void Application::Terminate(int exitCode) {
    terminated_ = true;
    PostQuitMessage(exitCode);
}

std::string Application::ErrorText(const std::string& message) {
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

void Application::HandleException(const std::exception& e) {
    // Owned by the active window, the box keeps it from further commands
    // while it is open and gives it the keyboard back when it closes.
    HWND active = GetActiveWindow();
    ShowMessage(active ? active : Handle(), ErrorText(e.what()), title_, MB_OK | MB_ICONSTOP);
}

bool Application::OnSysCommand(WPARAM command) {
    // Restoring the taskbar button restores the main form, as users expect.
    if ((command & 0xFFF0) == SC_RESTORE && mainForm_) {
        ShowWindow(mainForm_->Handle(), SW_RESTORE);
        return true;
    }
    return false;
}

}  // namespace ui

// The last resort, for an exception that escaped every handler. The
// library's own handler writes the exception's name to a console that a
// windowed program does not have, and brings a 46 KB name demangler with it.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    MessageBoxA(nullptr, "Erreur inattendue.", ui::Application::Instance().Title().c_str(), MB_OK | MB_ICONSTOP);
    std::abort();
}
}  // namespace __gnu_cxx
