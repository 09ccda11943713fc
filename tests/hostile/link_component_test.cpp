// Damaged shortcut files through the shell-link component, reused from file
// to file as the programs reuse theirs.
#include "tests/hostile/generated_files.h"
#include "tests/support/test_folder.h"
#include "ui/handles.h"

#include <gtest/gtest.h>

#include <set>

using namespace hostile;

TEST(HostileLinks, TheComponentReadsEachFileOrRaisesItsOwnError) {
    InstallCrashGuard();
    ui::ComScope com;   // started once for the run: the same reads, faster
    const std::set<std::string> linkMessages = {
        "Lien non trouvé.", "Erreur en lecture.", "\"CoCreateInstance\" a échoué.",
        "\"PersistFile QueryInterface\" a échoué.",
    };
    testing_support::TempFolder folder;
    velmora::TVornShellLink link;
    Failures failures;
    int read = 0, refused = 0;
    for (int n = 0; n < kLinkCases; ++n) {
        Case c("link", n);
        MakeLinkCase(c, folder / ("c" + std::to_string(n) + ".lnk"));
        CaseGuard guard(c);
        try {
            std::string error = ReadError(c.path, link);
            (error.empty() ? read : refused) += 1;
            if (!error.empty() && !linkMessages.count(error)) failures.Add(c, "a message not the component's", error);
            if (!error.empty() && c.kind == kIntact) failures.Add(c, "an intact link did not read");
        } catch (const std::exception& e) {
            failures.Add(c, "an error not the component's", e.what());
        }
    }
    EXPECT_GT(read, 0) << "some links are read whole";
    EXPECT_GT(refused, 0) << "and some are refused";
}
