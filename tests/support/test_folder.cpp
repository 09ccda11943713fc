#include "tests/support/test_folder.h"

#include "ui/application.h"
#include "ui/handles.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testing_support {

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

void DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) DeleteTree(child);
            else DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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

MessageRecorder::MessageRecorder(int answer) : answer(answer) {
    ui::platform().messageBox = [this](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
        shown.push_back({text, caption, flags, owner});
        return this->answer;
    };
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
