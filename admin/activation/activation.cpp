#include "admin/activation/activation.h"

#include "admin/activation/install.h"
#include "admin/rules/parametres.h"
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "ui/application.h"
#include "ui/compat.h"
#include "ui/platform.h"

namespace quorvel {

using velmora::RegistryKey;

namespace {

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

// Under HKEY_LOCAL_MACHINE. Windows 95 and 98 start what RunServices names
// before the log-on dialog; the NT family never reads it, and starts what Run
// names at every log-on.
struct StartupEntry {
    const char* key;
    const char* value;
};
const StartupEntry kStartupEntries[] = {{velmora::kRunServicesKey, velmora::kStartValue},
                                        {velmora::kRunKey, velmora::kLogonStartValue}};
const StartupEntry& StartupEntryHere() { return kStartupEntries[ui::IsWindows9x() ? 0 : 1]; }

// The policies that activation sets to 1 and deactivation deletes, in order.
struct Policy {
    const char* subKey;
    const char* name;
    bool ntOnly;
};
const Policy kPolicies[] = {
    {velmora::kExplorerPolicies, velmora::kNoSetTaskBar, false},
    {velmora::kExplorerPolicies, velmora::kNoTrayContextMenu, false},
    {velmora::kExplorerPolicies, velmora::kNoViewContextMenu, false},
    // The registry editor of every system obeys this one; the password is
    // stored in plain text in the registry.
    {velmora::kSystemPolicies, velmora::kDisableRegistryTools, false},
    // Ctrl+Alt+Del on the NT family opens the security screen, whose Task
    // Manager would be a way out; Windows 95 and 98 have neither.
    {velmora::kSystemPolicies, velmora::kDisableTaskMgr, true},
};

bool AppliesHere(const Policy& policy) { return !policy.ntOnly || !ui::IsWindows9x(); }

void Tell(HWND owner, const char* text) {
    ui::ShowMessage(owner, text, ui::Application::Instance().Title(), MB_OK);
}

RegistryKey PolicyKey(const std::string& subKey) {
    return RegistryKey::Create(HKEY_CURRENT_USER, (velmora::kCurrentVersionKey + subKey).c_str());
}

// Removes a start-up entry; false when it is there and stays there.
bool RemoveStartupEntry(const StartupEntry& entry) {
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, entry.key);
    if (key.IsOpen()) return !key.HasValue(entry.value) || key.DeleteValue(entry.value);
    // A key that may be read but not written still starts the shell.
    return !RegistryKey::OpenReadOnly(HKEY_LOCAL_MACHINE, entry.key).HasValue(entry.value);
}

// Every step of the activation that the system reads, in order; false at the
// first write that fails.
bool WriteActivation(const std::string& programFolder, const std::string& password) {
    const StartupEntry& startup = StartupEntryHere();
    if (!RegistryKey::Create(HKEY_LOCAL_MACHINE, startup.key)
             .WriteString(startup.value, programFolder + velmora::kShellExe) ||
        !RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey).WriteString(velmora::kPasswordValue, password))
        return false;
    for (const Policy& policy : kPolicies)
        if (AppliesHere(policy) && !EcritPolitique(policy.subKey, policy.name, 1)) return false;
    return true;
}

}  // namespace

std::string& BootOptionsFile() {
    static std::string path = "C:\\MSDOS.SYS";
    return path;
}

bool EcritPolitique(const std::string& subKey, const std::string& name, DWORD value) {
    return PolicyKey(subKey).WriteDword(name.c_str(), value);
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
    // A desktop that the system will not start, or that leaves a way out
    // open, is not active: say so rather than announce an activation.
    if (!WriteActivation(programFolder, dialog.MDP1.MaskText())) {
        Tell(owner, kActivationError);
        return;
    }
    // The NT family has no MSDOS.SYS: its boot keys are not this file's.
    if (ui::IsWindows9x()) OptionsDemarrage(true);
    Tell(owner, kActivated);
}

void DesactiveBureau(HWND owner) {
    // Both entries go, whichever system wrote them: Windows 95 and 98 read
    // Run as well.
    bool removed = true;
    for (const StartupEntry& entry : kStartupEntries) removed = RemoveStartupEntry(entry) && removed;
    Tell(owner, removed ? kDeactivated : kDeactivationError);
    for (const Policy& policy : kPolicies)
        if (AppliesHere(policy)) EffacePolitique(policy.subKey, policy.name);
    if (ui::IsWindows9x()) OptionsDemarrage(false);
}

void Activation(HWND owner, int entryCount, const std::string& programFolder) {
    if (entryCount == 0) {
        Tell(owner, kEmptyList);
        return;
    }
    ActiveBureau(owner, programFolder);
}

}  // namespace quorvel
