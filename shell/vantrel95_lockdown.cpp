// Taking the system's desktop away: the hiding sequence (whose end starts
// the watch on the system's ways out), the window kept around the taskbar,
// clicks that never take the activation, and the Ctrl+Alt clicks that show
// or hide the unload icon.
#include "shell/vantrel95.h"

#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

// A window counts as found when its handle, as a signed number, is positive.
bool Found(HWND hwnd) { return reinterpret_cast<LONG_PTR>(hwnd) > 0; }

// A window's own visibility, whatever its parent's.
bool Shown(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE; }

}  // namespace

void TVantrel95::Timer2Timer() {
    ui::Platform& system = ui::platform();
    if (HideSteps & hsDesktop) {
        if (HWND desktop = system.desktopWindow(); Found(desktop)) {
            DesktopWnd = desktop;
            ShowWindow(desktop, SW_HIDE);
            HideSteps &= ~hsDesktop;
        }
    }
    if (HideSteps & hsProgman) {
        if (HWND progman = FindProgramManager(); Found(progman)) {
            ProgmanWnd = progman;
            ShowWindow(progman, SW_HIDE);
            ShowWindow(Handle(), SW_SHOW);
            HideSteps &= ~hsProgman;
        }
    }
    if (HideSteps & hsOwnButton) {
        if (HWND own = ui::Application::Instance().Handle(); Found(own)) {
            ShowWindow(own, SW_HIDE);
            HideSteps &= ~hsOwnButton;
        }
    }
    if (HideSteps & hsTaskbar) {
        if (HWND tray = system.findWindow("Shell_TrayWnd", nullptr); Found(tray)) {
            TrayWnd = tray;
            ShowWindow(tray, SW_HIDE);
            HideSteps &= ~hsTaskbar;
        }
    }
    if ((HideSteps & hsStartButton) && TrayWnd) {
        if (HWND start = system.findChildWindow(TrayWnd, "Button"); Found(start)) {
            StartButtonWnd = start;
            ShowWindowAsync(start, SW_HIDE);
            HideSteps &= ~hsStartButton;
        }
    }
    if (HideSteps != 0) return;

    FitToTaskbar();
    Timer2.SetEnabled(false);
    if (keyBlock_) keyBlock_->Protect({TrayWnd, DesktopWnd, ProgmanWnd});
    LoadDesktop();
    ShowWindow(TrayWnd, SW_SHOW);
    wayOutWatch_ = std::make_unique<WayOutWatch>(Handle(), offered_);
    StartShareCopies();
}

void TVantrel95::Timer1Timer() {
    ui::Application& app = ui::Application::Instance();
    if (HWND own = app.Handle(); IsWindowVisible(own)) ShowWindow(own, SW_HIDE);
    FitToTaskbar();
    // A taskbar that lays itself out again shows its start button again.
    if (StartButtonWnd && Shown(StartButtonWnd)) ShowWindowAsync(StartButtonWnd, SW_HIDE);
    // The taskbar carries the only ways out: once the desktop is loaded it
    // shows, but while the shut-down question has it hidden.
    if (HideSteps == 0 && TrayWnd && !app.ModalOpen() && !Shown(TrayWnd)) ShowWindow(TrayWnd, SW_SHOWNA);
}

bool TVantrel95::OnMouseActivate(LRESULT& result) {
    if (HWND active = GetActiveWindow()) SetActiveWindow(active);
    result = MA_NOACTIVATE;
    return true;
}

void TVantrel95::FormMouseDown(ui::MouseButton button, ui::ShiftState shift, int, int) {
    bool ctrl = shift.ctrl || TaskKeyBlock::CtrlHeld(), alt = shift.alt || TaskKeyBlock::AltHeld();
    if (!ctrl || !alt || !TBIconDecharge) return;
    if (button == ui::MouseButton::Right) TBIconDecharge->SetActive(true);
    else if (button == ui::MouseButton::Left) TBIconDecharge->SetActive(false);
}

}  // namespace dovrane
