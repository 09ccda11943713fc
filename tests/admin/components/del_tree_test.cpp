#include "admin/components/del_tree.h"

#include "tests/support/test_folder.h"
#include "ui/handles.h"
#include "ui/path_kind.h"

#include <gtest/gtest.h>

#include <set>

using ui::PathExists;
using testing_support::MessageRecorder;
using testing_support::TempFolder;

namespace {

// 200 characters; the host's file system holds at most 255 bytes of UTF-8.
std::string LongName() { return std::string(50, 'é') + std::string(146, 'x') + ".txt"; }

// Every run climbs out of the current folder: each test gets its own back.
class DelTreeTest : public ::testing::Test {
protected:
    // root\one.txt (read-only), root\sub\two.txt (hidden), root\sub\deep\three.sys
    // (system, read-only, hidden), root\accents\ with an accented name of 200
    // characters in it.
    std::string MakeTree(const std::string& name) {
        std::string root = temp.MakeFolder(name);
        temp.WriteFile(name + "\\one.txt", "1");
        temp.MakeFolder(name + "\\sub");
        temp.WriteFile(name + "\\sub\\two.txt", "2");
        temp.MakeFolder(name + "\\sub\\deep");
        temp.WriteFile(name + "\\sub\\deep\\three.sys", "3");
        temp.MakeFolder(name + "\\accents");
        temp.WriteFile(name + "\\accents\\" + LongName(), "");
        SetFileAttributesA((root + "\\one.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        SetFileAttributesA((root + "\\sub\\two.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA((root + "\\sub\\deep\\three.sys").c_str(),
                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA((root + "\\sub\\deep").c_str(), FILE_ATTRIBUTE_READONLY);
        return root;
    }

    // The names of a folder's files in the order the file system gives them.
    static std::vector<std::string> FilesOf(const std::string& folder) {
        std::vector<std::string> names;
        WIN32_FIND_DATAA entry;
        ui::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
        if (!find) return names;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
        } while (FindNextFileA(find.get(), &entry));
        return names;
    }

    // Opened without delete sharing: nobody can delete it while held.
    static ui::KernelHandle Hold(const std::string& path) {
        return ui::KernelHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    }

    TempFolder temp;
    testing_support::CurrentFolder current;
};

TEST_F(DelTreeTest, DeletesATreeOfAnyAttributesAndStoresThePathWithoutItsBackslash) {
    std::string root = MakeTree("tree");
    quorvel::TMPDelTree tree;
    tree.Path = root + "\\";
    std::vector<std::string> seen;
    tree.OnProcessFile = [&](quorvel::TMPDelTree& sender, const std::string& file,
                             const WIN32_FIND_DATAA& rec, bool& cancel) {
        EXPECT_EQ(&sender, &tree);
        EXPECT_FALSE(cancel);
        EXPECT_EQ(file.substr(file.rfind('\\') + 1), rec.cFileName);
        seen.push_back(file);
    };
    EXPECT_TRUE(tree.DelTree());
    EXPECT_EQ(tree.Path, root);
    EXPECT_FALSE(PathExists(root));
    EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()),
              (std::set<std::string>{root + "\\one.txt", root + "\\sub\\two.txt",
                                     root + "\\sub\\deep\\three.sys",
                                     root + "\\accents\\" + LongName()}));
}

TEST_F(DelTreeTest, TheCurrentFolderItselfCanBeDeleted) {
    std::string root = MakeTree("current");
    SetCurrentDirectoryA(root.c_str());
    quorvel::TMPDelTree tree;
    tree.Path = root;
    EXPECT_TRUE(tree.DelTree());
    EXPECT_FALSE(PathExists(root));
}

TEST_F(DelTreeTest, ACurrentFolderOutsideTheTreeStaysCurrent) {
    std::string root = MakeTree("elsewhere");
    std::string kept = temp.MakeFolder("kept");
    SetCurrentDirectoryA(kept.c_str());
    quorvel::TMPDelTree tree;
    tree.Path = root;
    EXPECT_TRUE(tree.DelTree());
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(current, kept.c_str());
}

TEST_F(DelTreeTest, LinksAreNeverFollowed) {
    std::string outside = temp.MakeFolder("outside");
    std::string kept = temp.WriteFile("outside\\keep.txt", "k");
    std::string empty = temp.MakeFolder("empty");
    std::string root = MakeTree("linked");
    ASSERT_TRUE(testing_support::MakeLink(root + "\\sub\\full", outside));
    ASSERT_TRUE(testing_support::MakeLink(root + "\\vide", empty));
    ASSERT_TRUE(GetFileAttributesA((root + "\\vide").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);

    quorvel::TMPDelTree tree;
    tree.Path = root;
    bool done = tree.DelTree();
    EXPECT_EQ(testing_support::ReadFile(kept), "k");
    EXPECT_TRUE(PathExists(empty)) << "an empty folder behind a link is still outside";
    EXPECT_EQ(done, !PathExists(root));
    // Where the system can only reach what a link points to (Wine), the
    // links stay, with the folders that hold them, and the run says so.
    if (!done) {
        EXPECT_EQ(testing_support::EntryNames(root), (std::vector<std::string>{"sub", "vide"}));
        EXPECT_EQ(testing_support::EntryNames(root + "\\sub"), std::vector<std::string>{"full"});
    }
}

TEST_F(DelTreeTest, AMissingFolderIsSuccessAndTellsOnlyWhenVerbose) {
    MessageRecorder messages;
    quorvel::TMPDelTree tree;
    EXPECT_EQ(tree.Path, "<..>");
    EXPECT_TRUE(tree.DelTree());
    EXPECT_TRUE(messages.shown.empty());

    tree.Verbose = true;
    tree.Path = temp / "nothing\\";
    EXPECT_TRUE(tree.DelTree());
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"The directory " + temp / "nothing" + " doesn't exist"});
    EXPECT_TRUE(PathExists(temp.Path()));
}

TEST_F(DelTreeTest, AHeldFileStopsItsFolderButNotTheOtherBranches) {
    std::string root = temp.MakeFolder("held");
    std::string a = temp.MakeFolder("held\\a");
    std::string b = temp.MakeFolder("held\\b");
    for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"}) {
        temp.WriteFile(std::string("held\\a\\") + name, name);
        temp.WriteFile(std::string("held\\b\\") + name, name);
    }
    std::vector<std::string> order = FilesOf(a);
    ASSERT_EQ(order.size(), 5u);
    ui::KernelHandle held = Hold(a + "\\" + order[2]);
    ASSERT_TRUE(held);

    MessageRecorder messages;
    quorvel::TMPDelTree tree;
    tree.Path = root;
    EXPECT_FALSE(tree.DelTree());
    EXPECT_TRUE(messages.shown.empty());   // not verbose
    EXPECT_FALSE(PathExists(a + "\\" + order[0]));
    EXPECT_FALSE(PathExists(a + "\\" + order[1]));
    for (size_t i = 2; i < order.size(); ++i) EXPECT_TRUE(PathExists(a + "\\" + order[i])) << order[i];
    EXPECT_FALSE(PathExists(b));
    EXPECT_TRUE(PathExists(root));
}

TEST_F(DelTreeTest, VerboseShowsOnlyTheFirstFailureOfARun) {
    std::string root = temp.MakeFolder("twice");
    temp.MakeFolder("twice\\a");
    temp.MakeFolder("twice\\b");
    std::string fa = temp.WriteFile("twice\\a\\held.txt", "a");
    std::string fb = temp.WriteFile("twice\\b\\held.txt", "b");
    ui::KernelHandle ha = Hold(fa), hb = Hold(fb);

    MessageRecorder messages;
    quorvel::TMPDelTree tree;
    tree.Verbose = true;
    tree.Path = root;
    EXPECT_FALSE(tree.DelTree());
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0].text;
    EXPECT_TRUE(text == "Cannot delete file " + fa || text == "Cannot delete file " + fb) << text;

    // A new run may report again.
    EXPECT_FALSE(tree.DelTree());
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(DelTreeTest, CancelOnTheThirdFileStopsTheWholeRun) {
    std::string root = MakeTree("cancel");
    temp.WriteFile("cancel\\sub\\deep\\four.txt", "4");
    temp.WriteFile("cancel\\five.txt", "5");
    MessageRecorder messages;
    quorvel::TMPDelTree tree;
    tree.Path = root;
    tree.Verbose = true;
    std::vector<std::string> seen;
    tree.OnProcessFile = [&](quorvel::TMPDelTree&, const std::string& file, const WIN32_FIND_DATAA&,
                             bool& cancel) {
        seen.push_back(file);
        cancel = seen.size() == 3;
    };
    EXPECT_FALSE(tree.DelTree());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_FALSE(PathExists(seen[0]));
    EXPECT_FALSE(PathExists(seen[1]));
    EXPECT_TRUE(PathExists(seen[2]));
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"DelTree aborted by user !"});
    // Six files were there, two went: the four others are all still in place.
    int left = 0;
    for (std::string f : std::initializer_list<std::string>{"one.txt", "five.txt", "sub\\two.txt", "sub\\deep\\three.sys",
                          "sub\\deep\\four.txt", "accents\\" + LongName()})
        left += PathExists(root + "\\" + f);
    EXPECT_EQ(left, 4);
}

}  // namespace
