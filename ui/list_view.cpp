#include "ui/list_view.h"

#include "ui/compat.h"

namespace ui {

ListView::ListView(Form& owner, const RECT& bounds, DWORD style, HWND parent) : Control(owner) {
    InitCommonControlsCompat();
    CreateControl(WC_LISTVIEWA, "", WS_TABSTOP | style, WS_EX_CLIENTEDGE, bounds, parent);
}

void ListView::SetViewStyle(DWORD view) {
    LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE, (style & ~LVS_TYPEMASK) | view);
    InvalidateRect(Handle(), nullptr, TRUE);   // Wine keeps the old picture otherwise
}

DWORD ListView::ViewStyle() const { return GetWindowLongA(Handle(), GWL_STYLE) & LVS_TYPEMASK; }

void ListView::SetImageList(HIMAGELIST list, int which) {
    SendMessageA(Handle(), LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list));
}

void ListView::AddColumn(const std::string& caption, int width, int format) {
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.fmt = format;
    col.cx = width;
    col.pszText = const_cast<char*>(caption.c_str());
    int n = Header_GetItemCount(ListView_GetHeader(Handle()));
    SendMessageA(Handle(), LVM_INSERTCOLUMNA, n, reinterpret_cast<LPARAM>(&col));
}

int ListView::Add(const std::string& caption, int image, LPARAM data) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = Count();
    item.pszText = const_cast<char*>(caption.c_str());
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetSubItem(int index, int sub, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = sub;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(Handle(), LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

std::string ListView::ItemText(int index, int sub) const {
    char buffer[1024] = {};
    LVITEMA item = {};
    item.iSubItem = sub;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(Handle(), LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

LPARAM ListView::ItemData(int index) const {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

int ListView::Count() const { return ListView_GetItemCount(Handle()); }

void ListView::Clear() { ListView_DeleteAllItems(Handle()); }

int ListView::Selected() const { return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED); }

void ListView::Select(int index) {
    ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index >= 0) ListView_SetItemState(Handle(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool ListView::OnReflectedNotify(NMHDR* nm, LRESULT&) {
    switch (nm->code) {
        case LVN_ITEMCHANGED: case LVN_INSERTITEM: case LVN_DELETEITEM:
            if (onChange) onChange();
            return true;
        case NM_DBLCLK:
            if (onDblClick) onDblClick();
            return true;
        case LVN_KEYDOWN:
            if (onKeyDown) onKeyDown(reinterpret_cast<NMLVKEYDOWN*>(nm)->wVKey);
            return true;
        default:
            return false;
    }
}

}  // namespace ui

