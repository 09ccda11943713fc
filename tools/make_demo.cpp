// Makes a ready demo profile in the running Windows: the default profile with
// shortcuts to programs that come with the system, a sub-folder, its
// settings file, and the unload password "demo".
//   VelmoraDemo.exe            the demo profile
//   VelmoraDemo.exe --count N  N shortcuts to the text editor instead (N <= 23)
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "shared/shell_link.h"
#include "ui/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Shortcut {
    const char* name;
    const char* target;   // in the folder given to WriteShortcut
};

void WriteShortcut(const std::string& folder, const Shortcut& s, const std::string& programs) {
    velmora::TVornShellLink link;
    link.SetWindowState(velmora::TWindowState::wsNormal);
    link.SetFileName(folder + "\\" + s.name);
    link.Target = programs + "\\" + s.target;
    link.WorkingDir = programs;
    link.WriteLink();
}

}  // namespace

int main(int argc, char** argv) {
    int count = argc == 3 && std::strcmp(argv[1], "--count") == 0 ? std::atoi(argv[2]) : 0;
    std::string windows = ui::platform().windowsDir();
    std::string system = ui::platform().systemDir();
    std::string profiles = velmora::ProfilesFolder(windows);
    std::string profile = velmora::ProfileFolder(profiles, velmora::kDefaultProfile);
    CreateDirectoryA(profiles.c_str(), nullptr);
    SetFileAttributesA(profiles.c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA(profile.c_str(), nullptr);

    try {
        if (count > 0) {
            for (int i = 1; i <= count && i <= velmora::kMaxEntries; ++i) {
                std::string name = "Notes " + std::to_string(i);
                WriteShortcut(profile, {name.c_str(), "notepad.exe"}, system);
            }
        } else {
            for (const Shortcut& s : {Shortcut{"Bloc-notes", "notepad.exe"}, Shortcut{"Démineur", "winemine.exe"},
                                      Shortcut{"Horloge", "clock.exe"}})
                WriteShortcut(profile, s, system);
            WriteShortcut(profile, {"Registre", "regedit.exe"}, windows);
            std::string tools = profile + "\\Outils";
            CreateDirectoryA(tools.c_str(), nullptr);
            WriteShortcut(tools, {"WordPad", "write.exe"}, system);
        }
    } catch (const velmora::EVornShellLink& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }

    velmora::SettingsFile settings(velmora::SettingsFileOf(profiles, velmora::kDefaultProfile));
    settings.WriteInteger(velmora::kUnloadIconVisible, 1);
    settings.WriteInteger(velmora::kExitAllowed, 1);
    settings.WriteInteger(velmora::kDriveAVisible, count > 0 ? 0 : 1);
    settings.WriteInteger(velmora::kSessionAllowed, 1);
    settings.WriteInteger(velmora::kBackColor, static_cast<int>(velmora::kTeal));
    settings.WriteString(velmora::kBackImage, "");
    settings.WriteInteger(velmora::kTextColor, static_cast<int>(velmora::kWhite));
    settings.WriteInteger(velmora::kTextBackColor, static_cast<int>(velmora::kTeal));
    settings.WriteInteger(velmora::kTextTransparent, 1);

    velmora::RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey)
        .WriteString(velmora::kPasswordValue, velmora::PaddedPassword("demo"));
    std::printf("%s\n", profile.c_str());
    return 0;
}
