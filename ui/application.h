// The application object: title, help file, hint pause, the message loop and
// the general error handler. Like the classic form libraries, it owns a
// hidden top-level window that carries the program's taskbar button; the
// main form is owned by it and so has no button of its own.
#pragma once

#include "ui/window.h"

#include <exception>
#include <stdexcept>
#include <string>

namespace ui {

class Form;

class Application : public Window {
public:
    static Application& Instance();

    void Initialize();   // creates the taskbar-button window
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }
    std::string helpFile;
    int hintPause = 500;

    void SetMainForm(Form* form) { mainForm_ = form; }
    Form* MainForm() const { return mainForm_; }

    // Shows the main form and runs the loop until WM_QUIT; answers its code.
    int Run();
    // Handles one message, waiting for it. Answers false once WM_QUIT came.
    bool HandleMessage();
    // Handles every message that is waiting, without waiting for more.
    void ProcessMessages();
    void Terminate(int exitCode = 0);

    // The general error handler: a stop-sign box titled with the title.
    void HandleException(const std::exception& e);
    // The message as that box shows it: a final "." added when the message
    // ends in a character that sorts above ".".
    static std::string ErrorText(const std::string& message);

    // True while a modal dialog or message box of the program is open.
    bool ModalOpen() const { return modalDepth_ > 0; }

protected:
    bool OnSysCommand(WPARAM) override;

private:
    friend class ModalScope;
    Application() = default;
    void Dispatch(MSG& msg);

    std::string title_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    int modalDepth_ = 0;
};

// Counts a modal dialog or box as open for the scope's lifetime.
class ModalScope {
public:
    ModalScope() { ++Application::Instance().modalDepth_; }
    ~ModalScope() { --Application::Instance().modalDepth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// Runs handler code under the general error handler: an exception that
// leaves it is shown there and goes no further, so the program goes on.
// Every way into handler code (window procedures, message pre-translation,
// hooks, form creation and showing, start-up) comes through here. Answers
// whether the code ran to its end.
template <class F>
bool Guarded(F&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        Application::Instance().HandleException(e);
    } catch (...) {
        Application::Instance().HandleException(std::runtime_error("Erreur inattendue"));
    }
    return false;
}

}  // namespace ui
