#include "ui/menu.h"

#include "ui/handles.h"
#include "ui/platform.h"

namespace ui {

namespace {

// Numbers the leaf items depth first, from 1.
void Build(HMENU menu, const MenuItem& parent, UINT& next) {
    for (const auto& item : parent.Items()) {
        UINT flags = MF_STRING | (item->enabled ? MF_ENABLED : MF_GRAYED);
        if (!item->Items().empty()) {
            HMENU sub = CreatePopupMenu();
            Build(sub, *item, next);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item->caption.c_str());
        } else {
            AppendMenuA(menu, flags, next++, item->caption.c_str());
        }
    }
}

MenuItem* Find(const MenuItem& parent, UINT command, UINT& next) {
    for (const auto& item : parent.Items()) {
        if (!item->Items().empty()) {
            if (MenuItem* found = Find(*item, command, next)) return found;
        } else if (next++ == command) {
            return item.get();
        }
    }
    return nullptr;
}

}  // namespace

MenuItem& MenuItem::Add(std::string caption, std::string hint) {
    items_.push_back(std::make_unique<MenuItem>(std::move(caption), std::move(hint)));
    return *items_.back();
}

MenuItem* PopupMenu::ItemByCommand(UINT command) {
    UINT next = 1;
    return Find(root_, command, next);
}

void PopupMenu::Popup(HWND owner, POINT screen) {
    UINT command = 0;
    if (auto hook = platform().popupMenu) {
        command = hook(*this, screen);
    } else {
        MenuHandle menu(CreatePopupMenu());
        UINT next = 1;
        Build(menu.get(), root_, next);
        SetForegroundWindow(owner);
        command = TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                 screen.x, screen.y, 0, owner, nullptr);
    }
    MenuItem* item = command ? ItemByCommand(command) : nullptr;
    if (item && item->enabled && item->onClick) item->onClick();
}

}  // namespace ui
