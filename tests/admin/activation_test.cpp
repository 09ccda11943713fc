#include "admin/activation.h"

#include "admin/install.h"
#include "admin/parametres.h"
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "tests/admin/typing.h"
#include "tests/support/test_folder.h"

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

std::optional<std::string> StartupEntry() {
    return RegistryKey::Open(HKEY_LOCAL_MACHINE, velmora::kRunServicesKey).ReadString(velmora::kStartValue);
}
std::optional<std::string> StoredPassword() {
    return RegistryKey::Open(HKEY_CURRENT_USER, velmora::kVendorKey).ReadString(velmora::kPasswordValue);
}
std::optional<DWORD> Restriction(const char* name) {
    return RegistryKey::Open(HKEY_CURRENT_USER, velmora::kPoliciesKey).ReadDword(name);
}

// A registry value as it was before the test, put back afterwards.
class SavedValue {
public:
    SavedValue(HKEY root, const char* path, const char* name) : root_(root), path_(path), name_(name) {
        auto key = RegistryKey::Open(root, path);
        text_ = key.ReadString(name);
        number_ = key.ReadDword(name);
    }
    ~SavedValue() {
        auto key = RegistryKey::Create(root_, path_);
        if (text_) key.WriteString(name_, *text_);
        else if (number_) key.WriteDword(name_, *number_);
        else key.DeleteValue(name_);
    }

private:
    HKEY root_;
    const char* path_;
    const char* name_;
    std::optional<std::string> text_;
    std::optional<DWORD> number_;
};

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

class Activation : public testing::Test {
protected:
    SavedValue startup{HKEY_LOCAL_MACHINE, velmora::kRunServicesKey, velmora::kStartValue};
    SavedValue passwordValue{HKEY_CURRENT_USER, velmora::kVendorKey, velmora::kPasswordValue};
    SavedValue noSetTaskBar{HKEY_CURRENT_USER, velmora::kPoliciesKey, kRestrictions[0]};
    SavedValue noTrayContextMenu{HKEY_CURRENT_USER, velmora::kPoliciesKey, kRestrictions[1]};
    SavedValue noViewContextMenu{HKEY_CURRENT_USER, velmora::kPoliciesKey, kRestrictions[2]};
    ui::PlatformOverride restore;
    MessageRecorder messages;
    TempFolder drive;
    std::string savedBootFile = BootOptionsFile();
    int dialogsShown = 0;

    void SetUp() override {
        BootOptionsFile() = drive / "MSDOS.SYS";
        ClearState();
    }
    void TearDown() override { BootOptionsFile() = savedBootFile; }

    static void ClearState() {
        RegistryKey::Create(HKEY_LOCAL_MACHINE, velmora::kRunServicesKey).DeleteValue(velmora::kStartValue);
        RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey).DeleteValue(velmora::kPasswordValue);
        for (const char* name : kRestrictions)
            RegistryKey::Create(HKEY_CURRENT_USER, velmora::kPoliciesKey).DeleteValue(name);
    }

    // The administrator types the password in both fields and presses OK, or cancels.
    void AnswerPassword(const std::string& typed, bool confirm = true) {
        ui::platform().showModal = [this, typed, confirm](ui::Form& form) {
            ++dialogsShown;
            auto& dialog = dynamic_cast<TFInstall&>(form);
            testing_support::Type(dialog.MDP1->Handle(), typed);
            testing_support::Type(dialog.MDP2->Handle(), typed);
            (confirm ? dialog.BOK : dialog.BCancel)->Click();
            return form.modalResult;
        };
    }

    std::string Boot(const char* key) const {
        char value[32] = {};
        GetPrivateProfileStringA("Options", key, "absent", value, sizeof value, BootOptionsFile().c_str());
        return value;
    }
    DWORD BootAttributes() const { return GetFileAttributesA(BootOptionsFile().c_str()); }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.shown) texts.push_back(m.text);
        return texts;
    }
};

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(Activation, ActivationThenDeactivationReadBackFromRegistryAndBootFile) {
    drive.WriteFile("MSDOS.SYS", "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMulti=1\r\nBootMenu=1\r\n");
    AnswerPassword("abc");
    quorvel::Activation(nullptr, 3, "C:\\Velmora\\");

    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(Shown(), Texts{kActivated});
    EXPECT_EQ(StartupEntry(), std::optional<std::string>("C:\\Velmora\\Dovrane.exe"));
    EXPECT_EQ(StoredPassword(), std::optional<std::string>("abc       "));
    for (const char* name : kRestrictions) EXPECT_EQ(Restriction(name), std::optional<DWORD>(1)) << name;
    EXPECT_EQ(Boot("BootKeys"), "0");
    EXPECT_EQ(Boot("BootDelay"), "0");
    EXPECT_EQ(Boot("BootMenu"), "0");
    EXPECT_EQ(Boot("BootGui"), "1");
    EXPECT_EQ(Boot("BootMulti"), "1") << "other boot options are kept";
    EXPECT_EQ(BootAttributes(), kProtected);

    messages.shown.clear();
    DesactiveBureau(nullptr);
    EXPECT_EQ(Shown(), Texts{kDeactivated});
    EXPECT_EQ(StartupEntry(), std::nullopt);
    EXPECT_EQ(StoredPassword(), std::optional<std::string>("abc       ")) << "the password stays";
    for (const char* name : kRestrictions) EXPECT_EQ(Restriction(name), std::nullopt) << name;
    EXPECT_EQ(Boot("BootKeys"), "1");
    EXPECT_EQ(Boot("BootDelay"), "5");
    EXPECT_EQ(Boot("BootMenu"), "0");
    EXPECT_EQ(Boot("BootGui"), "1");
    EXPECT_EQ(BootAttributes(), kProtected);
    EXPECT_NE(testing_support::ReadFile(BootOptionsFile()).find("WinDir=C:\\WINDOWS"), std::string::npos);
}

TEST_F(Activation, DeactivationOfAMachineNeverActivatedWritesAMissingBootFile) {
    DesactiveBureau(nullptr);
    EXPECT_EQ(Shown(), Texts{kDeactivated});
    EXPECT_EQ(Boot("BootKeys"), "1");
    EXPECT_EQ(Boot("BootDelay"), "5");
    EXPECT_EQ(Boot("BootGui"), "1");
    EXPECT_EQ(Boot("BootMenu"), "absent") << "only the keys written";
    EXPECT_EQ(BootAttributes(), kProtected);
    EXPECT_EQ(StartupEntry(), std::nullopt);
}

TEST_F(Activation, AnEmptyListIsRefusedBeforeThePassword) {
    AnswerPassword("abc");
    quorvel::Activation(nullptr, 0, "C:\\Velmora\\");
    EXPECT_EQ(Shown(), Texts{"Ajoutez une application avant d'installer le Velmora..."});
    EXPECT_EQ(dialogsShown, 0);
    EXPECT_EQ(StartupEntry(), std::nullopt);
    EXPECT_FALSE(testing_support::Exists(BootOptionsFile()));
}

TEST_F(Activation, ACancelledPasswordWritesNothing) {
    AnswerPassword("abc", false);
    quorvel::Activation(nullptr, 1, "C:\\Velmora\\");
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(StartupEntry(), std::nullopt);
    EXPECT_EQ(StoredPassword(), std::nullopt);
    EXPECT_EQ(Restriction("NoSetTaskBar"), std::nullopt);
    EXPECT_FALSE(testing_support::Exists(BootOptionsFile()));
}

TEST_F(Activation, ABootFileThatCannotBeWrittenStopsBeforeTheMessage) {
    BootOptionsFile() = drive / "absent\\MSDOS.SYS";
    AnswerPassword("x1");
    try {
        ActiveBureau(nullptr, "C:\\Velmora\\");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Ne peut écrire dans " + BootOptionsFile());
    }
    EXPECT_TRUE(messages.shown.empty()) << "no activation message";
    EXPECT_EQ(StoredPassword(), std::optional<std::string>("x1        "));
}

TEST_F(Activation, APasswordThatCannotBeStoredIsReportedNotAnnounced) {
    WritesRefused refused(HKEY_CURRENT_USER, velmora::kVendorKey);
    AnswerPassword("abc");
    ActiveBureau(nullptr, "C:\\Velmora\\");
    EXPECT_EQ(Shown(), Texts{"Erreur en activation du bureau..."});
    EXPECT_EQ(Restriction("NoSetTaskBar"), std::nullopt) << "the restrictions wait for a working activation";
    EXPECT_FALSE(testing_support::Exists(BootOptionsFile()));
}

TEST_F(Activation, AStartupEntryThatCannotBeRemovedIsReportedAndTheRestUndone) {
    AnswerPassword("abc");
    ActiveBureau(nullptr, "C:\\Velmora\\");
    messages.shown.clear();
    {
        WritesRefused refused(HKEY_LOCAL_MACHINE, velmora::kRunServicesKey);
        DesactiveBureau(nullptr);
    }
    EXPECT_EQ(Shown(), Texts{"Erreur en désactivation du bureau..."});
    EXPECT_EQ(StartupEntry(), std::optional<std::string>("C:\\Velmora\\Dovrane.exe"));
    for (const char* name : kRestrictions) EXPECT_EQ(Restriction(name), std::nullopt) << name;
    EXPECT_EQ(Boot("BootKeys"), "1");
}

TEST_F(Activation, PolicyHelpersWriteAndDeleteUnderCurrentVersion) {
    EcritPolitique(kPoliciesSubKey, "NoViewContextMenu", 7);
    EXPECT_EQ(Restriction("NoViewContextMenu"), std::optional<DWORD>(7));
    EffacePolitique(kPoliciesSubKey, "NoViewContextMenu");
    EffacePolitique(kPoliciesSubKey, "NoViewContextMenu");   // already gone: no harm
    EXPECT_EQ(Restriction("NoViewContextMenu"), std::nullopt);
}
