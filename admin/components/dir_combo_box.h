// TLsDirComboBox: an owner-drawn drop-down list of the drives and of the
// chain of folders from a drive root down to the folder shown, with the
// shell's icons and display names. Linked with a TLsFileListView, it follows
// the list and moves it.
//
// Each item is a text: a level, a colon and a path. "0:Drives" stands for
// the list of drives, "1:C:\" for a drive, "2:C:\A\", "3:C:\A\B\" for the
// levels below it; the current item carries a "T" in front.
#pragma once

#include "ui/controls.h"

#include <commctrl.h>

#include <functional>
#include <string>

namespace quorvel {

class TLsFileListView;

class TLsDirComboBox : public ui::Control {
public:
    TLsDirComboBox(ui::Form& owner, const RECT& bounds, HWND parent = nullptr);
    ~TLsDirComboBox() override;

    // The current drive letter in lower case, 0 for none.
    char Drive() const { return drive_; }
    void SetDrive(char drive);
    // The folder chosen, with a final "\" (empty when none).
    const std::string& SelectedDir() const { return selectedDir_; }
    void SetSelectedDir(const std::string& value);
    // Not owned; the link is kept on both sides.
    TLsFileListView* FileList() const { return fileList_; }
    void SetFileList(TLsFileListView* list);

    // The path whose folders the items show, with a final "\", or "Drives".
    const std::string& DisplayedPath() const { return displayedPath_; }
    void SetPath(const std::string& path);
    void BuildList();

    int Count() const;
    std::string Item(int index) const;
    int Selected() const;   // -1 for none
    void Select(int index);
    bool DroppedDown() const;

    std::function<void()> onClick;
    // The user's choice was accepted.
    std::function<void(TLsDirComboBox& sender)> OnChange;

protected:
    bool OnReflectedCommand(WORD code) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* item) override;

private:
    friend class TLsFileListView;

    void ChangeSelection();
    int Insert(int index, const std::string& text);

    char drive_ = 0;
    std::string selectedDir_;
    std::string displayedPath_;
    TLsFileListView* fileList_ = nullptr;
    DWORD drives_ = 0;
};

}  // namespace quorvel
