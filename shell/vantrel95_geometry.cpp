// The icon grid's fixed positions and the window's fit around the taskbar.
#include "shell/vantrel95.h"

#include "resources/resource_ids.h"
#include "ui/compat.h"

namespace dovrane {

namespace {

const int kPictureLeft[] = {24, 120, 208, 296};
const int kLabelLeft[] = {2, 98, 186, 274};
const int kPictureTop[] = {4, 72, 140, 208, 276, 344};
const int kLabelTop[] = {36, 104, 172, 240, 308, 376};
const int kIconSize = 32;
const int kLabelWidth = 72;
const int kLabelHeight = 37;
const int kShortLabelHeight = 32;   // slots 10, 16 and 22
// The last row sits 4 pixels higher in every column but the first.
const int kLastRowRaise = 4;

int RowRaise(int slot) { return slot % 6 == 5 && slot / 6 > 0 ? kLastRowRaise : 0; }

}  // namespace

RECT IconRect(int slot) {
    int left = kPictureLeft[slot / 6], top = kPictureTop[slot % 6] - RowRaise(slot);
    return {left, top, left + kIconSize, top + kIconSize};
}

RECT LabelRect(int slot) {
    int left = kLabelLeft[slot / 6], top = kLabelTop[slot % 6] - RowRaise(slot);
    int height = (slot == 10 || slot == 16 || slot == 22) ? kShortLabelHeight : kLabelHeight;
    return {left, top, left + kLabelWidth, top + height};
}

void TVantrel95::CreateGrid() {
    HCURSOR hand = ui::HandCursor(IDC_OWN_HAND);
    for (int i = 0; i < kSlotCount; ++i) {
        RECT r = IconRect(i);
        ic[i] = std::make_unique<ui::Image>(*this);
        ic[i]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        ic[i]->stretch = ic[i]->center = ic[i]->transparent = true;
        ic[i]->cursor = hand;
        ic[i]->SetVisible(false);
    }
    // Labels come after the pictures, as designed, and are painted over them.
    for (int i = 0; i < kSlotCount; ++i) {
        RECT r = LabelRect(i);
        lb[i] = std::make_unique<ui::Label>(*this);
        lb[i]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        lb[i]->centered = lb[i]->wordWrap = true;
        lb[i]->SetTransparent(true);
        lb[i]->SetFont(ui::MakeFont("MS Sans Serif", 12));
        lb[i]->SetVisible(false);
    }
    ic[0]->SetIcon(ui::IconHandle(CopyIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_DRIVE_A)))));
    lb[0]->SetCaption("Disquette A");
}

RECT FitAroundTaskbar(const RECT& t, int sw, int sh) {
    int h = t.bottom - t.top - 4, w = t.right - t.left - 4;
    if (t.left == -2 && t.top == -2 && sw + 2 == t.right) return {1, h, 1 + sw, h + sh - h};   // top
    if (t.left == -2 && t.top == -2) return {w + 1, 0, w + 1 + sw - w, sh};                    // left
    if (t.left == -2) return {0, 0, sw, sh - h - 1};                                           // bottom
    return {0, 0, sw - w - 1, sh};                                                             // right
}

void TVantrel95::FitToTaskbar() {
    // Before the taskbar is known, or while it has no size (Wine without a
    // virtual desktop has an empty one), the window keeps the whole screen.
    RECT taskbar = {}, now = {};
    bool known = TrayWnd && GetWindowRect(TrayWnd, &taskbar) && !IsRectEmpty(&taskbar);
    GetWindowRect(Handle(), &now);
    // Nothing moved since the last fit: nothing to measure again. (The
    // taskbar touches the screen's edges, so a new screen size moves it too.)
    if (known && EqualRect(&taskbar, &fittedTaskbar_) && EqualRect(&now, &fittedWindow_)) return;
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    RECT r = known ? FitAroundTaskbar(Windows95TaskbarRect(taskbar, sw, sh), sw, sh) : RECT{0, 0, sw, sh};
    fittedTaskbar_ = taskbar;
    fittedWindow_ = r;
    if (EqualRect(&now, &r)) return;
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace dovrane
