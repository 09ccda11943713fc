// TFileDrop: makes one windowed control accept files dragged from the shell.
// It registers the control's window as a drop target and takes the window's
// dropped files (its onDropFiles); every other message stays the control's.
// The hook is bound to the window as it is when DropControl is assigned.
#pragma once

#include "ui/window.h"

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

class TFileDrop {
public:
    TFileDrop() = default;
    ~TFileDrop();
    TFileDrop(const TFileDrop&) = delete;
    TFileDrop& operator=(const TFileDrop&) = delete;

    // What the last drop brought, in the shell's order, and where it fell
    // (client coordinates of the drop window).
    const std::vector<std::string>& Files() const { return files_; }
    int FileCount() const { return fileCount_; }
    POINT DropPoint() const { return dropPoint_; }

    // Whether the drop window accepts drops; switching it leaves the hook.
    bool EnableDrop() const { return enableDrop_; }
    void SetEnableDrop(bool enable);

    // Not owned. Assigning another control moves the hook to its window and
    // switches drops on; none removes the hook and switches drops off.
    ui::Window* DropControl() const { return Hooked() ? dropControl_ : nullptr; }
    void SetDropControl(ui::Window* control);

    std::function<void(TFileDrop& sender)> OnDrop;

private:
    bool Hooked() const;
    void Unhook();
    void HandleDrop(HDROP drop);

    std::vector<std::string> files_;
    int fileCount_ = 0;
    POINT dropPoint_ = {0, 0};
    bool enableDrop_ = false;
    ui::Window* dropControl_ = nullptr;
    HWND dropWindow_ = nullptr;
};

}  // namespace quorvel
