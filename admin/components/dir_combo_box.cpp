#include "admin/components/dir_combo_box.h"

#include "admin/components/file_list_view.h"
#include "shared/folder_path.h"
#include "ui/application.h"
#include "ui/path_kind.h"
#include "ui/platform.h"

#include <shellapi.h>

#include <algorithm>
#include <cctype>

namespace quorvel {

using velmora::CurrentFolder;
using ui::FolderExists;
using velmora::WithBackslash;

namespace {

constexpr int kItemHeight = 18;
const char kDrivesItem[] = "0:Drives";

// One small system image list for every combo of the program.
HIMAGELIST& SmallImages() {
    static HIMAGELIST images = nullptr;
    return images;
}

// The system image list's picture for the list of drives.
constexpr int kDrivesIcon = 15;

char Lower(char c) { return static_cast<char>(tolower(static_cast<unsigned char>(c))); }

}  // namespace

TLsDirComboBox::TLsDirComboBox(ui::Form& owner, const RECT& bounds, HWND parent) : ui::Control(owner) {
    std::string current = CurrentFolder();
    drive_ = current.empty() || current[0] == '\\' ? 0 : current[0];
    displayedPath_ = current.substr(0, current.rfind('\\') + 1);
    SHFILEINFOA info = {};
    SmallImages() = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));

    CreateControl(WC_COMBOBOXA, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                  CBS_HASSTRINGS, 0, bounds, parent);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kItemHeight);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, kItemHeight);
    drives_ = GetLogicalDrives();
    SetDrive(drive_);
    SetSelectedDir(selectedDir_);
    BuildList();
}

TLsDirComboBox::~TLsDirComboBox() {
    if (fileList_) fileList_->dirCombo_ = nullptr;
}

void TLsDirComboBox::SetDrive(char drive) {
    if (Selected() >= 0 && Lower(drive) == Lower(drive_)) return;
    if (drive == 0) {
        drive_ = 0;
        Select(-1);
    } else {
        drive_ = Lower(drive);
    }
    ChangeSelection();
}

void TLsDirComboBox::SetSelectedDir(const std::string& value) {
    // An empty text (the folder part of "Drives") stays empty: it names no folder.
    if (lstrcmpiA(value.c_str(), selectedDir_.c_str()) != 0)
        selectedDir_ = value.empty() ? value : WithBackslash(value);
    if (ui::FolderExists(selectedDir_)) {
        displayedPath_ = selectedDir_;
        SetCurrentDirectoryA(selectedDir_.c_str());
        if (fileList_) {
            fileList_->SetDirectory(selectedDir_);
            fileList_->RefreshList();
        }
    }
    BuildList();
}

void TLsDirComboBox::SetFileList(TLsFileListView* list) {
    if (fileList_ && fileList_ != list) fileList_->dirCombo_ = nullptr;
    fileList_ = list;
    if (!list) return;
    list->SetDirCombo(this);
    if (!selectedDir_.empty()) {
        list->SetDirectory(selectedDir_);
        list->RefreshList();
    }
}

void TLsDirComboBox::SetPath(const std::string& path) {
    if (path == displayedPath_ || path.empty()) return;
    displayedPath_ = WithBackslash(path);
    BuildList();
}

void TLsDirComboBox::BuildList() {
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    int current = -1;
    bool drives = displayedPath_ == "Drives";
    int driveNumber = displayedPath_.empty() ? -1 : toupper(static_cast<unsigned char>(displayedPath_[0])) - 'A';
    Insert(-1, kDrivesItem);
    for (int d = 0; d < 26; ++d) {
        if (!(drives_ & (1u << d))) continue;
        int item = Insert(-1, std::string("1:") + static_cast<char>('A' + d) + ":\\");
        if (drives || d != driveNumber) continue;
        size_t n = displayedPath_.size();
        if (n >= 2 && displayedPath_[n - 2] == ':') {
            current = item;
            continue;
        }
        // One item per level below the root, down to the displayed folder.
        size_t end = displayedPath_.find('\\');
        for (int level = 2; end != std::string::npos; ++level) {
            end = displayedPath_.find('\\', end + 1);
            if (end == std::string::npos) break;
            current = Insert(-1, std::to_string(level) + ":" + displayedPath_.substr(0, end + 1));
        }
    }
    if (drives) current = 0;
    if (current >= 0) {
        std::string text = Item(current).insert(0, 1, 'T');
        SendMessageA(Handle(), CB_DELETESTRING, current, 0);
        Insert(current, text);
    }
    Select(-1);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    Select(current);
}

// The user picked an item, or Drive was assigned.
void TLsDirComboBox::ChangeSelection() {
    int item = Selected();
    if (DroppedDown() || item < 0) return;
    std::string text = Item(item);
    std::string path = text.substr(text.find(':') + 1);
    if (path == "Drives" || ui::FolderExists(path)) {
        displayedPath_ = path;
        SetSelectedDir(path.substr(0, path.rfind('\\') + 1));
        if (OnChange) OnChange(*this);
    } else {
        ui::ShowMessage(GetActiveWindow(), "No Access to " + path + " .",
                        ui::Application::Instance().Title(), MB_OK);
    }
    BuildList();
}

int TLsDirComboBox::Insert(int index, const std::string& text) {
    return static_cast<int>(
        SendMessageA(Handle(), CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
}

int TLsDirComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string TLsDirComboBox::Item(int index) const {
    LRESULT n = SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR) return {};
    std::string text(n + 1, '\0');
    LRESULT got = SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : got);
    return text;
}

int TLsDirComboBox::Selected() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TLsDirComboBox::Select(int index) { SendMessageA(Handle(), CB_SETCURSEL, index, 0); }

bool TLsDirComboBox::DroppedDown() const { return SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

bool TLsDirComboBox::OnReflectedCommand(WORD code) {
    if (code != CBN_SELCHANGE) return false;
    if (onClick) onClick();
    ChangeSelection();
    return true;
}

bool TLsDirComboBox::OnReflectedDrawItem(DRAWITEMSTRUCT* di) {
    HDC dc = di->hDC;
    bool selected = di->itemState & ODS_SELECTED;
    FillRect(dc, &di->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (di->itemID == static_cast<UINT>(-1)) return true;

    std::string text = Item(static_cast<int>(di->itemID));
    UINT query = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_SMALLICON;
    if (!text.empty() && text[0] == 'T') {
        text.erase(0, 1);
        query |= SHGFI_OPENICON;
    }
    std::string name = "Drives";
    int image = kDrivesIcon;
    if (text != kDrivesItem) {
        SHFILEINFOA info = {};
        SHGetFileInfoA(text.substr(text.find(':') + 1).c_str(), 0, &info, sizeof info, query);
        name = info.szDisplayName;
        image = info.iIcon;
    }
    int indent = di->itemState & ODS_COMBOBOXEDIT ? 0 : atoi(text.c_str()) * 8;
    int x = di->rcItem.left, y = di->rcItem.top;
    ImageList_Draw(SmallImages(), image, dc, x + 2 + indent, y + 2, selected ? ILD_SELECTED : ILD_TRANSPARENT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TextOutA(dc, x + 20 + indent, y + 2, name.c_str(), static_cast<int>(name.size()));
    return true;
}

}  // namespace quorvel
