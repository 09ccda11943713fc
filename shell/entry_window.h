// A window of the shell that lists one folder's entries with large icons and
// opens them, in place of the system's file manager: it has no address, no
// context menu, no renaming, deleting or dragging, and it never leaves the
// folder it was opened on. A sub-folder opens in the same window; the
// "Retour" button and Backspace go back up, never above that folder.
//
// Keys: the first entry is selected when a folder shows, the arrows move,
// Enter opens, Backspace goes up, Escape closes. Closing hides the window;
// the desktop opens it again on its first folder.
#pragma once

#include "shell/desktop_entries.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/list_view.h"

#include <string>
#include <vector>

namespace dovrane {

// The desktop's colours, which the window takes over.
struct EntryColors {
    COLORREF back;
    COLORREF text;
    COLORREF textBack;
    bool transparentText;
};

class TEntryWindow : public ui::Form {
public:
    // Shows the window on its first folder, or brings it to the front when it is open.
    void Open();
    const std::string& Root() const { return root_; }
    const std::string& Folder() const { return folder_; }
    const std::vector<DesktopEntry>& Entries() const { return entries_; }
    void OpenSelected();
    void GoUp();

private:
    ui::FormWindow window_;

public:
    ui::Button BtnRetour;
    ui::ListView LvEntries;

protected:
    TEntryWindow(const std::string& root, const std::string& rootCaption, const EntryColors& colors);

    virtual std::vector<DesktopEntry> ReadFolder(const std::string& folder) = 0;
    // Opens an entry that is not a folder.
    virtual void OpenFile(const DesktopEntry& entry) = 0;
    // The caption for a folder below the first one.
    virtual std::string CaptionOf(const std::string& folder) const;

    bool FormKeyDown(WORD key, ui::ShiftState shift) override;
    void FormResize() override;

private:
    void ShowFolder(std::string folder);   // a copy: the entries it may come from are replaced

    std::string root_, rootCaption_, folder_;
    std::vector<DesktopEntry> entries_;
    ui::ImageList images_{32, 32};
};

}  // namespace dovrane
