#include "tests/shell/shell_fixture.h"

#include "shell/profile_copy.h"
#include "ui/handles.h"

#include <set>

using namespace dovrane;
using testing_support::EntryNames;
using testing_support::TempFolder;
using testing_support::TreeContents;

namespace {

class ShareCopyTest : public shell_testing::ShellTest {
protected:
    ShareCopyTest() { velmora::SetSharedProfilesFolder(""); }

    ShareCopyRequest Request(const std::string& shown, const std::string& lastState = "") const {
        return {share.Path(), Profiles(), user, shown, lastState};
    }
    static std::set<std::string> Labels(const TVantrel95& shell) {
        std::set<std::string> labels;
        for (int i = 1; i < kSlotCount; ++i)
            if (shell.ic[i]->Visible()) labels.insert(shell.lb[i]->Caption());
        return labels;
    }
    // Pumps the shell's messages until it shows these labels, for at most 10 s.
    static bool Shows(const TVantrel95& shell, const std::set<std::string>& labels) {
        for (int i = 0; i < 200 && Labels(shell) != labels; ++i) testing_support::Pump(50);
        return Labels(shell) == labels;
    }

    TempFolder share, elsewhere;
    testing_support::SavedValue location{HKEY_LOCAL_MACHINE, velmora::kVendorKey, velmora::kProfilesLocationValue};
};

}  // namespace

TEST_F(ShareCopyTest, AFullProfileIsCopiedWholeBesideTheOldOneAndTheShareStaysAsItWas) {
    // 21 shortcuts and two sub-folders, a picture on the share; a shortcut
    // that the administration program is still writing, and a link.
    std::string shared = share.MakeFolder(".default");
    for (int i = 1; i <= 21; ++i) share.WriteFile(".default\\Jeu" + std::to_string(i) + ".lnk", std::to_string(i));
    for (std::string sub : {"Outils", "Jeux"}) TempFolder::WriteAt(share.MakeFolder(".default\\" + sub) + "\\In.lnk", sub);
    SetFileAttributesA((shared + "\\Jeu3.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
    share.WriteFile(".default\\~vlm0A1B.lnk", "à moitié");
    ASSERT_TRUE(testing_support::MakeLink(shared + "\\Ailleurs", elsewhere.Path()));
    share.WriteFile("mer.bmp", "BM image");
    share.WriteFile(".default.ini", "[BackGround]\r\nColor=255\r\nImage=" + (share / "mer.bmp") + "\r\n");
    TempFolder::WriteAt(MakeProfile(".default") + "\\Vieux.lnk", "ancien");
    auto shareBefore = TreeContents(share.Path());

    ShareCopy copy = CopyFromShare(Request(".default"));
    ASSERT_EQ(copy.outcome, ShareCopy::Ready);
    EXPECT_EQ(EntryNames(Profiles() + "\\.default"), std::vector<std::string>{"Vieux.lnk"}) << "not yet swapped";
    ASSERT_TRUE(SwapInCopy(copy, Profiles(), ".default"));
    auto expected = TreeContents(shared);
    expected.erase("~vlm0A1B.lnk");
    EXPECT_EQ(TreeContents(Profiles() + "\\.default"), expected) << "23 entries and their marks, no link";
    velmora::SettingsFile settings(Profiles() + "\\.default.ini");
    EXPECT_EQ(settings.ReadString(velmora::kBackImage, ""), Profiles() + "\\.default.bmp");
    EXPECT_EQ(settings.ReadInteger(velmora::kBackColor, 0), 255);
    EXPECT_EQ(testing_support::ReadFile(Profiles() + "\\.default.bmp"), "BM image");
    EXPECT_EQ(EntryNames(Profiles()), (std::vector<std::string>{".default", ".default.bmp", ".default.ini"}));
    EXPECT_EQ(TreeContents(share.Path()), shareBefore) << "the shell never writes the share";

    // Nothing new: no copy once the share is known, none kept when it is not.
    EXPECT_EQ(CopyFromShare(Request(".default", copy.state)).outcome, ShareCopy::Unchanged);
    EXPECT_EQ(CopyFromShare(Request(".default")).outcome, ShareCopy::Unchanged);
    EXPECT_EQ(EntryNames(Profiles()), (std::vector<std::string>{".default", ".default.bmp", ".default.ini"}));
    share.WriteFile(".default\\Nouveau.lnk", "nouveau");
    EXPECT_EQ(CopyFromShare(Request(".default", copy.state)).outcome, ShareCopy::Ready) << "an edit is a change";
}

TEST_F(ShareCopyTest, AShareThatFailsLeavesTheOldCopyWholeAndAUserItLostGetsItsDefault) {
    user = "marc";
    TempFolder::WriteAt(share.MakeFolder(".default") + "\\Commun.lnk", "commun");
    TempFolder::WriteAt(MakeProfile("marc") + "\\Perso.lnk", "perso");
    Settings("marc", "[BackGround]\r\nColor=1\r\n");
    auto before = TreeContents(Profiles());
    {   // held by another without sharing: the copy breaks off there
        ui::FileHandle held(CreateFileA((share / ".default\\Commun.lnk").c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(CopyFromShare(Request("marc")).outcome, ShareCopy::Failed);
    }
    ShareCopyRequest gone = Request("marc");
    gone.share += "\\absent";
    EXPECT_EQ(CopyFromShare(gone).outcome, ShareCopy::Failed);
    EXPECT_EQ(TreeContents(Profiles()), before);

    // The administrator deleted marc's profile: the shared default replaces its copy.
    ShareCopy copy = CopyFromShare(Request("marc"));
    ASSERT_EQ(copy.outcome, ShareCopy::Ready);
    ASSERT_TRUE(SwapInCopy(copy, Profiles(), "marc"));
    EXPECT_EQ(EntryNames(Profiles()), std::vector<std::string>{".default"});
    EXPECT_EQ(EntryNames(Profiles() + "\\.default"), std::vector<std::string>{"Commun.lnk"});
}

TEST_F(ShareCopyTest, TheDesktopComesFromTheLocalCopyAtOnceThenFollowsTheShareSilently) {
    user = "marc";
    TempFolder::WriteAt(MakeProfile(".default") + "\\Vieux.lnk", "ancien");
    share.MakeFolder("marc");
    share.WriteFile("marc\\Neuf.lnk", "neuf");
    share.WriteFile("marc.ini", "[BackGround]\r\nColor=255\r\n");
    ASSERT_TRUE(velmora::SetSharedProfilesFolder(share.Path() + "\\"));

    auto shell = MakeShell();
    LoadThroughHidingSequence(*shell);
    EXPECT_EQ(Labels(*shell), std::set<std::string>{"Vieux"}) << "the local copy, without waiting";
    ASSERT_TRUE(Shows(*shell, {"Neuf"}));
    EXPECT_EQ(shell->Text(), "Bureau de : marc");
    EXPECT_EQ(shell->Color(), static_cast<COLORREF>(255));
    share.WriteFile("marc\\Autre.lnk", "autre");
    shell->CheckShare();
    EXPECT_TRUE(Shows(*shell, {"Autre", "Neuf"})) << "an edit shows without a restart";

    // The share stops answering: the desktop stays as it is, and says nothing.
    ASSERT_TRUE(MoveFileA(share.Path().c_str(), (share.Path() + "x").c_str()));
    shell->CheckShare();
    testing_support::Pump(500);
    ASSERT_TRUE(MoveFileA((share.Path() + "x").c_str(), share.Path().c_str()));
    EXPECT_EQ(Labels(*shell), (std::set<std::string>{"Autre", "Neuf"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(shell->ShareTimer.Enabled());
}
