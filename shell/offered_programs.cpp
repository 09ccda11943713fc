#include "shell/offered_programs.h"

#include "shared/ansi_text.h"
#include "shared/shell_link.h"
#include "ui/handles.h"

namespace dovrane {

OfferedPrograms::OfferedPrograms(const std::string& profileDir) { Read(profileDir, 0); }

void OfferedPrograms::Read(const std::string& folder, int depth) {
    WIN32_FIND_DATAA found;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &found));
    if (!find) return;
    velmora::TVornShellLink link;
    do {
        std::string name = found.cFileName, path = folder + "\\" + name;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (depth < 8 && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) Read(path, depth + 1);
            continue;
        }
        try {
            link.SetFileName(path);
            link.ReadLink();
            if (!link.Target.empty()) programs_.push_back(velmora::UpperCase(link.Target));
        } catch (const velmora::EVornShellLink&) {
        }
    } while (FindNextFileA(find.get(), &found));
}

bool OfferedPrograms::Offers(const std::string& programPath) const {
    std::string wanted = velmora::UpperCase(programPath);
    for (const std::string& program : programs_)
        if (program == wanted) return true;
    return false;
}

}  // namespace dovrane
