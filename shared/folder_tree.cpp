#include "shared/folder_tree.h"

#include "shared/folder_path.h"
#include "ui/compat.h"
#include "ui/handles.h"
#include "ui/path_kind.h"

#include <winioctl.h>

#include <vector>

namespace velmora {

namespace {

constexpr DWORD kCopiedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool IsDots(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

// One deletion run: the events, and whether beforeFile stopped it.
struct Deletion {
    const TreeDeletionEvents& events;
    bool stopped = false;

    void Failed(const std::string& path, bool folder) const {
        if (events.failed) events.failed(path, folder);
    }

    bool DeleteFolder(const std::string& folder) {
        WIN32_FIND_DATAA entry;
        ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
        if (find) {
            do {
                if (IsDots(entry.cFileName)) continue;
                std::string path = folder + "\\" + entry.cFileName;
                bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
                if (IsLink(entry.dwFileAttributes)) {
                    // Not descended into, and its failure does not stop the others.
                    if (!RemoveLink(path)) Failed(path, isFolder);
                    continue;
                }
                if (isFolder) {
                    DeleteFolder(path);   // the other entries go on whatever happened
                    if (stopped) return false;
                    continue;
                }
                if (events.beforeFile && !events.beforeFile(path, entry)) {
                    stopped = true;
                    return false;
                }
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (!DeleteFileA(path.c_str())) {
                    Failed(path, false);
                    return false;
                }
            } while (FindNextFileA(find.get(), &entry));
            find.reset();
        }
        SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!RemoveDirectoryA(folder.c_str())) {
            Failed(folder, true);
            return false;
        }
        return true;
    }
};

}  // namespace

bool IsRoot(const std::string& folder) {
    std::string path = FullPath(folder + "\\");
    if (path.empty()) return false;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    if (path.size() <= 2) return true;
    if (path.compare(0, 2, "\\\\") != 0) return false;
    size_t server = path.find('\\', 2);
    return server == std::string::npos || path.find('\\', server + 1) == std::string::npos;
}

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

bool DeleteTree(const std::string& folder, const TreeDeletionEvents& events) {
    Deletion run{events};
    if (IsLink(GetFileAttributesA(folder.c_str()))) {
        if (RemoveLink(folder)) return true;
        run.Failed(folder, true);
        return false;
    }
    if (!ui::FolderExists(folder)) {
        if (events.missing) events.missing(folder);
        return true;
    }
    // The folder's own search would empty the whole drive.
    if (IsRoot(folder)) {
        run.Failed(folder, true);
        return false;
    }
    // A folder that is current cannot be removed: the current folder leaves
    // the tree for its parent. Any other current folder stays as it is.
    if (IsWithin(CurrentFolder(), folder)) SetCurrentDirectoryA((FullPath(folder) + "\\..").c_str());
    return run.DeleteFolder(folder);
}

bool CopyTree(const std::string& from, const std::string& to,
              const std::function<bool(const std::string& name)>& skip) {
    if (!CreateDirectoryA(to.c_str(), nullptr)) return false;
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((from + "\\*.*").c_str(), &entry));
    if (!find) return false;   // even an empty folder lists "." and ".."
    do {
        if (IsDots(entry.cFileName) || IsLink(entry.dwFileAttributes) || skip(entry.cFileName)) continue;
        std::string source = from + "\\" + entry.cFileName, copy = to + "\\" + entry.cFileName;
        bool copied = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? CopyTree(source, copy, skip)
                                                                         : CopyFileA(source.c_str(), copy.c_str(), TRUE);
        if (!copied) return false;
    } while (FindNextFileA(find.get(), &entry));
    if (GetLastError() != ERROR_NO_MORE_FILES) return false;   // the listing broke off
    // A folder's own attributes come last: a read-only one still took its files.
    DWORD attributes = GetFileAttributesA(from.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return !(attributes & kCopiedAttributes) || SetFileAttributesA(to.c_str(), attributes & kCopiedAttributes);
}

}  // namespace velmora
