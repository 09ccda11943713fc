#include "shell/entry_window.h"

#include "ui/application.h"
#include "ui/graphic.h"

namespace dovrane {

namespace {

constexpr int kWidth = 420, kHeight = 300, kBar = 30;

// Large icons, one selected at a time, none renamed; the list shares our image list.
constexpr DWORD kListStyle = LVS_ICON | LVS_SINGLESEL | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS;

ui::FormStyle WindowStyle() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Sizeable;
    return style;
}

}  // namespace

TEntryWindow::TEntryWindow(const std::string& root, const std::string& rootCaption, const EntryColors& colors)
    : window_(*this, rootCaption, kWidth, kHeight, WindowStyle(), true, ui::MakeFont("MS Sans Serif", 13)),
      BtnRetour(*this, ui::Bounds(4, 4, 75, 23), "&Retour"),
      LvEntries(*this, ui::Bounds(0, kBar, kWidth, kHeight - kBar), kListStyle),
      root_(root),
      rootCaption_(rootCaption) {
    keyPreview = true;
    LvEntries.SetImageList(images_.Handle(), LVSIL_NORMAL);
    ListView_SetBkColor(LvEntries.Handle(), colors.back);
    ListView_SetTextColor(LvEntries.Handle(), colors.text);
    ListView_SetTextBkColor(LvEntries.Handle(), colors.transparentText ? CLR_NONE : colors.textBack);
    BtnRetour.onClick = [this] { GoUp(); };
    LvEntries.onDblClick = [this] { OpenSelected(); };
    FocusControl(LvEntries.Handle());
}

void TEntryWindow::Open() {
    if (!IsWindowVisible(Handle())) {
        ShowFolder(root_);
        Show();
    }
    ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    LvEntries.SetFocus();
}

void TEntryWindow::ShowFolder(std::string folder) {
    folder_ = folder;
    entries_ = ReadFolder(folder);
    LvEntries.Clear();
    images_.Clear();
    for (const DesktopEntry& entry : entries_) LvEntries.Add(entry.label, images_.AddIcon(entry.icon.get()));
    if (!entries_.empty()) LvEntries.Select(0);
    SetText(folder == root_ ? rootCaption_ : CaptionOf(folder));
    BtnRetour.SetEnabled(folder != root_);
}

std::string TEntryWindow::CaptionOf(const std::string& folder) const {
    return folder.substr(folder.find_last_of('\\') + 1);
}

void TEntryWindow::OpenSelected() {
    int i = LvEntries.Selected();
    if (i < 0 || i >= static_cast<int>(entries_.size())) return;
    const Slot& slot = entries_[i].slot;
    if (slot.IsFolder) ShowFolder(slot.Path);
    else OpenFile(entries_[i]);
}

void TEntryWindow::GoUp() {
    if (folder_ == root_) return;
    std::string up = folder_.substr(0, folder_.find_last_of('\\'));
    // Paths below the first folder only ever grow from it.
    ShowFolder(up.size() > root_.size() ? up : root_);
    LvEntries.SetFocus();
}

bool TEntryWindow::FormKeyDown(WORD key, ui::ShiftState shift) {
    if (shift.alt || shift.ctrl) return false;
    switch (key) {
        case VK_RETURN: OpenSelected(); return true;
        case VK_BACK: GoUp(); return true;
        case VK_ESCAPE: Close(); return true;
        default: return false;
    }
}

void TEntryWindow::FormResize() {
    RECT client = ClientRect();
    LvEntries.SetBounds(0, kBar, client.right, client.bottom - kBar);
    ListView_Arrange(LvEntries.Handle(), LVA_DEFAULT);
}

}  // namespace dovrane
