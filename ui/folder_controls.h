// The two controls with which a user walks to a folder: a drop-down list of
// the machine's drives and a list of folders that shows the path from the
// drive's root down to the current folder, then that folder's sub-folders.
// Neither one changes the process's current folder.
#pragma once

#include "ui/controls.h"
#include "ui/handles.h"

#include <string>
#include <vector>

namespace ui {

// The system's small icons for folders and drives, as the shell shows them,
// kept for the control's life.
class ShellSmallIcons {
public:
    HICON Folder(bool open);
    HICON Drive(char letter);

private:
    HICON Get(const std::string& path, DWORD attributes, UINT flags);
    std::vector<std::pair<std::string, IconHandle>> icons_;
};

class DriveComboBox : public Control {
public:
    DriveComboBox(Form& owner, const RECT& bounds);

    // The chosen drive, an upper-case letter ('\0' when none).
    char Drive() const;
    // Chooses a listed drive; answers false when it is not listed.
    bool SetDrive(char letter);
    // Reads the machine's drives again.
    void Refresh();

    std::function<void()> onChange;   // the user chose another drive

protected:
    bool OnReflectedCommand(WORD code) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* di) override;

private:
    ShellSmallIcons icons_;
};

class DirectoryListBox : public Control {
public:
    DirectoryListBox(Form& owner, const RECT& bounds, int lineHeight = 16);

    // Full path; a drive's root keeps its backslash ("C:\"), others have none.
    const std::string& Directory() const { return directory_; }
    // Shows that folder; answers false, and keeps the current one, when it
    // cannot be read.
    bool SetDirectory(const std::string& path);
    // Shows the drive's current folder (its root when it has none).
    bool SetDrive(char letter);
    // Opens the folder of the selected line (what a double-click does).
    void OpenSelected();
    // The full path of a line.
    std::string PathOfLine(int line) const;
    int LineCount() const { return static_cast<int>(lines_.size()); }
    int CurrentLine() const { return current_; }
    std::string LineName(int line) const { return lines_[line].name; }

    std::function<void()> onChange;   // Directory changed

protected:
    bool OnReflectedCommand(WORD code) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* di) override;
    bool OnKeyDown(WORD key, ShiftState shift) override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    struct Line {
        std::string name;
        int level;
    };
    std::vector<Line> lines_;   // root, each folder of the path, then sub-folders
    int current_ = 0;           // the line of Directory
    std::string directory_;
    ShellSmallIcons icons_;
};

// "C:\A\B" as its root "C:\" (or "\\server\share\") and the names under it.
std::vector<std::string> SplitFolderPath(const std::string& path);

}  // namespace ui
