#include "admin/components/file_list_view.h"

#include "admin/components/dir_combo_box.h"
#include "shared/file_bytes.h"
#include "shared/folder_path.h"
#include "shared/link_layout.h"
#include "shared/shell_link.h"
#include "ui/application.h"
#include "ui/compat.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/platform.h"

#include <shellapi.h>
#include <windowsx.h>

namespace quorvel {

using velmora::CurrentFolder;
using velmora::FullPath;
using velmora::IsLink;
using velmora::IsWithin;
using velmora::WithBackslash;

namespace {

constexpr DWORD kListStyle = LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;

HIMAGELIST SystemImageList(UINT sizeFlag) {
    SHFILEINFOA info = {};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
}

std::string UpperExtension(const std::string& name) {
    size_t dot = name.find_last_of(".\\:");
    if (dot == std::string::npos || name[dot] != '.') return {};
    std::string ext = name.substr(dot);
    for (char& c : ext)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return ext;
}

// Redrawing stays off and the hourglass on while the items are rebuilt,
// whatever happens meanwhile.
class RebuildScope {
public:
    RebuildScope(HWND list, bool& rebuilding)
        : list_(list), rebuilding_(rebuilding), cursor_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {
        SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
        rebuilding_ = true;
    }
    ~RebuildScope() {
        rebuilding_ = false;
        SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
        SetCursor(cursor_);
    }
    RebuildScope(const RebuildScope&) = delete;
    RebuildScope& operator=(const RebuildScope&) = delete;

private:
    HWND list_;
    bool& rebuilding_;
    HCURSOR cursor_;
};

// The system shows the generic icon for a link whose icon file is named with
// environment variables (%SystemRoot%\...): the icon of the expanded name.
int ExpandedIcon(const std::string& path, int shown) {
    velmora::TVornShellLink link;
    link.SetFileName(path);
    try {
        link.ReadLink();
    } catch (const velmora::EVornShellLink&) {
        return shown;
    }
    const velmora::TFileIcon& icon = link.FileIcon();
    if (icon.FileName.find('%') == std::string::npos) return shown;
    int index = ui::CachedImageIndex(velmora::ExpandedName(icon.FileName), icon.IconIndex);
    return index >= 0 ? index : shown;
}

}  // namespace

std::vector<ListColumn> DefaultListColumns() {
    return {{"Name", 140}, {"Size", 70, LVCFMT_RIGHT}, {"Type", 70}, {"Modified", 110},
            {"Attributes", kDefaultColumnWidth, LVCFMT_RIGHT}};
}

TLsFileListView::TLsFileListView(ui::Form& owner, const RECT& bounds,
                                 const std::vector<ListColumn>& columns, HWND parent)
    : ui::ListView(owner, bounds, kListStyle, parent) {
    // Shared with the shell: the list never destroys them.
    SetImageList(SystemImageList(SHGFI_LARGEICON), LVSIL_NORMAL);
    SetImageList(SystemImageList(SHGFI_SMALLICON), LVSIL_SMALL);
    for (const ListColumn& c : columns.empty() ? DefaultListColumns() : columns)
        AddColumn(c.caption, c.width, c.format);
    SetListDateFormats();
}

TLsFileListView::~TLsFileListView() {
    if (dirCombo_) dirCombo_->fileList_ = nullptr;
}

void TLsFileListView::SetDirectory(const std::string& value) {
    // An empty text names no folder: the list stays as it is.
    if (value.empty() || lstrcmpiA(value.c_str(), directory_.c_str()) == 0) return;
    // Whatever folder happens to be current is not shown in its place.
    if (MayShow(value) && SetCurrentDirectoryA(WithBackslash(value).c_str())) directory_ = CurrentFolder();
    RefreshList();
}

void TLsFileListView::SetRoot(const std::string& value) {
    root_ = value;
    if (MayShow(directory_)) return;
    directory_.clear();
    RefreshList();
}

bool TLsFileListView::MayShow(const std::string& folder) const {
    if (root_.empty()) return true;
    if (folder.empty() || !IsWithin(folder, root_)) return false;
    // Every level below the root is a folder of its own, not a link elsewhere.
    std::string root = WithBackslash(FullPath(root_)), full = WithBackslash(FullPath(folder));
    for (size_t end = full.find('\\', root.size()); end != std::string::npos; end = full.find('\\', end + 1)) {
        if (IsLink(GetFileAttributesA(full.substr(0, end).c_str()))) return false;
    }
    return true;
}

void TLsFileListView::SetMask(const std::string& value) {
    if (value == mask_) return;
    mask_ = value;
    RefreshList();
}

void TLsFileListView::SetDirCombo(TLsDirComboBox* combo) {
    if (combo == dirCombo_) return;
    if (dirCombo_) dirCombo_->fileList_ = nullptr;
    dirCombo_ = combo;
    if (!combo) return;
    if (combo->fileList_ && combo->fileList_ != this) combo->fileList_->dirCombo_ = nullptr;
    combo->fileList_ = this;
    combo->BuildList();
}

void TLsFileListView::SetColumnClick(bool enabled) {
    columnClick_ = enabled;
    LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE, enabled ? style & ~LVS_NOSORTHEADER : style | LVS_NOSORTHEADER);
}

void TLsFileListView::RefreshList() {
    {
        RebuildScope scope(Handle(), rebuilding_);
        Clear();
        entries_.clear();
        // Until a folder is assigned there is nothing to list.
        if (!directory_.empty()) {
            std::string folder = WithBackslash(directory_);
            for (size_t begin = 0; begin <= mask_.size();) {
                size_t end = std::min(mask_.find(';', begin), mask_.size());
                std::string pattern = mask_.substr(begin, end - begin);
                begin = end + 1;
                if (pattern.empty()) continue;
                WIN32_FIND_DATAA record;
                ui::FindHandle find(FindFirstFileA((folder + pattern).c_str(), &record));
                if (!find) continue;
                do {
                    std::string name = record.cFileName;
                    if (name != "." && name != "..") AddEntry(folder, name);
                } while (FindNextFileA(find.get(), &record));
            }
        }
    }
    // One change for the whole rebuild, instead of one per item.
    if (onChange) onChange();
}

// The entry is looked up again by its full path; one that went away since
// the folder search is left out. The shell reads a shortcut to find its
// icon, and its link object reads a damaged one far past its buffers: such a
// shortcut is described by its name alone, and so is an entry that the shell
// cannot describe itself (Wine's, on a network path), or none that it cannot
// describe even so.
void TLsFileListView::AddEntry(const std::string& folder, const std::string& name) {
    std::string path = folder + name, bytes;
    WIN32_FIND_DATAA record;
    if (!ui::FindHandle(FindFirstFileA(path.c_str(), &record))) return;
    UINT query = SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_SMALLICON;
    bool link = UpperExtension(name) == ".LNK";
    if (link && !(velmora::ReadFileBytes(path, velmora::kMaxLinkFileSize, bytes) && velmora::LinkLayoutIsSound(bytes)))
        query |= SHGFI_USEFILEATTRIBUTES;
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, query) &&
        !SHGetFileInfoA(path.c_str(), record.dwFileAttributes, &info, sizeof info, query | SHGFI_USEFILEATTRIBUTES))
        return;
    // Only a link whose bytes hold a "%" may name its icon file with variables.
    bool named = !(query & SHGFI_USEFILEATTRIBUTES) && bytes.find('%') != std::string::npos;
    entries_.push_back(MakeFileEntry(folder, record, named ? ExpandedIcon(path, info.iIcon) : info.iIcon,
                                     info.szTypeName));
    const FileEntry& e = entries_.back();
    int item = Add(e.caption, e.image, static_cast<LPARAM>(entries_.size()));
    for (int sub = siSize; sub <= siAttributes; ++sub) SetSubItem(item, sub + 1, e.sub[sub]);
}

void TLsFileListView::RenameItem(int item, const std::string& name) {
    LPARAM data = ItemData(item);
    if (data >= 1 && static_cast<size_t>(data) <= entries_.size()) {
        FileEntry& entry = entries_[data - 1];
        entry.caption = name;
        entry.sub[siPath] = WithBackslash(directory_) + name;
    }
    SetSubItem(item, 0, name);
}

std::string TLsFileListView::SubItemText(int item, int index) const {
    LPARAM data = ItemData(item);
    if (data < 1 || static_cast<size_t>(data) > entries_.size() || index < 0 || index > siKind) return {};
    return entries_[data - 1].sub[index];
}

bool TLsFileListView::OnReflectedNotify(NMHDR* nm, LRESULT& result) {
    if (rebuilding_) {
        switch (nm->code) {
            case LVN_DELETEALLITEMS: result = TRUE; return true;   // no notice per item
            case LVN_ITEMCHANGED: case LVN_INSERTITEM: case LVN_DELETEITEM: return true;
        }
    }
    switch (nm->code) {
        case NM_CLICK:
            if (int item = Selected(); item >= 0) selectedPath_ = SubItemText(item, siPath);
            if (onClick) onClick();
            return true;
        case NM_DBLCLK:
            ListView::OnReflectedNotify(nm, result);   // the owner's event first
            DblClickAction();
            return true;
        case LVN_COLUMNCLICK:
            if (columnClick_) SortBy(reinterpret_cast<NMLISTVIEW*>(nm)->iSubItem);
            return true;
        default:
            return ListView::OnReflectedNotify(nm, result);
    }
}

bool TLsFileListView::OnOtherMessage(UINT msg, WPARAM, LPARAM lp, LRESULT&) {
    if (msg != WM_CONTEXTMENU || !popupMenu) return false;
    POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (lp == -1) GetCursorPos(&at);   // from the keyboard
    popupMenu->Popup(Owner().Handle(), at);
    return true;
}

void TLsFileListView::DblClickAction() {
    int item = Selected();
    if (item < 0) return;
    std::string kind = SubItemText(item, siKind);
    if (kind == "dir") {
        std::string path = WithBackslash(SubItemText(item, siPath));
        SetDirectory(path);
        RefreshList();
        if (dirCombo_) {
            dirCombo_->SetPath(path);
            dirCombo_->BuildList();
        }
    } else if (kind == "file") {
        std::string caption = ItemText(item);
        if (UpperExtension(caption) == ".EXE") ExecuteFile(caption, "", directory_, SW_SHOW);
    }
}

void TLsFileListView::SortBy(int column) {
    if (column == sortColumn_) {
        sortReversed_ = !sortReversed_;
    } else {
        sortColumn_ = column;
        sortReversed_ = true;
    }
    ListView_SortItems(Handle(), CompareItems, reinterpret_cast<LPARAM>(this));
}

int CALLBACK TLsFileListView::CompareItems(LPARAM a, LPARAM b, LPARAM self) {
    auto* list = reinterpret_cast<TLsFileListView*>(self);
    static const FileEntry none;
    auto entry = [&](LPARAM data) -> const FileEntry& {
        return data >= 1 && static_cast<size_t>(data) <= list->entries_.size() ? list->entries_[data - 1] : none;
    };
    return CompareEntries(entry(a), entry(b), list->sortColumn_, list->sortReversed_);
}

INT_PTR ExecuteFile(const std::string& file, const std::string& parameters, const std::string& folder,
                    int showCmd) {
    ui::Form* main = ui::Application::Instance().MainForm();
    return ui::platform().openFile(main ? main->Handle() : nullptr, file, parameters, folder, showCmd);
}

}  // namespace quorvel
