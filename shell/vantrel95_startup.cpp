// Creation of the shell's window and its first showing.
#include "shell/vantrel95.h"

#include "shared/profile_store.h"
#include "shared/registry.h"
#include "shell/lockdown.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

const char kLogonClass[] = "#32770";
const char kLogonTitle[] = "Saisie du mot de passe réseau";

}  // namespace

TVantrel95::TVantrel95() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::None;
    style.systemMenu = false;
    CreateForm("", 0, 0, style, false);
    SetColor(velmora::kTeal);
    SetFont(ui::MakeFont("MS Sans Serif", 13));
    CreateGrid();

    Formater1 = &PM1.Add("Formater", "formatage de disquette");
    Copiededisquettes1 = &PM1.Add("Copie de disquettes");

    SHL1.SetWindowState(velmora::TWindowState::wsNormal);
    SHL1.SetHotKey(0);
    SHL1.FileIcon().IconIndex = 0;

    FormCreate();
}

TVantrel95::~TVantrel95() = default;

void TVantrel95::FormCreate() {
    if (!SingleInstance()) {
        endedAtCreation_ = true;
        return;
    }
    SetClientSize(0, 0);
    SetScreenSaverRunning(true);
    ReadPassword();
    HideSteps = hsAll;
}

bool TVantrel95::SingleInstance() {
    instanceMutex_.reset(CreateMutexA(nullptr, FALSE, "Dovrane"));
    if (instanceMutex_ && GetLastError() != ERROR_ALREADY_EXISTS) return true;
    instanceMutex_.reset();
    return false;
}

void TVantrel95::ReadPassword() {
    auto key = velmora::RegistryKey::Open(HKEY_CURRENT_USER, velmora::kVendorKey);
    if (key.IsOpen()) {
        // Value names compare without case: the shell asks for "PassWord".
        StoredPassword = key.ReadString("PassWord").value_or("");
        return;
    }
    ui::Application& app = ui::Application::Instance();
    ui::platform().messageBox(Handle(), "Installez le programme avant d'activer ce fichier...",
                              app.Title(), MB_OK);
    app.Terminate();
}

void TVantrel95::FormShow() {
    ShowWindow(ui::Application::Instance().Handle(), SW_HIDE);
    ShowWindow(Handle(), SW_HIDE);
    SetWindowPos(Handle(), nullptr, -100, -100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Until the log-on dialog is gone, keep it in front.
    while (HWND logon = ui::platform().findWindow(kLogonClass, kLogonTitle)) SetActiveWindow(logon);

    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOW);
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(true);
}

}  // namespace dovrane
