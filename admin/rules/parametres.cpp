#include "admin/rules/parametres.h"

namespace quorvel {

using velmora::SettingKey;
using velmora::SettingsFile;

namespace {

const char* Flag(bool on) { return on ? "1" : "0"; }

// The decimal text of a colour key, or empty when it holds no usable colour.
std::string ColorText(const SettingsFile& file, const SettingKey& key) {
    int color = file.ReadInteger(key, -1);
    return color >= 0 ? std::to_string(color) : std::string();
}

}  // namespace

void WriteSetting(const SettingsFile& file, const SettingKey& key, const std::string& value) {
    if (!file.WriteString(key, value)) throw EIniFileException("Ne peut écrire dans " + file.Path());
}

OptionValues LitParametres(const SettingsFile& file) {
    // A flag that the file lacks shows what the shell does without it, so
    // that saving unchanged options changes nothing on the desktop.
    OptionValues v;
    v.CloseWin = file.ReadFlag(velmora::kExitAllowed, 1);
    v.diskA = file.ReadFlag(velmora::kDriveAVisible, 0);
    v.session = file.ReadFlag(velmora::kSessionAllowed, 0);
    // Absent or unusable, a colour or the picture stays as the initial state has it: empty.
    v.DesktopColor = ColorText(file, velmora::kBackColor);
    v.NomImage = file.ReadString(velmora::kBackImage, "");
    v.TextColor = ColorText(file, velmora::kTextColor);
    v.TextBackColor = ColorText(file, velmora::kTextBackColor);
    v.transparent = file.ReadFlag(velmora::kTextTransparent, 1);
    v.icovisible = file.ReadFlag(velmora::kUnloadIconVisible, 1);
    return v;
}

void EcritParametres(const SettingsFile& file, const OptionValues& v) {
    WriteSetting(file, velmora::kUnloadIconVisible, Flag(v.icovisible));
    WriteSetting(file, velmora::kExitAllowed, Flag(v.CloseWin));
    WriteSetting(file, velmora::kDriveAVisible, Flag(v.diskA));
    WriteSetting(file, velmora::kSessionAllowed, Flag(v.session));
    if (int color = velmora::ParseSettingInteger(v.DesktopColor, -1); color >= 0)
        WriteSetting(file, velmora::kBackColor, std::to_string(color));
    WriteSetting(file, velmora::kBackImage, v.NomImage);
    if (!v.TextColor.empty()) WriteSetting(file, velmora::kTextColor, v.TextColor);
    if (!v.TextBackColor.empty()) WriteSetting(file, velmora::kTextBackColor, v.TextBackColor);
    WriteSetting(file, velmora::kTextTransparent, Flag(v.transparent));
}

void CreeParametres(const SettingsFile& file) {
    WriteSetting(file, velmora::kUnloadIconVisible, "1");
    WriteSetting(file, velmora::kExitAllowed, "1");
    WriteSetting(file, velmora::kDriveAVisible, "0");
    WriteSetting(file, velmora::kSessionAllowed, "0");
    WriteSetting(file, velmora::kBackColor, std::to_string(velmora::kTeal));
    WriteSetting(file, velmora::kTextColor, std::to_string(velmora::kWhite));
    WriteSetting(file, velmora::kTextTransparent, "1");
}

}  // namespace quorvel
