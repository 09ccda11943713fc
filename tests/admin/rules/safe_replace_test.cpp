#include "admin/rules/safe_replace.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using quorvel::ReplaceWithWritten;
using quorvel::ReserveTemporaryLink;
using testing_support::EntryNames;
using testing_support::ReadFile;

TEST(SafeReplace, TheWrittenFileTakesItsPlaceAndNothingElseRemains) {
    testing_support::TempFolder dir;
    dir.WriteFile("old.lnk", "old");
    dir.WriteFile("other.lnk", "other");
    std::string written = ReserveTemporaryLink(dir.Path());
    ASSERT_FALSE(written.empty());
    EXPECT_NE(ReserveTemporaryLink(dir.Path()), written) << "each reservation is a new name";
    testing_support::TempFolder::WriteAt(written, "new");

    // Onto another entry, which the administrator agreed to replace.
    ASSERT_TRUE(ReplaceWithWritten(written, dir / "old.lnk", dir / "other.lnk"));
    EXPECT_EQ(ReadFile(dir / "other.lnk"), "new");
    EXPECT_EQ(EntryNames(dir.Path()).size(), 2u) << "the old file and the second reservation";
}

TEST(SafeReplace, AFailedRenameGivesTheOldFilesTheirNamesBack) {
    testing_support::TempFolder dir;
    dir.WriteFile("old.lnk", "old");
    std::string written = dir.WriteFile("~vlm0000.lnk", "new");
    EXPECT_FALSE(ReplaceWithWritten(written, dir / "old.lnk", dir / "missing\\old.lnk"));
    EXPECT_EQ(ReadFile(dir / "old.lnk"), "old");
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"old.lnk"}) << "the written file is gone too";
}
