#include "shell/profile_copy.h"

#include "shared/folder_path.h"
#include "shared/folder_tree.h"
#include "shared/profile_store.h"
#include "ui/handles.h"
#include "ui/path_kind.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

namespace dovrane {

using ui::FolderExists;
using velmora::IsLink;
using ui::PathExists;
using velmora::ProfileFolder;
using velmora::SettingsFileOf;

namespace {

// The copy is made in this hidden folder of the local profiles folder: the
// new copy under "new", what it replaces moved under "old" during the swap.
const char kStaging[] = "~vlmcopie";
const char kNew[] = "\\new";
const char kOld[] = "\\old";

// What of an entry makes a difference on the desktop: its kind and marks.
constexpr DWORD kKindAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY |
                                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool Missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A folder's entries but "." and "..", by name; none when it cannot be
// listed to its end.
std::optional<std::map<std::string, WIN32_FIND_DATAA>> Entries(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (!find) return std::nullopt;
    std::map<std::string, WIN32_FIND_DATAA> entries;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") entries[name] = entry;
    } while (FindNextFileA(find.get(), &entry));
    if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return entries;
}

bool Skipped(const std::string& name) { return velmora::IsTemporaryLinkName(name); }

std::string Line(const std::string& name, const WIN32_FIND_DATAA& e) {
    char numbers[64];
    wsprintfA(numbers, "|%lx|%lx|%lx.%lx\n", e.dwFileAttributes, e.nFileSizeLow, e.ftLastWriteTime.dwHighDateTime,
              e.ftLastWriteTime.dwLowDateTime);
    return name + numbers;
}

// One line per entry that a copy takes, with its size and time: what an
// edit of the administrator changes.
bool DescribeTree(const std::string& folder, const std::string& prefix, std::string& out) {
    auto entries = Entries(folder);
    if (!entries) return false;
    for (const auto& [name, entry] : *entries) {
        if (IsLink(entry.dwFileAttributes) || Skipped(name)) continue;
        out += Line(prefix + name, entry);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !DescribeTree(folder + "\\" + name, prefix + name + "\\", out))
            return false;
    }
    return true;
}

// A file's line, or "-" when it does not exist; false when the share broke off.
bool DescribeFile(const std::string& path, std::string& out) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA(path.c_str(), &entry));
    if (find) out += Line(path, entry);
    else if (Missing(GetLastError())) out += path + "|-\n";
    else return false;
    return true;
}

// The picture of a settings file, when it lies on the network: on the share,
// on another server, or on a drive that is one.
std::string NetworkPicture(const std::string& settings, const std::string& share) {
    std::string picture = velmora::SettingsFile(settings).ReadString(velmora::kBackImage, "");
    if (picture.empty()) return picture;
    if (picture.compare(0, 2, "\\\\") == 0 || velmora::IsWithin(picture, share)) return picture;
    std::string root = picture.substr(0, 2) + "\\";
    return picture.size() > 2 && picture[1] == ':' && GetDriveTypeA(root.c_str()) == DRIVE_REMOTE ? picture
                                                                                                 : std::string();
}

// The name of a folder of the share as the share spells it; empty when none.
std::string ActualName(const std::string& share, const std::string& name) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA(ProfileFolder(share, name).c_str(), &entry));
    return find && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? entry.cFileName : std::string();
}

ui::FileHandle OpenToRead(const std::string& path) {
    return ui::FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
}

// Two files of the same content, or two that cannot be opened (missing).
bool SameFile(const std::string& a, const std::string& b) {
    ui::FileHandle x = OpenToRead(a), y = OpenToRead(b);
    if (!x || !y) return !x && !y;
    DWORD size = GetFileSize(x.get(), nullptr);
    if (size == INVALID_FILE_SIZE || size != GetFileSize(y.get(), nullptr)) return false;
    std::vector<char> p(32768), q(32768);
    for (DWORD left = size; left > 0;) {
        DWORD n = std::min<DWORD>(left, static_cast<DWORD>(p.size())), got = 0, gotToo = 0;
        if (!ReadFile(x.get(), p.data(), n, &got, nullptr) || !ReadFile(y.get(), q.data(), n, &gotToo, nullptr) ||
            got != n || gotToo != n || !std::equal(p.begin(), p.begin() + n, q.begin()))
            return false;
        left -= n;
    }
    return true;
}

bool SameTree(const std::string& a, const std::string& b) {
    auto x = Entries(a), y = Entries(b);
    if (!x || !y || x->size() != y->size()) return false;
    for (auto i = x->begin(), j = y->begin(); i != x->end(); ++i, ++j) {
        DWORD kind = i->second.dwFileAttributes & kKindAttributes;
        if (i->first != j->first || kind != (j->second.dwFileAttributes & kKindAttributes)) return false;
        std::string p = a + "\\" + i->first, q = b + "\\" + j->first;
        if (!(kind & FILE_ATTRIBUTE_DIRECTORY ? SameTree(p, q) : SameFile(p, q))) return false;
    }
    return true;
}

// The local files of one profile's copy: its folder, settings and picture.
std::vector<std::string> ItemsOf(const std::string& name) { return {name, name + ".ini", name + ".bmp"}; }

// The user's own profile that the desktop shows, when the share now gives
// the user another one (the administrator deleted it): its copy goes.
std::string Displaced(const std::string& shownName, const std::string& name) {
    if (lstrcmpiA(shownName.c_str(), name.c_str()) == 0 || lstrcmpiA(shownName.c_str(), velmora::kDefaultProfile) == 0)
        return {};
    return shownName;
}

bool MakeStaging(const std::string& local, const std::string& staging) {
    // The shell makes the local profiles folder only for a copy, hidden as
    // the administration program makes it.
    if (!FolderExists(local) && CreateDirectoryA(local.c_str(), nullptr))
        SetFileAttributesA(local.c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (!velmora::DeleteTree(staging) || !CreateDirectoryA(staging.c_str(), nullptr)) return false;
    SetFileAttributesA(staging.c_str(), FILE_ATTRIBUTE_HIDDEN);
    return CreateDirectoryA((staging + kNew).c_str(), nullptr) && CreateDirectoryA((staging + kOld).c_str(), nullptr);
}

// The profile's folder, its settings file when it has one, and its picture
// when that lies on the network, into the staging folder's "new".
bool CopyProfile(const std::string& share, const std::string& local, const std::string& name,
                 const std::string& fresh) {
    if (!velmora::CopyTree(ProfileFolder(share, name), ProfileFolder(fresh, name), Skipped)) return false;
    std::string settings = SettingsFileOf(fresh, name);
    if (!CopyFileA(SettingsFileOf(share, name).c_str(), settings.c_str(), TRUE))
        return Missing(GetLastError()) && FolderExists(ProfileFolder(share, name));
    std::string picture = NetworkPicture(settings, share);
    if (!picture.empty()) {
        // The copy shows the picture's copy; a picture that is gone shows none, as it would from the share.
        std::string shown = CopiedPictureOf(local, name);
        if (!CopyFileA(picture.c_str(), CopiedPictureOf(fresh, name).c_str(), TRUE)) {
            if (!Missing(GetLastError())) return false;
            shown.clear();
        }
        if (!velmora::SettingsFile(settings).WriteString(velmora::kBackImage, shown)) return false;
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, settings.c_str());   // out of the system's cache
    }
    // A share that went away midway may have looked like missing files.
    return FolderExists(ProfileFolder(share, name));
}

}  // namespace

std::string CopiedPictureOf(const std::string& local, const std::string& name) {
    return ProfileFolder(local, name) + ".bmp";
}

ShareCopy CopyFromShare(const ShareCopyRequest& request) {
    ShareCopy copy;
    if (!FolderExists(velmora::WithBackslash(request.share))) return copy;
    std::string name = ActualName(request.share, velmora::ResolveProfileName(request.user, request.share));
    if (name.empty()) return copy;   // not even a default profile: nothing to show from there
    std::string settings = SettingsFileOf(request.share, name);
    std::string state = name + "\n";
    if (!DescribeTree(ProfileFolder(request.share, name), "", state) || !DescribeFile(settings, state)) return copy;
    if (std::string picture = NetworkPicture(settings, request.share); !picture.empty() && !DescribeFile(picture, state))
        return copy;
    copy.state = state;
    copy.name = name;
    if (state == request.lastState) {
        copy.outcome = ShareCopy::Unchanged;
        return copy;
    }

    copy.staging = ProfileFolder(request.local, kStaging);
    std::string fresh = copy.staging + kNew;
    if (!MakeStaging(request.local, copy.staging) || !CopyProfile(request.share, request.local, name, fresh)) {
        DiscardCopy(copy);
        return copy;
    }
    bool same = Displaced(request.shownName, name).empty() &&
                SameTree(ProfileFolder(fresh, name), ProfileFolder(request.local, name)) &&
                SameFile(SettingsFileOf(fresh, name), SettingsFileOf(request.local, name)) &&
                SameFile(CopiedPictureOf(fresh, name), CopiedPictureOf(request.local, name));
    if (same) DiscardCopy(copy);
    copy.outcome = same ? ShareCopy::Unchanged : ShareCopy::Ready;
    return copy;
}

bool SwapInCopy(const ShareCopy& copy, const std::string& local, const std::string& shownName) {
    std::vector<std::string> replaced = ItemsOf(copy.name);
    if (std::string displaced = Displaced(shownName, copy.name); !displaced.empty())
        for (const std::string& item : ItemsOf(displaced)) replaced.push_back(item);
    std::string fresh = copy.staging + kNew, aside = copy.staging + kOld;

    std::vector<std::string> asideDone, freshDone;
    auto undo = [&] {
        for (auto i = freshDone.rbegin(); i != freshDone.rend(); ++i)
            MoveFileA((local + "\\" + *i).c_str(), (fresh + "\\" + *i).c_str());
        for (auto i = asideDone.rbegin(); i != asideDone.rend(); ++i)
            MoveFileA((aside + "\\" + *i).c_str(), (local + "\\" + *i).c_str());
        return false;
    };
    for (const std::string& item : replaced) {
        if (!PathExists(local + "\\" + item)) continue;
        if (!MoveFileA((local + "\\" + item).c_str(), (aside + "\\" + item).c_str())) return undo();
        asideDone.push_back(item);
    }
    for (const std::string& item : ItemsOf(copy.name)) {
        if (!PathExists(fresh + "\\" + item)) continue;
        if (!MoveFileA((fresh + "\\" + item).c_str(), (local + "\\" + item).c_str())) return undo();
        freshDone.push_back(item);
    }
    DiscardCopy(copy);   // with the old copy; what stays goes with the next copy's staging
    // The system may keep the old settings file's values: they are read again.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, SettingsFileOf(local, copy.name).c_str());
    return true;
}

void DiscardCopy(const ShareCopy& copy) {
    if (!copy.staging.empty()) velmora::DeleteTree(copy.staging);
}

}  // namespace dovrane
