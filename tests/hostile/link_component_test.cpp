// Damaged shortcut files through the shell-link component, reused from file
// to file as the programs reuse theirs.
#include "shared/shell_link.h"
#include "tests/hostile/generated_files.h"
#include "tests/support/test_folder.h"
#include "ui/handles.h"

#include <gtest/gtest.h>

#include <set>

using namespace hostile;

namespace {

const std::set<std::string> kLinkMessages = {
    "Lien non trouvé.", "Erreur en lecture.", "\"CoCreateInstance\" a échoué.",
    "\"PersistFile QueryInterface\" a échoué.",
};

}  // namespace

TEST(HostileLinks, TheComponentReadsEachFileOrRaisesItsOwnError) {
    InstallCrashGuard();
    ui::ComScope com;
    testing_support::TempFolder folder;
    velmora::TVornShellLink link;
    Failures failures;
    int intact = 0, refused = 0;
    for (int n = 0; n < kLinkCases; ++n) {
        Case c("link", n);
        MakeLinkCase(c, folder / ("c" + std::to_string(n) + ".lnk"));
        CaseGuard guard(c);
        link.SetFileName(c.path);
        try {
            link.ReadLink();
            intact += c.kind == kIntact;
        } catch (const velmora::EVornShellLink& e) {
            ++refused;
            if (!kLinkMessages.count(e.what())) failures.Add(c, "a message not the component's", e.what());
            if (c.kind == kIntact) failures.Add(c, "an intact link did not read");
        } catch (const std::exception& e) {
            failures.Add(c, "an error not the component's", e.what());
        }
    }
    EXPECT_GT(intact, 0) << "some links are read whole";
    EXPECT_GT(refused, 0) << "and some are refused";
}
