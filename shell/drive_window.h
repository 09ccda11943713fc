// Drive A in a window of the shell. It lists the diskette's files and
// folders with their system pictures, and runs nothing from it: a document
// opens only with the program that the system associates with it, and only
// when the user's desktop offers that program. Programs, batch files,
// program information files and shortcuts are refused.
#pragma once

#include "shell/entry_window.h"

#include <functional>

namespace dovrane {

inline constexpr char kDriveARoot[] = "A:";
inline constexpr char kNoDiskette[] = "Disquette absente ou illisible...";
inline constexpr char kNotAllowed[] = "Ce fichier ne peut pas être ouvert depuis la disquette...";

class TDriveWindow : public TEntryWindow {
public:
    // `offers` tells whether the user's desktop offers a program (a full path).
    TDriveWindow(const EntryColors& colors, std::function<bool(const std::string&)> offers);

    // The program that may open a document of the diskette; empty when none may.
    std::string AllowedProgram(const std::string& document) const;

protected:
    std::vector<DesktopEntry> ReadFolder(const std::string& folder) override;
    void OpenFile(const DesktopEntry& entry) override;

private:
    std::function<bool(const std::string&)> offers_;
};

}  // namespace dovrane
