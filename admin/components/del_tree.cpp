#include "admin/components/del_tree.h"

#include "shared/folder_tree.h"
#include "ui/application.h"
#include "ui/platform.h"

namespace quorvel {

bool TMPDelTree::DelTree() {
    errorReported_ = false;
    if (!Path.empty() && Path.back() == '\\') Path.pop_back();
    bool cancelled = false;
    velmora::TreeDeletionEvents events;
    if (OnProcessFile) {
        events.beforeFile = [&](const std::string& path, const WIN32_FIND_DATAA& entry) {
            OnProcessFile(*this, path, entry, cancelled);
            if (cancelled) Report("DelTree aborted by user !", "");
            return !cancelled;
        };
    }
    events.failed = [this](const std::string& path, bool folder) {
        Report(folder ? "Cannot delete directory %s" : "Cannot delete file %s", path);
    };
    events.missing = [this](const std::string& path) { Report("The directory %s doesn't exist", path); };
    return velmora::DeleteTree(Path, events);
}

void TMPDelTree::Report(const std::string& format, const std::string& path) {
    if (Verbose && !errorReported_) {
        std::string text = format;
        if (size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, path);
        ui::ShowMessage(GetActiveWindow(), text, ui::Application::Instance().Title(), MB_OK);
    }
    errorReported_ = true;
}

}  // namespace quorvel
