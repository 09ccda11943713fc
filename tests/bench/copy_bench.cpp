// The shell's copy of a full profile (21 shortcuts, two sub-folders of three,
// a settings file) from a shared profiles folder: a whole copy with its swap,
// and a check that finds nothing new. Run by scripts/bench.sh.
//   copy_bench SHARE LOCAL [rounds]
#include "shared/folder_tree.h"
#include "shared/profile_store.h"
#include "shell/profile_copy.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

using namespace dovrane;

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::string share = argv[1], local = argv[2], name = velmora::kDefaultProfile;
    std::string folder = velmora::ProfileFolder(share, name), shortcut(480, 'L');
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 1; i <= 21; ++i) std::ofstream(folder + "\\Programme" + std::to_string(i) + ".lnk") << shortcut;
    for (std::string sub : {"\\Outils", "\\Jeux"}) {
        CreateDirectoryA((folder + sub).c_str(), nullptr);
        for (int i = 1; i <= 3; ++i) std::ofstream(folder + sub + "\\Dedans" + std::to_string(i) + ".lnk") << shortcut;
    }
    std::ofstream(velmora::SettingsFileOf(share, name)) << "[BackGround]\r\nColor=8421376\r\n[Windows]\r\nExit=1\r\n";
    CreateDirectoryA(local.c_str(), nullptr);
    std::vector<double> whole, unchanged;
    for (int i = 0, rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20; i < rounds; ++i) {
        velmora::DeleteTree(velmora::ProfileFolder(local, name));   // a copy that differs
        double start = Now();
        ShareCopy copy = CopyFromShare({share, local, std::nullopt, name, ""});
        if (copy.outcome != ShareCopy::Ready || !SwapInCopy(copy, local, name)) return 1;
        whole.push_back(Now() - start);
        start = Now();
        if (CopyFromShare({share, local, std::nullopt, name, copy.state}).outcome != ShareCopy::Unchanged) return 1;
        unchanged.push_back(Now() - start);
    }
    velmora::DeleteTree(local);
    std::printf("copy of a full profile from the share:  %.1f ms (median of %d; aim: well under 1000 ms)\n",
                Median(whole), static_cast<int>(whole.size()));
    std::printf("check of an unchanged share:            %.1f ms\n", Median(unchanged));
    return 0;
}
