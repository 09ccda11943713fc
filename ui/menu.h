// A pop-up menu component: items with captions, hints and click events.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class MenuItem {
public:
    MenuItem(std::string caption, std::string hint = {}) : caption(std::move(caption)), hint(std::move(hint)) {}
    std::string caption;
    std::string hint;
    bool enabled = true;
    std::function<void()> onClick;
    MenuItem& Add(std::string caption, std::string hint = {});
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

private:
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class PopupMenu {
public:
    MenuItem& Add(std::string caption, std::string hint = {}) { return root_.Add(std::move(caption), std::move(hint)); }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return root_.Items(); }

    // Shows the menu at a screen point for the owner window and runs the
    // chosen item's event.
    void Popup(HWND owner, POINT screen);
    // The item that a command number of Popup stands for (1-based, in order).
    MenuItem* ItemByCommand(UINT command);

private:
    MenuItem root_{""};
};

}  // namespace ui
