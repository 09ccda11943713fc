#include "admin/activation.h"

#include "admin/install.h"
#include "admin/parametres.h"
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace quorvel {

using velmora::RegistryKey;

namespace {

const char kCurrentVersionKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\";

const velmora::SettingKey kBootKeys = {"Options", "BootKeys"};
const velmora::SettingKey kBootDelay = {"Options", "BootDelay"};
const velmora::SettingKey kBootMenu = {"Options", "BootMenu"};
const velmora::SettingKey kBootGui = {"Options", "BootGui"};

// Archive alone while writing; read-only, hidden, system and archive after.
constexpr DWORD kWritableAttributes = FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kProtectedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

const char kActivated[] =
    "Bureau activé...\r"
    "Le Velmora sera actif au prochain démarrage de Windows\r"
    "\r"
    "En utilisation du Velmora, activez les touches : \r"
    "     Ctrl, Alt et un clic Droit/Gauche\r"
    "pour \r"
    "     afficher/masquer les icônes systèmes.";
const char kActivationError[] = "Erreur en activation du bureau...";
const char kDeactivated[] = "Bureau désactivé...\rLe Velmora ne sera plus actif au démarrage de Windows...";
const char kDeactivationError[] = "Erreur en désactivation du bureau...";
const char kEmptyList[] = "Ajoutez une application avant d'installer le Velmora...";

const char* const kRestrictions[] = {velmora::kNoSetTaskBar, velmora::kNoTrayContextMenu,
                                     velmora::kNoViewContextMenu};

void Tell(HWND owner, const char* text) {
    ui::ShowMessage(owner, text, ui::Application::Instance().Title(), MB_OK);
}

RegistryKey PolicyKey(const std::string& subKey) {
    return RegistryKey::Create(HKEY_CURRENT_USER, (kCurrentVersionKey + subKey).c_str());
}

// Removes the start-up entry; false when it is there and stays there.
bool RemoveStartupEntry() {
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunServicesKey);
    if (key.IsOpen()) return !key.HasValue(velmora::kStartValue) || key.DeleteValue(velmora::kStartValue);
    // A key that may be read but not written still starts the shell.
    return !RegistryKey::OpenReadOnly(HKEY_LOCAL_MACHINE, velmora::kRunServicesKey).HasValue(velmora::kStartValue);
}

}  // namespace

std::string& BootOptionsFile() {
    static std::string path = "C:\\MSDOS.SYS";
    return path;
}

void EcritPolitique(const std::string& subKey, const std::string& name, DWORD value) {
    PolicyKey(subKey).WriteDword(name.c_str(), value);
}

void EffacePolitique(const std::string& subKey, const std::string& name) {
    PolicyKey(subKey).DeleteValue(name.c_str());
}

void OptionsDemarrage(bool activate) {
    const std::string& path = BootOptionsFile();
    // A file that is missing or stays read-only shows in the writes below.
    SetFileAttributesA(path.c_str(), kWritableAttributes);
    velmora::SettingsFile file(path);
    if (activate) {
        WriteSetting(file, kBootKeys, "0");
        WriteSetting(file, kBootDelay, "0");
        WriteSetting(file, kBootMenu, "0");
    } else {
        WriteSetting(file, kBootKeys, "1");
        WriteSetting(file, kBootDelay, "5");
    }
    WriteSetting(file, kBootGui, "1");
    SetFileAttributesA(path.c_str(), kProtectedAttributes);
}

void ActiveBureau(HWND owner, const std::string& programFolder) {
    TFInstall dialog;   // released when activation ends, whatever happens
    if (dialog.ShowModal() != ui::mrOk) return;
    // Without its start-up entry and its password the desktop is not active:
    // say so rather than announce an activation that did not happen.
    auto startup = RegistryKey::Create(HKEY_LOCAL_MACHINE, velmora::kRunServicesKey);
    auto vendor = RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey);
    if (!startup.WriteString(velmora::kStartValue, programFolder + velmora::kShellExe) ||
        !vendor.WriteString(velmora::kPasswordValue, dialog.MDP1.MaskText())) {
        Tell(owner, kActivationError);
        return;
    }
    for (const char* restriction : kRestrictions) EcritPolitique(kPoliciesSubKey, restriction, 1);
    OptionsDemarrage(true);
    Tell(owner, kActivated);
}

void DesactiveBureau(HWND owner) {
    Tell(owner, RemoveStartupEntry() ? kDeactivated : kDeactivationError);
    for (const char* restriction : kRestrictions) EffacePolitique(kPoliciesSubKey, restriction);
    OptionsDemarrage(false);
}

void Activation(HWND owner, int entryCount, const std::string& programFolder) {
    if (entryCount == 0) {
        Tell(owner, kEmptyList);
        return;
    }
    ActiveBureau(owner, programFolder);
}

}  // namespace quorvel
