// The shell's copy of a full profile from a shared profiles folder: 21
// shortcuts and two sub-folders of three (23 entries), a settings file. Times
// a whole copy with its swap into the local folder, and a check that finds
// nothing new. Run by scripts/bench.sh on a share that Wine serves from a
// host folder; the profile is left there for the start measures.
//   copy_bench SHARE LOCAL [rounds]
#include "shared/folder_tree.h"
#include "shared/profile_store.h"
#include "shell/profile_copy.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void MakeProfile(const std::string& share) {
    std::string folder = velmora::ProfileFolder(share, velmora::kDefaultProfile);
    velmora::DeleteTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string shortcut(480, 'L');   // about the size of a shortcut file
    for (int i = 1; i <= 21; ++i) std::ofstream(folder + "\\Programme" + std::to_string(i) + ".lnk") << shortcut;
    for (const char* sub : {"Outils", "Jeux"}) {
        CreateDirectoryA((folder + "\\" + sub).c_str(), nullptr);
        for (int i = 1; i <= 3; ++i) std::ofstream(folder + "\\" + sub + "\\Dedans" + std::to_string(i) + ".lnk") << shortcut;
    }
    std::ofstream(velmora::SettingsFileOf(share, velmora::kDefaultProfile))
        << "[Taskbar]\r\nvisible=1\r\n[Windows]\r\nExit=1\r\nSession=0\r\n[DiskA]\r\nVisible=0\r\n"
           "[BackGround]\r\nColor=8421376\r\nImage=\r\n[Text]\r\nColor=16777215\r\nTransparent=1\r\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::string share = argv[1], local = argv[2];
    int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
    MakeProfile(share);
    CreateDirectoryA(local.c_str(), nullptr);
    std::vector<double> whole, unchanged;
    std::string state;
    for (int i = 0; i < rounds; ++i) {
        velmora::DeleteTree(velmora::ProfileFolder(local, velmora::kDefaultProfile));   // a copy that differs
        double start = Now();
        dovrane::ShareCopy copy = dovrane::CopyFromShare({share, local, std::nullopt, velmora::kDefaultProfile, ""});
        if (copy.outcome != dovrane::ShareCopy::Ready || !dovrane::SwapInCopy(copy, local, velmora::kDefaultProfile)) {
            std::fprintf(stderr, "the copy failed\n");
            return 1;
        }
        whole.push_back(Now() - start);
        start = Now();
        if (dovrane::CopyFromShare({share, local, std::nullopt, velmora::kDefaultProfile, copy.state}).outcome !=
            dovrane::ShareCopy::Unchanged)
            return 1;
        unchanged.push_back(Now() - start);
    }
    velmora::DeleteTree(local);
    std::printf("copy of a full profile from the share:  %.1f ms (median of %d; aim: well under 1000 ms)\n",
                Median(whole), rounds);
    std::printf("check of an unchanged share:            %.1f ms (median of %d)\n", Median(unchanged), rounds);
    return 0;
}
