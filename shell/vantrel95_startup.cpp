// Creation of the shell's window and its first showing.
#include "shell/vantrel95.h"

#include "resources/resource_ids.h"
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "shell/lockdown.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

const char kLogonClass[] = "#32770";
const char kLogonTitle[] = "Saisie du mot de passe réseau";

// Borderless: the window is the desktop.
ui::FormStyle DesktopStyle() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::None;
    style.systemMenu = false;
    return style;
}

}  // namespace

TVantrel95::TVantrel95()
    : window_(*this, "", 0, 0, DesktopStyle(), false, ui::MakeFont("MS Sans Serif", 13)), FD1(Handle()) {
    SetColor(velmora::kTeal);
    CreateGrid();

    Formater1 = &PM1.Add("Formater", "formatage de disquette");
    Copiededisquettes1 = &PM1.Add("Copie de disquettes");

    SHL1.SetWindowState(velmora::TWindowState::wsNormal);
    SHL1.SetHotKey(0);
    SHL1.FileIcon().IconIndex = 0;

    FD1.DefaultAction = TFormatOptions::foNormal;
    FD1.Drive = 'A';
    FD1.AllowHD = true;
    CreateTrayIcons();
    WireEvents();
    ui::Guarded([this] { FormCreate(); });
}

TVantrel95::~TVantrel95() = default;

void TVantrel95::CreateTrayIcons() {
    struct Design {
        std::unique_ptr<TTBICON>& icon;
        int resource;
        const char* tip;
    };
    for (const Design& d : {Design{TBIconDecharge, IDI_TRAY_UNLOAD, "Déchargement temporaire du velmora"},
                            Design{TBIconQuit, IDI_TRAY_SHUTDOWN, "Fermeture de Windows"},
                            Design{TBIconInfo, IDI_TRAY_SESSION, "Ouverture d'une nouvelle session utilisateur"}}) {
        d.icon = std::make_unique<TTBICON>();
        d.icon->SetIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(d.resource)));
        d.icon->SetToolTip(d.tip);
    }
}

void TVantrel95::WireEvents() {
    for (int i = 0; i < kSlotCount; ++i) {
        auto launch = [this, i](ui::GraphicControl&) { LaunchSlot(i); };
        ic[i]->onDblClick = launch;
        lb[i]->onDblClick = launch;
    }
    ic[0]->onMouseUp = [this](ui::GraphicControl&, ui::MouseButton b, ui::ShiftState, int x, int y) {
        ic0MouseUp(b, x, y);
    };
    Formater1->onClick = [this] { Formater1Click(); };
    Copiededisquettes1->onClick = [this] { Copiededisquettes1Click(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    Timer2.onTimer = [this] { Timer2Timer(); };
    ShareTimer.onTimer = [this] { CheckShare(); };
    TBIconDecharge->OnDblClick = [this](TTBICON&) { RunTrayCommand(&TVantrel95::TBIconDechargeLeftBtnDblClick); };
    TBIconQuit->OnDblClick = [this](TTBICON&) { RunTrayCommand(&TVantrel95::TBIconQuitLeftBtnDblClick); };
    TBIconInfo->OnDblClick = [this](TTBICON&) { RunTrayCommand(&TVantrel95::TBIconInfoDblClick); };
}

void TVantrel95::FormCreate() {
    if (!SingleInstance()) {
        endedAtCreation_ = true;
        return;
    }
    SetClientSize(0, 0);
    SetScreenSaverRunning(true);
    keyBlock_ = std::make_unique<TaskKeyBlock>();
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
    auto key = velmora::RegistryKey::OpenReadOnly(HKEY_CURRENT_USER, velmora::kVendorKey);
    if (key.IsOpen()) {
        // Value names compare without case: the shell asks for "PassWord".
        // A value that the unload field cannot give (absent, not text, not
        // ten letters, digits or blanks) would leave nothing to unload the
        // shell with: that installation is as broken as one without the key.
        auto value = key.ReadString("PassWord");
        if (value && velmora::TypablePassword(*value)) {
            StoredPassword = *value;
            return;
        }
    }
    ui::Application& app = ui::Application::Instance();
    ui::ShowMessage(Handle(), "Installez le programme avant d'activer ce fichier...", app.Title(), MB_OK);
    // The program ends without locking anything.
    installationBroken_ = true;
    keyBlock_.reset();
    SetScreenSaverRunning(false);
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
    // The system's timers tick at 10 ms at the finest: the sequence starts
    // now, unless the installation is broken and the program ending.
    if (!installationBroken_) Timer2Timer();
}

}  // namespace dovrane
