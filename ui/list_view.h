// A list view (SysListView32) with its items, columns, image lists and the
// events that the forms use.
#pragma once

#include "ui/controls.h"

#include <commctrl.h>

namespace ui {

class ListView : public Control {
public:
    ListView(Form& owner, const RECT& bounds, DWORD style, HWND parent = nullptr);

    void SetViewStyle(DWORD lvsView);   // LVS_ICON, LVS_REPORT...
    DWORD ViewStyle() const;
    // The list does not destroy image lists given here when shared.
    void SetImageList(HIMAGELIST list, int which);
    void AddColumn(const std::string& caption, int width, int format = LVCFMT_LEFT);

    int Add(const std::string& caption, int image, LPARAM data = 0);
    void SetSubItem(int item, int sub, const std::string& text);
    std::string ItemText(int item, int sub = 0) const;
    LPARAM ItemData(int item) const;
    int Count() const;
    void Clear();
    int Selected() const;   // -1 for none
    void Select(int item);

    std::function<void()> onChange;        // selection or items changed
    std::function<void()> onDblClick;
    std::function<bool(WORD key)> onKeyDown;   // true: handled

protected:
    bool OnReflectedNotify(NMHDR* nm, LRESULT& result) override;
};

}  // namespace ui
