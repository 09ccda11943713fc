// Rebuilding the shortcut list for a folder of 2,000 entries, against bare
// loops of the platform calls that the rebuild makes. Run by scripts/bench.sh.
//   list_bench [entries] [rounds]
#include "admin/components/file_list_view.h"
#include "shared/folder_path.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/handles.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kExtensions[] = {".lnk", ".txt", ".exe", ".doc", ".bmp", ".ini", ".dll", ".pif"};

double Milliseconds(const std::function<void()>& run) {
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    run();
    QueryPerformanceCounter(&b);
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string MakeFolder(int entries) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "velmora_bench_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < entries; ++i) {
        std::string path = folder + "\\entry" + std::to_string(i);
        if (i % 20 == 0) {
            CreateDirectoryA(path.c_str(), nullptr);
        } else {
            std::ofstream(path + kExtensions[i % 8]) << "x";
        }
    }
    return folder;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA e;
    ui::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &e));
    if (find) {
        do {
            std::string path = folder + "\\" + e.cFileName;
            if (!(e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA(path.c_str());
            else if (e.cFileName[0] != '.') RemoveDirectoryA(path.c_str());
        } while (FindNextFileA(find.get(), &e));
    }
    find.reset();
    RemoveDirectoryA(folder.c_str());
}

// The folder search and the shell's information for each entry; with
// exact, the search of each entry by its own name as well.
int BareLoop(const std::string& folder, bool exact) {
    int found = 0;
    WIN32_FIND_DATAA e;
    ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &e));
    if (!find) return 0;
    do {
        std::string name = e.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        SHFILEINFOA info = {};
        if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info,
                            SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_SMALLICON))
            continue;
        if (exact) {
            WIN32_FIND_DATAA one;
            if (!ui::FindHandle(FindFirstFileA(path.c_str(), &one))) continue;
        }
        ++found;
    } while (FindNextFileA(find.get(), &e));
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    int entries = argc > 1 ? atoi(argv[1]) : 2000;
    int rounds = argc > 2 ? atoi(argv[2]) : 7;
    ui::Application::Instance().Initialize();
    ui::Form form;
    form.CreateForm("Banc d'essai", 640, 480, {}, true);
    form.Show();
    quorvel::TLsFileListView list(form, ui::Bounds(0, 0, 640, 480));
    list.SetViewStyle(LVS_ICON);   // as the administration window shows it

    std::string folder = MakeFolder(entries);
    list.SetDirectory(folder);   // also warms the shell's caches
    BareLoop(folder, true);

    std::vector<double> rebuild, bare, bareExact;
    int listed = 0, found = 0;
    for (int r = 0; r < rounds; ++r) {
        rebuild.push_back(Milliseconds([&] { list.RefreshList(); }));
        listed = list.Count();
        bare.push_back(Milliseconds([&] { found = BareLoop(folder, false); }));
        bareExact.push_back(Milliseconds([&] { BareLoop(folder, true); }));
    }
    double mRebuild = Median(rebuild), mBare = Median(bare), mExact = Median(bareExact);
    printf("entries listed:                           %d (bare loop found %d)\n", listed, found);
    printf("list rebuild (median of %d):               %8.1f ms\n", rounds, mRebuild);
    printf("bare loop, search + shell information:    %8.1f ms\n", mBare);
    printf("bare loop, plus the search of each entry: %8.1f ms\n", mExact);
    printf("ratio rebuild / bare loop:                %8.2f (aim: 1.50 at most)\n", mRebuild / mBare);
    printf("ratio rebuild / bare loop with searches:  %8.2f\n", mRebuild / mExact);

    SetCurrentDirectoryA("\\");
    RemoveFolder(folder);
    return 0;
}
