#include "tests/support/test_folder.h"

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/path_kind.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace {

std::wstring Widened(const std::string& text, UINT codePage) {
    std::wstring wide(text.size() + 1, L'\0');
    int n = MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n - 1 : 0);
    return wide;
}

// The Unix path (UTF-8) of a Windows one, as Wine maps its drives; empty
// where Wine's conversion is missing.
std::string UnixPath(const std::string& path) {
    using Convert = char*(CDECL*)(const WCHAR*);
    auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* converted = convert ? convert(Widened(path, CP_ACP).c_str()) : nullptr;
    if (!converted) return {};
    std::string result = converted;
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

// Starts a Unix program on Unix paths, as Wine lets its programs do. Wine
// does not wait for it: the caller watches for what it does.
void RunUnix(const std::string& program, const std::vector<std::string>& unixPaths) {
    std::wstring line = Widened(program, CP_ACP);
    for (const std::string& p : unixPaths) line += L" \"" + Widened(p, CP_UTF8) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    static int counter = 0;
    path_ = std::string(temp) + "velmora_test_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    DeleteTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { DeleteTree(path_); }

std::string TempFolder::MakeFolder(const std::string& name) const {
    std::string p = *this / name;
    CreateDirectoryA(p.c_str(), nullptr);
    return p;
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& content) const {
    std::string p = *this / name;
    WriteAt(p, content);
    return p;
}

void TempFolder::WriteAt(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

namespace {

// Links are left alone: never followed, never removed here.
void DeleteWalk(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == ".." || (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) DeleteWalk(child);
            else DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

}  // namespace

void DeleteTree(const std::string& path) {
    DeleteWalk(path);
    // What stays is held by links, which Win32 under Wine can only follow
    // (and does not even list once their target is gone): Unix's own rm
    // removes them without following.
    if (!ui::PathExists(path)) return;
    std::string unixPath = UnixPath(path);
    if (unixPath.empty()) return;
    RunUnix("/bin/rm -rf", {unixPath});
    for (int i = 0; i < 500 && ui::PathExists(path); ++i) Sleep(10);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool MakeLink(const std::string& link, const std::string& target) {
    std::string unixLink = UnixPath(link), unixTarget = UnixPath(target);
    if (unixLink.empty() || unixTarget.empty()) return false;
    RunUnix("/bin/ln -s", {unixTarget, unixLink});
    for (int i = 0; i < 500 && !ui::PathExists(link); ++i) Sleep(10);
    return ui::PathExists(link);
}

std::string SystemFile(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
}

std::string LongPath(const std::string& path) {
    char full[MAX_PATH] = {};
    GetLongPathNameA(path.c_str(), full, sizeof full);
    return full;
}

std::vector<std::string> EntryNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (!find) return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find.get(), &entry));
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

void AddTree(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>& tree) {
    for (const std::string& name : EntryNames(folder)) {
        std::string path = folder + "\\" + name;
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        bool isFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
        tree[prefix + name] = (isFolder ? "<folder>" : ReadFile(path)) + " " + std::to_string(attributes);
        if (isFolder) AddTree(path, prefix + name + "\\", tree);
    }
}

}  // namespace

std::map<std::string, std::string> TreeContents(const std::string& folder) {
    std::map<std::string, std::string> tree;
    AddTree(folder, "", tree);
    return tree;
}

MessageRecorder::MessageRecorder(int answer) : answer(answer) {
    ui::platform().messageBox = [this](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
        shown.push_back({text, caption, flags, owner});
        return this->answer;
    };
}

std::vector<std::string> MessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : shown) texts.push_back(m.text);
    return texts;
}

std::vector<std::string> MessageRecorder::TakeTexts() {
    std::vector<std::string> texts = Texts();
    shown.clear();
    return texts;
}

void Pump(unsigned milliseconds) {
    DWORD end = GetTickCount() + milliseconds;
    do {
        ui::Application::Instance().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void MovePointer(int x, int y) {
    POINT at = {};
    for (int i = 0; i < 20; ++i) {
        SetCursorPos(x, y);
        Pump(20);
        if (GetCursorPos(&at) && at.x == x && at.y == y) break;
    }
}

}  // namespace testing_support
