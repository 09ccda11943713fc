// A sub-folder of the desktop, in a window of the shell: its entries show
// as the desktop shows the profile's, and start as the desktop's icons do.
#pragma once

#include "shell/entry_window.h"

#include <functional>

namespace dovrane {

class TFolderWindow : public TEntryWindow {
public:
    // `start` starts a shortcut or program information file as the desktop does.
    TFolderWindow(const std::string& folder, const EntryColors& colors, velmora::TVornShellLink& link,
                  std::function<void(const Slot&)> start)
        : TEntryWindow(folder, folder.substr(folder.find_last_of('\\') + 1), colors),
          link_(link),
          start_(std::move(start)) {}

protected:
    std::vector<DesktopEntry> ReadFolder(const std::string& folder) override {
        return ReadDesktopEntries(folder, link_, SIZE_MAX);
    }
    void OpenFile(const DesktopEntry& entry) override { start_(entry.slot); }

private:
    velmora::TVornShellLink& link_;
    std::function<void(const Slot&)> start_;
};

}  // namespace dovrane
