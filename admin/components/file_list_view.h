// TLsFileListView: a list view of one folder's entries (files and
// sub-folders) with the shell's icons, type names, sizes, dates and
// attributes. A double click opens a sub-folder or starts a program. It can
// be linked with a TLsDirComboBox that shows the chain of folders above it.
//
// Assigning a folder makes it the process's current folder, and creating a
// list sets the program-wide date formats (file_entry.h).
#pragma once

#include "admin/components/file_entry.h"
#include "ui/list_view.h"
#include "ui/menu.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

class TLsDirComboBox;

struct ListColumn {
    std::string caption;
    int width;
    int format = LVCFMT_LEFT;
};

// The width of a column that its form gives none.
inline constexpr int kDefaultColumnWidth = 50;

// "Name", "Size", "Type", "Modified", "Attributes".
std::vector<ListColumn> DefaultListColumns();

class TLsFileListView : public ui::ListView {
public:
    TLsFileListView(ui::Form& owner, const RECT& bounds,
                    const std::vector<ListColumn>& columns = DefaultListColumns(), HWND parent = nullptr);
    ~TLsFileListView() override;

    // The folder shown, without a final "\" unless it is a drive root.
    // Assigning the same folder in any case changes nothing; with a final "\"
    // it always reads the folder again. A folder that cannot be made current,
    // or that lies outside Root, leaves the list on its folder, read again.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& value);
    // The folder that the list never leaves, nor goes out of through a link;
    // empty for none. A list outside the new root is emptied.
    void SetRoot(const std::string& value);
    // Patterns separated by ";"; an entry matching two is listed twice.
    void SetMask(const std::string& value);
    // Not owned; the link is kept on both sides.
    TLsDirComboBox* DirCombo() const { return dirCombo_; }
    void SetDirCombo(TLsDirComboBox* combo);
    // Full path of the item last clicked.
    const std::string& SelectedPath() const { return selectedPath_; }

    void RefreshList();
    // Gives an item the name that its entry now has on the disk.
    void RenameItem(int item, const std::string& name);
    // A sub-item (SubItemIndex) of an item that the list made.
    std::string SubItemText(int item, int index) const;

    // A click on a column header sorts by it; off: plain headers.
    void SetColumnClick(bool enabled);
    int SortColumn() const { return sortColumn_; }
    bool SortReversed() const { return sortReversed_; }

    std::function<void()> onClick;
    ui::PopupMenu* popupMenu = nullptr;   // not owned

protected:
    bool OnReflectedNotify(NMHDR* nm, LRESULT& result) override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    friend class TLsDirComboBox;

    bool MayShow(const std::string& folder) const;
    void AddEntry(const std::string& folder, const std::string& name);
    void DblClickAction();
    void SortBy(int column);
    static int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM self);

    std::string directory_;
    std::string root_;
    std::string mask_ = "*.*";
    std::string selectedPath_;
    TLsDirComboBox* dirCombo_ = nullptr;
    int sortColumn_ = 1;
    bool sortReversed_ = true;
    bool columnClick_ = true;
    bool rebuilding_ = false;
    std::vector<FileEntry> entries_;   // an item's data is its index here
};

// Opens the file with its default verb, owned by the application's main
// window. The texts are handed over whole. Answers the shell's result.
INT_PTR ExecuteFile(const std::string& file, const std::string& parameters, const std::string& folder,
                    int showCmd);

}  // namespace quorvel
