// The ways out of the shell (unload, shut down, new session), when the window
// may close, and the drive A menu's commands.
#include "shell/vantrel95.h"

#include "shared/profile_store.h"
#include "shared/registry.h"
#include "shell/umdp.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

using velmora::RegistryKey;

namespace {

const char kDiskCopy[] = "Rundll32 Diskcopy.dll,DiskCopyRunDll";

}  // namespace

void TVantrel95::RetireTrayIcon(std::unique_ptr<TTBICON>& icon) {
    // The icon may be the one whose event is running: take it out of the tray
    // now and free the object with the window.
    if (!icon) return;
    icon->SetActive(false);
    retiredIcons_.push_back(std::move(icon));
}

void TVantrel95::RunTrayCommand(void (TVantrel95::*command)()) {
    // A dialog or question that is open blocks further commands until it closes.
    if (!ui::Application::Instance().ModalOpen()) (this->*command)();
}

void TVantrel95::TBIconDechargeLeftBtnDblClick() {
    FitToTaskbar();
    auto dialog = std::make_unique<TFMDP>();
    struct Restore {
        TVantrel95& self;
        std::unique_ptr<TFMDP>& dialog;
        ~Restore() {
            dialog.reset();
            ShowWindow(ui::Application::Instance().Handle(), SW_HIDE);
            ShowWindow(self.TrayWnd, SW_SHOW);
        }
    } restore{*this, dialog};

    if (dialog->ShowModal() != ui::mrOk || dialog->MDP.MaskText() != StoredPassword) return;
    CloseEntryWindows();
    SetScreenSaverRunning(false);
    keyBlock_.reset();
    wayOutWatch_.reset();
    ShowWindow(StartButtonWnd, SW_RESTORE);
    ShowWindowAsync(DesktopWnd, SW_RESTORE);
    ShowWindow(ProgmanWnd, SW_SHOW);
    RetireTrayIcon(TBIconQuit);
    RetireTrayIcon(TBIconDecharge);
    CloseAllowed = true;
    RemoveStartEntries();
    Close();
}

void TVantrel95::TBIconQuitLeftBtnDblClick() {
    ShowWindow(TrayWnd, SW_HIDE);
    ui::Application& app = ui::Application::Instance();
    if (ui::ShowMessage(Handle(), "Voulez-vous quitter Windows", app.Title(), MB_YESNO | MB_ICONQUESTION) == IDYES) {
        CloseAllowed = true;
        RetireTrayIcon(TBIconQuit);
        RetireTrayIcon(TBIconDecharge);
        RemoveStartEntries();
        if (!ui::platform().exitWindows(EWX_SHUTDOWN | EWX_POWEROFF)) app.Terminate(1);
    }
    ShowWindow(TrayWnd, SW_SHOW);
}

void TVantrel95::TBIconInfoDblClick() {
    auto run = RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey);
    if (!run.IsOpen()) return;
    run.WriteString(velmora::kStartValue, ui::ProgramFolder() + velmora::kShellExe);
    auto policies = RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey);
    if (!policies.IsOpen()) return;
    policies.WriteDword(velmora::kNoDeskTop, 1);
    if (ui::platform().exitWindows(EWX_LOGOFF)) {
        ui::Application::Instance().Terminate();
        return;
    }
    auto again = RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey);
    if (again.HasValue(velmora::kStartValue)) again.DeleteValue(velmora::kStartValue);
}

void TVantrel95::RemoveStartEntries() {
    auto run = RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunKey);
    if (run.HasValue(velmora::kStartValue)) run.DeleteValue(velmora::kStartValue);
    auto policies = RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey);
    if (policies.HasValue(velmora::kNoDeskTop)) policies.DeleteValue(velmora::kNoDeskTop);
}

bool TVantrel95::OnQueryEndSession(LRESULT& result) {
    result = CloseAllowed ? TRUE : FALSE;
    return true;
}

void TVantrel95::Formater1Click() { FD1.DoFormat(); }

void TVantrel95::Copiededisquettes1Click() { ui::platform().startProgram(kDiskCopy, SW_SHOW); }

}  // namespace dovrane
