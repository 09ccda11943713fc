#include "admin/components/del_tree.h"

#include "admin/components/folder_path.h"

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/platform.h"

namespace quorvel {

namespace {

// Whether searching folder + "\*.*" would walk a whole drive or share: "C:",
// "C:\" and "\\server\share" all lead there.
bool IsRoot(const std::string& folder) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA((folder + "\\").c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return false;
    std::string path(full, n);
    while (!path.empty() && path.back() == '\\') path.pop_back();
    if (path.size() <= 2) return true;
    if (path.compare(0, 2, "\\\\") != 0) return false;
    size_t server = path.find('\\', 2);
    return server == std::string::npos || path.find('\\', server + 1) == std::string::npos;
}

}  // namespace

bool TMPDelTree::DelTree() {
    errorReported_ = false;
    cancelled_ = false;

    // Climb one level, so that a folder that is current can be removed.
    if (std::string current = CurrentFolder(); !current.empty())
        SetCurrentDirectoryA((WithBackslash(current) + "..").c_str());

    if (!Path.empty() && Path.back() == '\\') Path.pop_back();
    if (!FolderExists(Path)) {
        Report("The directory %s doesn't exist", Path);
        return true;
    }
    // The folder's own search would empty the whole drive.
    if (IsRoot(Path)) {
        Report("Cannot delete directory %s", Path);
        return false;
    }
    return DeleteFolder(Path);
}

bool TMPDelTree::DeleteFolder(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (find) {
        do {
            std::string name = entry.cFileName;
            std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (name == "." || name == "..") continue;
                DeleteFolder(path);   // the other entries go on whatever happened
                if (cancelled_) return false;
                continue;
            }
            if (OnProcessFile) {
                bool cancel = false;
                OnProcessFile(*this, path, entry, cancel);
                if (cancel) {
                    cancelled_ = true;
                    Report("DelTree aborted by user !", "");
                    return false;
                }
            }
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(path.c_str())) {
                Report("Cannot delete file %s", path);
                return false;
            }
        } while (FindNextFileA(find.get(), &entry));
        find.reset();
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!RemoveDirectoryA(folder.c_str())) {
        Report("Cannot delete directory %s", folder);
        return false;
    }
    return true;
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
