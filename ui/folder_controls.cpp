#include "ui/folder_controls.h"

#include "ui/form.h"
#include "ui/path_kind.h"

#include <shellapi.h>
#include <winnetwk.h>

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

const int kIndent = 8;

// No "insert a disk" box from the system while drives are looked at.
class QuietDriveErrors {
public:
    QuietDriveErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietDriveErrors() { SetErrorMode(old_); }

private:
    UINT old_;
};

std::string JoinFolderPath(const std::vector<std::string>& parts, size_t count) {
    std::string path = parts[0];
    for (size_t i = 1; i < count; ++i) {
        if (path.back() != '\\') path += '\\';
        path += parts[i];
    }
    return path;
}

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> names;
    std::string pattern = folder + (folder.back() == '\\' ? "*.*" : "\\*.*");
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) return names;
    do {
        std::string name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) || name == "." || name == "..")
            continue;
        names.push_back(name);
    } while (FindNextFileA(find.get(), &entry));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    return names;
}

std::string DriveText(char letter, UINT type) {
    char root[] = {letter, ':', '\\', '\0'};
    std::string text = {static_cast<char>(letter - 'A' + 'a'), ':'};
    if (type == DRIVE_REMOTE) {
        char remote[MAX_PATH] = {};
        DWORD size = sizeof remote;
        char local[] = {letter, ':', '\0'};
        if (WNetGetConnectionA(local, remote, &size) == NO_ERROR) text += std::string(" ") + remote;
    } else if (type == DRIVE_FIXED || type == DRIVE_CDROM || type == DRIVE_RAMDISK) {
        // Removable drives are not read: it would make a floppy drive spin.
        char label[MAX_PATH] = {};
        if (GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) && label[0])
            text += std::string(" [") + label + "]";
    }
    return text;
}

// Draws one line of an owner-drawn list: icon, then text, highlighted when
// selected.
void DrawIconLine(const DRAWITEMSTRUCT* di, int indent, HICON icon, const std::string& text) {
    HDC dc = di->hDC;
    RECT r = di->rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    int x = r.left + indent;
    if (icon) DrawIconEx(dc, x, r.top + (r.bottom - r.top - 16) / 2, icon, 16, 16, 0, nullptr, DI_NORMAL);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    RECT t = {x + 18, r.top, std::min<LONG>(x + 22 + size.cx, r.right), r.bottom};
    bool selected = (di->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &t, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT inner = {t.left + 2, t.top, t.right, t.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((di->itemState & ODS_FOCUS) && !(di->itemState & ODS_COMBOBOXEDIT)) DrawFocusRect(dc, &t);
}

}  // namespace

std::vector<std::string> SplitFolderPath(const std::string& path) {
    std::vector<std::string> parts;
    size_t start;
    if (path.size() >= 2 && path[1] == ':') {
        parts.push_back(path.substr(0, 2) + "\\");
        start = 2;
    } else if (path.rfind("\\\\", 0) == 0) {
        size_t server = path.find('\\', 2);
        if (server == std::string::npos) return parts;
        size_t share = path.find('\\', server + 1);
        parts.push_back(path.substr(0, share) + "\\");
        start = share == std::string::npos ? path.size() : share;
    } else {
        return parts;
    }
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

HICON ShellSmallIcons::Folder(bool open) {
    // A folder's look needs no folder on the disk.
    return Get(open ? "open folder" : "folder", FILE_ATTRIBUTE_DIRECTORY,
               SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0));
}

HICON ShellSmallIcons::Drive(char letter) { return Get({letter, ':', '\\'}, 0, 0); }

HICON ShellSmallIcons::Get(const std::string& path, DWORD attributes, UINT flags) {
    for (auto& [key, icon] : icons_)
        if (key == path) return icon.get();
    SHFILEINFOA info = {};
    SHGetFileInfoA(path.c_str(), attributes, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | flags);
    icons_.emplace_back(path, IconHandle(info.hIcon));
    return info.hIcon;
}

// ---- DriveComboBox -----------------------------------------------------------

DriveComboBox::DriveComboBox(Form& owner, const RECT& bounds) : Control(owner) {
    // The height given is the closed box's; the drop-down list hangs below it.
    RECT dropped = bounds;
    dropped.bottom += 200;
    CreateControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                  0, dropped);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max<LONG>(bounds.bottom - bounds.top - 6, 13));
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, 16);
    Refresh();
}

void DriveComboBox::Refresh() {
    QuietDriveErrors quiet;
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i))) continue;
        char letter = static_cast<char>('A' + i);
        char root[] = {letter, ':', '\\', '\0'};
        std::string text = DriveText(letter, GetDriveTypeA(root));
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    char current[MAX_PATH] = {};
    if (GetCurrentDirectoryA(sizeof current, current) && current[1] == ':') SetDrive(current[0]);
}

char DriveComboBox::Drive() const {
    LRESULT item = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) return '\0';
    char text[MAX_PATH + 8] = {};
    if (SendMessageA(Handle(), CB_GETLBTEXTLEN, item, 0) >= static_cast<LRESULT>(sizeof text)) return '\0';
    SendMessageA(Handle(), CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
    return static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

bool DriveComboBox::SetDrive(char letter) {
    char prefix[] = {static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), ':', '\0'};
    LRESULT item = SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
    if (item == CB_ERR) return false;
    SendMessageA(Handle(), CB_SETCURSEL, item, 0);
    return true;
}

bool DriveComboBox::OnReflectedCommand(WORD code) {
    if (code != CBN_SELCHANGE) return false;
    if (onChange) onChange();
    return true;
}

bool DriveComboBox::OnReflectedDrawItem(DRAWITEMSTRUCT* di) {
    if (di->itemID == static_cast<UINT>(-1)) {
        FillRect(di->hDC, &di->rcItem, GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    char text[MAX_PATH + 8] = {};
    if (SendMessageA(Handle(), CB_GETLBTEXTLEN, di->itemID, 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(Handle(), CB_GETLBTEXT, di->itemID, reinterpret_cast<LPARAM>(text));
    DrawIconLine(di, 2, icons_.Drive(text[0]), text);
    return true;
}

// ---- DirectoryListBox --------------------------------------------------------

DirectoryListBox::DirectoryListBox(Form& owner, const RECT& bounds, int lineHeight) : Control(owner) {
    CreateControl("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                  LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, bounds);
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, lineHeight);
}

bool DirectoryListBox::SetDirectory(const std::string& path) {
    QuietDriveErrors quiet;
    char full[MAX_PATH] = {};
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return false;
    std::vector<std::string> parts = SplitFolderPath(full);
    if (parts.empty()) return false;
    std::string folder = JoinFolderPath(parts, parts.size());
    if (!FolderExists(folder)) return false;

    lines_.clear();
    for (size_t i = 0; i < parts.size(); ++i) lines_.push_back({parts[i], static_cast<int>(i)});
    current_ = static_cast<int>(parts.size()) - 1;
    for (std::string& name : SubFolders(folder)) lines_.push_back({std::move(name), current_ + 1});

    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    for (const Line& line : lines_)
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.name.c_str()));
    SendMessageA(Handle(), LB_SETCURSEL, current_, 0);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);

    bool changed = folder != directory_;
    directory_ = folder;
    if (changed && onChange) onChange();
    return true;
}

bool DirectoryListBox::SetDrive(char letter) {
    char drive[] = {letter, ':', '\0'};
    char current[MAX_PATH] = {};
    DWORD n = GetFullPathNameA(drive, sizeof current, current, nullptr);
    if (n > 0 && n < sizeof current && SetDirectory(current)) return true;
    return SetDirectory(std::string(drive) + "\\");
}

std::string DirectoryListBox::PathOfLine(int line) const {
    if (line < 0 || line >= LineCount()) return {};
    std::vector<std::string> parts;
    for (int i = 0; i <= std::min(line, current_); ++i) parts.push_back(lines_[i].name);
    if (line > current_) parts.push_back(lines_[line].name);
    return JoinFolderPath(parts, parts.size());
}

void DirectoryListBox::OpenSelected() {
    int line = static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
    if (line >= 0 && line != current_) SetDirectory(PathOfLine(line));
}

bool DirectoryListBox::OnReflectedCommand(WORD code) {
    if (code != LBN_DBLCLK) return false;
    OpenSelected();
    return true;
}

bool DirectoryListBox::OnKeyDown(WORD key, ShiftState) {
    if (key != VK_RETURN) return false;
    OpenSelected();
    return true;
}

bool DirectoryListBox::OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    // Enter opens the selected folder, rather than pressing the dialog's
    // default button, while a line other than the current folder is selected.
    if (msg != WM_GETDLGCODE) return false;
    result = DefaultProc(msg, wp, lp);
    auto* m = reinterpret_cast<MSG*>(lp);
    int line = static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
    if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN && line >= 0 && line != current_)
        result |= DLGC_WANTMESSAGE;
    return true;
}

bool DirectoryListBox::OnReflectedDrawItem(DRAWITEMSTRUCT* di) {
    if (di->itemID == static_cast<UINT>(-1) || di->itemID >= lines_.size()) {
        FillRect(di->hDC, &di->rcItem, GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    const Line& line = lines_[di->itemID];
    bool open = static_cast<int>(di->itemID) <= current_;
    DrawIconLine(di, 2 + line.level * kIndent, icons_.Folder(open), line.name);
    return true;
}

}  // namespace ui
