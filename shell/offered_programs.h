// What a profile lets its user run, read from the profile's folder: the
// administrator's choice, which the watch on the system's ways out spares and
// the drive A window asks about.
#pragma once

#include "shared/shell_link.h"

#include <string>
#include <vector>

namespace dovrane {

// The programs that a profile offers its user: the targets of its shortcuts,
// those in its sub-folders included, and the MS-DOS programs that its program
// information files start; compared as full paths without regard to case.
class OfferedPrograms {
public:
    OfferedPrograms() = default;
    explicit OfferedPrograms(const std::string& profileDir);   // reads the profile now
    bool Offers(const std::string& programPath) const;
    // Whether a console or MS-DOS window shows an offered program. The
    // systems title such a window with the program's path, or with the title
    // of the program information file that started it (its program's name
    // when that title is blank).
    bool OffersConsole(const std::string& windowTitle) const;

private:
    void ReadFolder(const std::string& folder, int depth);
    void ReadShortcut(const std::string& path);
    void ReadProgramInformation(const std::string& path);
    void Add(const std::string& program);

    velmora::TVornShellLink link_;
    std::vector<std::string> programs_;        // short (8.3) form where the file exists, upper case
    std::vector<std::string> consoleTitles_;   // upper case
};

}  // namespace dovrane
