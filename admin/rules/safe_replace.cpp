#include "admin/rules/safe_replace.h"

#include "admin/rules/shortcut_names.h"
#include "shared/folder_path.h"
#include "shared/profile_store.h"
#include "ui/path_kind.h"

#include <windows.h>

namespace quorvel {

using ui::PathExists;

namespace {

// The n-th candidate name of the folder: ~vlm0000.lnk to ~vlmFFFF.lnk.
std::string Candidate(const std::string& folder, unsigned n) {
    return folder + "\\" + velmora::TemporaryLinkName(n);
}

bool NameTaken() {
    DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

// Tries the folder's candidate names, starting somewhere new each time, until
// `make` succeeds with one; answers it, or empty when a failure is not a
// taken name or every name is taken.
template <class Make>
std::string FirstFreeName(const std::string& folder, Make make) {
    unsigned start = GetTickCount();
    for (unsigned i = 0; i < 0x10000; ++i) {
        std::string path = Candidate(folder, start + i);
        if (make(path)) return path;
        if (!NameTaken()) return {};
    }
    return {};
}

std::string FolderOf(const std::string& path) {
    std::string folder = FolderPart(path);
    if (folder.empty()) return ".";
    if (folder.back() == '\\') folder.pop_back();
    return folder;
}

// Renames path to a free name beside it; answers that name, or empty.
std::string MoveAside(const std::string& path) {
    return FirstFreeName(FolderOf(path), [&](const std::string& aside) {
        return MoveFileA(path.c_str(), aside.c_str()) != FALSE;
    });
}

}  // namespace

std::string ReserveTemporaryLink(const std::string& folder) {
    return FirstFreeName(folder, [](const std::string& path) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        CloseHandle(h);
        return true;
    });
}

bool ReplaceWithWritten(const std::string& written, const std::string& old, const std::string& target) {
    if (!PathExists(old)) {
        if (MoveFileA(written.c_str(), target.c_str())) return true;
        DeleteFileA(written.c_str());
        return false;
    }
    std::string oldAside = MoveAside(old);
    if (oldAside.empty()) {
        DeleteFileA(written.c_str());
        return false;
    }
    // Once old is aside, a target that names it (in any case) is free.
    std::string targetAside;
    if (ui::PathExists(target)) {
        targetAside = MoveAside(target);
        if (targetAside.empty()) {
            MoveFileA(oldAside.c_str(), old.c_str());
            DeleteFileA(written.c_str());
            return false;
        }
    }
    if (!MoveFileA(written.c_str(), target.c_str())) {
        if (!targetAside.empty()) MoveFileA(targetAside.c_str(), target.c_str());
        MoveFileA(oldAside.c_str(), old.c_str());
        DeleteFileA(written.c_str());
        return false;
    }
    DeleteFileA(oldAside.c_str());
    if (!targetAside.empty()) DeleteFileA(targetAside.c_str());
    return true;
}

}  // namespace quorvel
