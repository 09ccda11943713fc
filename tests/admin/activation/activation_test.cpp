#include "admin/activation/activation.h"

#include "admin/activation/install.h"
#include "admin/rules/parametres.h"
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "tests/support/input.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"
#include "ui/compat.h"
#include "ui/path_kind.h"

#include <aclapi.h>
#include <gtest/gtest.h>

#include <optional>

using namespace quorvel;
using testing_support::MessageRecorder;
using testing_support::TempFolder;
using velmora::RegistryKey;

namespace {

const char kActivated[] =
    "Bureau activé...\rLe Velmora sera actif au prochain démarrage de Windows\r\r"
    "En utilisation du Velmora, activez les touches : \r     Ctrl, Alt et un clic Droit/Gauche\r"
    "pour \r     afficher/masquer les icônes systèmes.";
const char kDeactivated[] = "Bureau désactivé...\rLe Velmora ne sera plus actif au démarrage de Windows...";
const char* const kRestrictions[] = {"NoSetTaskBar", "NoTrayContextMenu", "NoViewContextMenu"};
constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                             FILE_ATTRIBUTE_ARCHIVE;
const std::string kSystemPoliciesKey = std::string(velmora::kCurrentVersionKey) + velmora::kSystemPolicies;

// Where each family of systems starts the shell: Windows 95/98 before the
// log-on dialog, the NT family (which never reads RunServices) at log-on.
const std::pair<const char*, const char*> kStartups[] = {{velmora::kRunServicesKey, "_DESKTOP"},
                                                          {velmora::kRunKey, "Velmora"}};
const auto& StartupHere() { return kStartups[ui::IsWindows9x() ? 0 : 1]; }
const auto& StartupElsewhere() { return kStartups[ui::IsWindows9x() ? 1 : 0]; }

std::optional<std::string> StartupEntry(const std::pair<const char*, const char*>& startup = StartupHere()) {
    return RegistryKey::Open(HKEY_LOCAL_MACHINE, startup.first).ReadString(startup.second);
}
std::optional<std::string> StoredPassword() {
    return RegistryKey::Open(HKEY_CURRENT_USER, velmora::kVendorKey).ReadString(velmora::kPasswordValue);
}
std::optional<DWORD> Restriction(const char* name) {
    return RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey).ReadDword(name);
}
std::optional<DWORD> SystemRestriction(const char* name) {
    return RegistryKey::Open(HKEY_CURRENT_USER, kSystemPoliciesKey.c_str()).ReadDword(name);
}

// A key whose values cannot be set for the test's time, as on a machine where
// the administrator lacks the rights.
class WritesRefused {
public:
    WritesRefused(HKEY root, const char* path) {
        RegCreateKeyExA(root, path, 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &key_, nullptr);
        GetSecurityInfo(key_, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &saved_, nullptr,
                        &descriptor_);
        EXPLICIT_ACCESSA rules[2] = {};
        rules[0].grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
        rules[0].grfAccessMode = DENY_ACCESS;
        rules[1].grfAccessPermissions = KEY_ALL_ACCESS;
        rules[1].grfAccessMode = GRANT_ACCESS;
        for (auto& rule : rules) BuildTrusteeWithNameA(&rule.Trustee, const_cast<char*>("CURRENT_USER"));
        PACL acl = nullptr;
        SetEntriesInAclA(2, rules, nullptr, &acl);
        EXPECT_EQ(SetSecurityInfo(key_, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, acl, nullptr),
                  static_cast<DWORD>(ERROR_SUCCESS));
        LocalFree(acl);
    }
    ~WritesRefused() {
        SetSecurityInfo(key_, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, saved_, nullptr);
        LocalFree(descriptor_);
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
    PACL saved_ = nullptr;
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

class DesktopActivation : public testing::Test {
protected:
    ui::PlatformOverride restore;
    MessageRecorder messages;
    TempFolder drive;
    std::string savedBootFile = BootOptionsFile();
    testing_support::ModalScript passwordDialog;

    void SetUp() override {
        BootOptionsFile() = drive / "MSDOS.SYS";
        ClearState();
    }
    // The test prefix must not start the shell at its next Wine start.
    void TearDown() override {
        BootOptionsFile() = savedBootFile;
        ClearState();
    }

    static void ClearState() {
        for (const auto& [key, value] : kStartups) RegistryKey::Create(HKEY_LOCAL_MACHINE, key).DeleteValue(value);
        RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey).DeleteValue(velmora::kPasswordValue);
        for (const char* name : kRestrictions)
            RegistryKey::Create(HKEY_CURRENT_USER, velmora::kPoliciesKey).DeleteValue(name);
        for (const char* name : {"DisableTaskMgr", "DisableRegistryTools"})
            RegistryKey::Create(HKEY_CURRENT_USER, kSystemPoliciesKey.c_str()).DeleteValue(name);
    }

    // The administrator types the password in both fields and presses OK, or cancels.
    void AnswerPassword(const std::string& typed, bool confirm = true) {
        passwordDialog.script = [typed, confirm](ui::Form& form) {
            auto& dialog = dynamic_cast<TFInstall&>(form);
            testing_support::Type(dialog.MDP1.Handle(), typed);
            testing_support::Type(dialog.MDP2.Handle(), typed);
            (confirm ? dialog.BOK : dialog.BCancel).Click();
        };
    }

    // The section "Options" of the boot file, one "key=value" per entry, in order.
    std::vector<std::string> BootOptions() const {
        char section[1024] = {};
        GetPrivateProfileSectionA("Options", section, sizeof section, BootOptionsFile().c_str());
        std::vector<std::string> entries;
        for (const char* p = section; *p; p += strlen(p) + 1) entries.push_back(p);
        return entries;
    }
    DWORD BootAttributes() const { return GetFileAttributesA(BootOptionsFile().c_str()); }
};

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(DesktopActivation, ActivationThenDeactivationReadBackFromRegistryAndBootFile) {
    const bool windows9x = ui::IsWindows9x();
    drive.WriteFile("MSDOS.SYS", "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMulti=1\r\nBootMenu=1\r\n");
    AnswerPassword("abc");
    quorvel::Activation(nullptr, 3, "C:\\Velmora\\");

    EXPECT_EQ(passwordDialog.shown, 1);
    EXPECT_EQ(messages.Texts(), Texts{kActivated});
    EXPECT_EQ(StartupEntry(), std::optional<std::string>("C:\\Velmora\\Dovrane.exe"));
    EXPECT_EQ(StartupEntry(StartupElsewhere()), std::nullopt) << "one start-up entry, the one this system reads";
    EXPECT_EQ(StoredPassword(), std::optional<std::string>("abc       "));
    for (const char* name : kRestrictions) EXPECT_EQ(Restriction(name), std::optional<DWORD>(1)) << name;
    EXPECT_EQ(SystemRestriction("DisableTaskMgr"), windows9x ? std::nullopt : std::optional<DWORD>(1));
    EXPECT_EQ(SystemRestriction("DisableRegistryTools"), std::optional<DWORD>(1)) << "the registry editor holds the password";
    // The NT family has no MSDOS.SYS: the boot file stays as it was there.
    const Texts before = {"BootMulti=1", "BootMenu=1"};
    EXPECT_EQ(BootOptions(),
              (windows9x ? Texts{"BootMulti=1", "BootMenu=0", "BootKeys=0", "BootDelay=0", "BootGui=1"} : before));
    EXPECT_EQ(BootAttributes() == kProtected, windows9x) << "a boot file that was not hidden ends protected";

    messages.shown.clear();
    // An entry that the other family of systems wrote goes too.
    RegistryKey::Create(HKEY_LOCAL_MACHINE, StartupElsewhere().first).WriteString(StartupElsewhere().second, "x");
    DesactiveBureau(nullptr);
    EXPECT_EQ(messages.Texts(), Texts{kDeactivated});
    EXPECT_EQ(StartupEntry(), std::nullopt);
    EXPECT_EQ(StartupEntry(StartupElsewhere()), std::nullopt);
    EXPECT_EQ(StoredPassword(), std::optional<std::string>("abc       ")) << "the password stays";
    for (const char* name : kRestrictions) EXPECT_EQ(Restriction(name), std::nullopt) << name;
    EXPECT_EQ(SystemRestriction("DisableTaskMgr"), std::nullopt);
    EXPECT_EQ(SystemRestriction("DisableRegistryTools"), std::nullopt);
    EXPECT_EQ(BootOptions(),
              (windows9x ? Texts{"BootMulti=1", "BootMenu=0", "BootKeys=1", "BootDelay=5", "BootGui=1"} : before));
    EXPECT_EQ(BootAttributes() == kProtected, windows9x);
    EXPECT_NE(testing_support::ReadFile(BootOptionsFile()).find("WinDir=C:\\WINDOWS"), std::string::npos);
}

TEST_F(DesktopActivation, DeactivationOfAMachineNeverActivatedWritesTheBootFileOfWindows9xOnly) {
    DesactiveBureau(nullptr);
    EXPECT_EQ(messages.Texts(), Texts{kDeactivated});
    EXPECT_EQ(BootOptions(), (ui::IsWindows9x() ? Texts{"BootKeys=1", "BootDelay=5", "BootGui=1"} : Texts{}));
    EXPECT_EQ(BootAttributes() == kProtected, ui::IsWindows9x());
}

TEST_F(DesktopActivation, NothingIsWrittenWithoutEntriesOrAConfirmedPassword) {
    AnswerPassword("abc", false);
    quorvel::Activation(nullptr, 0, "C:\\Velmora\\");
    EXPECT_EQ(messages.Texts(), Texts{"Ajoutez une application avant d'installer le Velmora..."});
    EXPECT_EQ(passwordDialog.shown, 0);

    quorvel::Activation(nullptr, 1, "C:\\Velmora\\");   // the password dialog is cancelled
    EXPECT_EQ(passwordDialog.shown, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(StartupEntry(), std::nullopt);
    EXPECT_EQ(StoredPassword(), std::nullopt);
    EXPECT_EQ(Restriction("NoSetTaskBar"), std::nullopt);
    EXPECT_EQ(SystemRestriction("DisableRegistryTools"), std::nullopt);
    EXPECT_FALSE(ui::PathExists(BootOptionsFile()));
}

TEST_F(DesktopActivation, ABootFileThatCannotBeWrittenStopsBeforeTheMessage) {
    BootOptionsFile() = drive / "absent\\MSDOS.SYS";
    AnswerPassword("x1");
    if (!ui::IsWindows9x()) {
        ActiveBureau(nullptr, "C:\\Velmora\\");
        EXPECT_EQ(messages.Texts(), Texts{kActivated}) << "the NT family has no boot file to write";
        return;
    }
    try {
        ActiveBureau(nullptr, "C:\\Velmora\\");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Ne peut écrire dans " + BootOptionsFile());
    }
    EXPECT_TRUE(messages.shown.empty()) << "no activation message";
    EXPECT_EQ(StoredPassword(), std::optional<std::string>("x1        "));
}

TEST_F(DesktopActivation, AWriteThatFailsIsReportedNotAnnounced) {
    const struct {
        HKEY root;
        std::string key;
        bool written;   // by an activation on this system
    } cases[] = {
        {HKEY_LOCAL_MACHINE, StartupHere().first, true},
        {HKEY_CURRENT_USER, velmora::kVendorKey, true},
        {HKEY_CURRENT_USER, velmora::kPoliciesKey, true},
        {HKEY_CURRENT_USER, kSystemPoliciesKey, true},   // the registry editor's restriction, on every system
    };
    AnswerPassword("abc");
    for (const auto& c : cases) {
        ClearState();
        messages.shown.clear();
        {
            WritesRefused refused(c.root, c.key.c_str());
            ActiveBureau(nullptr, "C:\\Velmora\\");
        }
        EXPECT_EQ(messages.Texts(), Texts{c.written ? "Erreur en activation du bureau..." : kActivated}) << c.key;
        EXPECT_EQ(ui::PathExists(BootOptionsFile()), !c.written && ui::IsWindows9x())
            << c.key << ": the boot options wait for a working activation";
    }
}

TEST_F(DesktopActivation, AStartupEntryThatCannotBeRemovedIsReportedAndTheRestUndone) {
    AnswerPassword("abc");
    ActiveBureau(nullptr, "C:\\Velmora\\");
    messages.shown.clear();
    {
        WritesRefused refused(HKEY_LOCAL_MACHINE, StartupHere().first);
        DesactiveBureau(nullptr);
    }
    EXPECT_EQ(messages.Texts(), Texts{"Erreur en désactivation du bureau..."});
    EXPECT_EQ(StartupEntry(), std::optional<std::string>("C:\\Velmora\\Dovrane.exe"));
    for (const char* name : kRestrictions) EXPECT_EQ(Restriction(name), std::nullopt) << name;
    for (const char* name : {"DisableTaskMgr", "DisableRegistryTools"}) EXPECT_EQ(SystemRestriction(name), std::nullopt);
    EXPECT_EQ(BootOptions(), (ui::IsWindows9x() ? Texts{"BootKeys=1", "BootDelay=5", "BootMenu=0", "BootGui=1"}
                                                : Texts{}));
}
