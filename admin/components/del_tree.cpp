#include "admin/components/del_tree.h"

#include "admin/components/folder_path.h"

#include "ui/application.h"
#include "ui/compat.h"
#include "ui/handles.h"
#include "ui/path_kind.h"
#include "ui/platform.h"

#include <winioctl.h>

#include <vector>

namespace quorvel {

namespace {

// Whether searching folder + "\*.*" would walk a whole drive or share: "C:",
// "C:\" and "\\server\share" all lead there.
bool IsRoot(const std::string& folder) {
    std::string path = FullPath(folder + "\\");
    if (path.empty()) return false;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    if (path.size() <= 2) return true;
    if (path.compare(0, 2, "\\\\") != 0) return false;
    size_t server = path.find('\\', 2);
    return server == std::string::npos || path.find('\\', server + 1) == std::string::npos;
}

// Removes a link (a reparse point: the NT family's folder links, Wine's view
// of a Unix symbolic link) itself, never what it points to. Only a handle
// that the system proves to be the link is used to delete; where opening the
// link reaches its target instead (Wine), the link stays and the answer is false.
bool RemoveLink(const std::string& path) {
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    constexpr DWORD kItself = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;
    {
        ui::FileHandle link(CreateFileA(path.c_str(), 0, kShare, nullptr, OPEN_EXISTING, kItself, nullptr));
        if (!link) return false;
        // Looked up, as every call off the programs' import list; only the NT family has links.
        using DeviceIoControlFn = BOOL(WINAPI*)(HANDLE, DWORD, void*, DWORD, void*, DWORD, DWORD*, OVERLAPPED*);
        auto control = ui::SystemFunction<DeviceIoControlFn>("kernel32.dll", "DeviceIoControl");
        std::vector<char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
        DWORD size = 0;
        if (!control || !control(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                                 static_cast<DWORD>(data.size()), &size, nullptr))
            return false;
    }
    ui::FileHandle deleting(CreateFileA(path.c_str(), DELETE, kShare, nullptr, OPEN_EXISTING,
                                        kItself | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    deleting.reset();   // the link goes with its last handle
    return !ui::PathExists(path);
}

}  // namespace

bool TMPDelTree::DelTree() {
    errorReported_ = false;
    cancelled_ = false;

    if (!Path.empty() && Path.back() == '\\') Path.pop_back();
    if (IsLink(GetFileAttributesA(Path.c_str()))) {
        if (RemoveLink(Path)) return true;
        Report("Cannot delete directory %s", Path);
        return false;
    }
    if (!ui::FolderExists(Path)) {
        Report("The directory %s doesn't exist", Path);
        return true;
    }
    // The folder's own search would empty the whole drive.
    if (IsRoot(Path)) {
        Report("Cannot delete directory %s", Path);
        return false;
    }
    // A folder that is current cannot be removed: the current folder leaves
    // the tree for its parent. Any other current folder stays as it is.
    if (IsWithin(CurrentFolder(), Path)) SetCurrentDirectoryA((FullPath(Path) + "\\..").c_str());
    return DeleteFolder(Path);
}

bool TMPDelTree::DeleteFolder(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (find) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (IsLink(entry.dwFileAttributes)) {
                // Not descended into, and its failure does not stop the others.
                if (!RemoveLink(path))
                    Report(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "Cannot delete directory %s"
                                                                            : "Cannot delete file %s",
                           path);
                continue;
            }
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
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
