// What the shell and the administration program agree on: where desktop
// profiles live, the settings file's sections and keys with the shell's
// defaults, the registry keys and values, and the password's stored form.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// ---- Profiles folder and profiles -------------------------------------------

inline constexpr char kProfilesFolderName[] = "velmo";
inline constexpr char kDefaultProfile[] = ".default";
// The name the shell falls back on when the user has no profile folder.
inline constexpr char kFallbackProfile[] = ".Default";
inline constexpr int kMaxEntries = 23;
inline constexpr char kShellExe[] = "Dovrane.exe";

// The local profiles folder: Windows folder + "\velmo", no trailing backslash.
std::string ProfilesFolder(const std::string& windowsDir);
std::string ProfileFolder(const std::string& profilesFolder, const std::string& name);
std::string SettingsFileOf(const std::string& profilesFolder, const std::string& name);

// The profiles of a profiles folder, as the administration program lists
// them: its sub-folders with no attribute besides "directory".
std::vector<std::string> ProfileNames(const std::string& profilesFolder);

// The shell's choice of profile: the user's name (".default" when the system
// gave none), or ".Default" when the profiles folder has no folder of it.
std::string ResolveProfileName(const std::optional<std::string>& userName,
                               const std::string& profilesFolder);

// ---- A room of machines -----------------------------------------------------

// The machine-wide value (under the vendor key of HKEY_LOCAL_MACHINE) that
// names a shared profiles folder for a room of machines: "\\server\share"
// (with folders below it) or a drive path. Absent, empty or not such a path:
// the profiles are local.
inline constexpr char kProfilesLocationValue[] = "Profils";
inline constexpr size_t kMaxProfilesLocation = 120;

// The path without its final backslashes when it can name the shared
// profiles folder: "X:" or "X:\..." or "\\server\share\...", of at most
// kMaxProfilesLocation characters, with no empty element, no element that
// ends in "." or a blank, and nothing that a path cannot hold. Empty otherwise.
std::string ProfilesLocation(const std::string& path);
// The shared profiles folder that the value names; empty for none.
std::string SharedProfilesFolder();
// Writes the value, or removes it for an empty folder; false when refused.
bool SetSharedProfilesFolder(const std::string& folder);
// Where the administration program edits profiles: the shared folder when
// the value names one, the local profiles folder otherwise.
std::string EditedProfilesFolder(const std::string& windowsDir);

// The administration program writes each shortcut under a name of its own,
// "~vlm" + four hexadecimal digits + ".lnk", before it gives it its name; a
// copy of a profile leaves such files out.
std::string TemporaryLinkName(unsigned n);
bool IsTemporaryLinkName(const std::string& name);

// ---- Settings file ----------------------------------------------------------

inline constexpr COLORREF kTeal = 8421376;     // 0x808000
inline constexpr COLORREF kWhite = 16777215;   // 0xFFFFFF

struct SettingKey {
    const char* section;
    const char* key;
};

inline constexpr SettingKey kUnloadIconVisible = {"Taskbar", "visible"};
inline constexpr SettingKey kExitAllowed = {"Windows", "Exit"};
inline constexpr SettingKey kDriveAVisible = {"DiskA", "Visible"};
inline constexpr SettingKey kSessionAllowed = {"Windows", "Session"};
inline constexpr SettingKey kBackColor = {"BackGround", "Color"};
inline constexpr SettingKey kBackImage = {"BackGround", "Image"};
inline constexpr SettingKey kTextColor = {"Text", "Color"};
inline constexpr SettingKey kTextBackColor = {"Text", "BackGround"};
inline constexpr SettingKey kTextTransparent = {"Text", "Transparent"};

// Reads an integer as the settings files hold it: decimal, or hexadecimal
// after "0x", "0X" (with at least one digit) or "$". Anything else, or a
// number outside 32 bits, gives the default.
int ParseSettingInteger(const std::string& text, int fallback);

// A settings file in the initialisation-file format, read and written through
// the system's private-profile functions.
class SettingsFile {
public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    std::string ReadString(const SettingKey& k, const std::string& fallback) const;
    int ReadInteger(const SettingKey& k, int fallback) const;
    // A flag is on exactly when its value is 1.
    bool ReadFlag(const SettingKey& k, int fallback) const { return ReadInteger(k, fallback) == 1; }
    // Answer false when the system could not write the value.
    bool WriteString(const SettingKey& k, const std::string& value) const;
    bool WriteInteger(const SettingKey& k, int value) const;

private:
    std::string path_;
};

// ---- Registry ---------------------------------------------------------------

inline constexpr char kVendorKey[] = "SoftWare\\ZAFO\\Dovrane";
inline constexpr char kPasswordValue[] = "Password";
inline constexpr char kRunServicesKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline constexpr char kRunKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kStartValue[] = "_DESKTOP";
// The NT family never reads RunServices: activation names the shell under Run
// there, with a name of its own, since the shell's commands remove "_DESKTOP".
inline constexpr char kLogonStartValue[] = "Velmora";
inline constexpr char kPoliciesKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
// The policy keys under HKEY_CURRENT_USER: kCurrentVersionKey + a sub-key.
inline constexpr char kCurrentVersionKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\";
inline constexpr char kExplorerPolicies[] = "Policies\\Explorer";
inline constexpr char kSystemPolicies[] = "Policies\\System";
inline constexpr char kDisableTaskMgr[] = "DisableTaskMgr";
inline constexpr char kDisableRegistryTools[] = "DisableRegistryTools";
inline constexpr char kNoSetTaskBar[] = "NoSetTaskBar";
inline constexpr char kNoTrayContextMenu[] = "NoTrayContextMenu";
inline constexpr char kNoViewContextMenu[] = "NoViewContextMenu";
inline constexpr char kNoDeskTop[] = "NoDeskTop";

// ---- Unload password --------------------------------------------------------

inline constexpr size_t kPasswordLength = 10;

// The stored form of a typed password: its characters followed by blanks up
// to ten positions.
std::string PaddedPassword(const std::string& typed);
// Whether the ten-position field can give this text: ten characters, each a
// blank or a letter or digit. A stored password that it cannot give can
// never be matched.
bool TypablePassword(const std::string& text);

}  // namespace velmora
