#include "tests/shell/shell_fixture.h"

#include "shell/profile_copy.h"
#include "ui/handles.h"

#include <map>
#include <set>

using namespace dovrane;
using shell_testing::ShellTest;
using testing_support::EntryNames;
using testing_support::SavedValue;
using testing_support::TempFolder;
using testing_support::TreeContents;

namespace {

class ShareCopyTest : public ShellTest {
protected:
    ShareCopyTest() { velmora::SetSharedProfilesFolder(""); }

    // A full profile on the share: 21 shortcuts and two sub-folders (23
    // entries), a settings file whose picture lies on the share; beside them a
    // shortcut that the administration program is still writing and a link.
    std::string FullSharedProfile(const std::string& name) {
        std::string folder = share.MakeFolder(name);
        for (int i = 1; i <= 21; ++i) TempFolder::WriteAt(folder + "\\Jeu" + std::to_string(i) + ".lnk", "lien " + std::to_string(i));
        for (const char* sub : {"Outils", "Jeux"}) {
            CreateDirectoryA((folder + "\\" + sub).c_str(), nullptr);
            TempFolder::WriteAt(folder + "\\" + sub + "\\Dedans.lnk", sub);
        }
        TempFolder::WriteAt(folder + "\\~vlm0A1B.lnk", "à moitié");
        EXPECT_TRUE(testing_support::MakeLink(folder + "\\Ailleurs", elsewhere.Path()));
        share.MakeFolder("fonds");
        share.WriteFile("fonds\\mer.bmp", "BM image");
        share.WriteFile(name + ".ini", "[BackGround]\r\nColor=255\r\nImage=" + (share / "fonds\\mer.bmp") + "\r\n");
        return folder;
    }
    ShareCopyRequest Request(const std::string& shown, const std::string& lastState = "") const {
        return {share.Path(), Profiles(), user, shown, lastState};
    }
    // Pumps the shell's messages until the condition holds, for at most 10 s.
    template <class Condition>
    bool PumpUntil(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i) testing_support::Pump(50);
        return condition();
    }
    static std::set<std::string> Labels(const TVantrel95& shell) {
        std::set<std::string> labels;
        for (int i = 1; i < kSlotCount; ++i)
            if (shell.ic[i]->Visible()) labels.insert(shell.lb[i]->Caption());
        return labels;
    }

    TempFolder share, elsewhere;
    SavedValue location{HKEY_LOCAL_MACHINE, velmora::kVendorKey, velmora::kProfilesLocationValue};
};

}  // namespace

TEST_F(ShareCopyTest, AFullProfileIsCopiedWholeBesideTheOldOneAndTheShareStaysAsItWas) {
    user = ".default";
    std::string shared = FullSharedProfile(".default");
    TempFolder::WriteAt(MakeProfile(".default") + "\\Vieux.lnk", "ancien");
    auto shareBefore = TreeContents(share.Path());

    ShareCopy copy = CopyFromShare(Request(".default"));
    ASSERT_EQ(copy.outcome, ShareCopy::Ready);
    EXPECT_EQ(EntryNames(Profiles() + "\\.default"), std::vector<std::string>{"Vieux.lnk"}) << "not yet swapped";
    ASSERT_TRUE(SwapInCopy(copy, Profiles(), ".default"));

    auto copied = TreeContents(Profiles() + "\\.default");
    auto expected = TreeContents(shared);
    expected.erase("~vlm0A1B.lnk");   // the administration program's unfinished shortcut
    EXPECT_EQ(copied, expected) << "23 entries with their sub-folders, no link";
    EXPECT_EQ(copied.size(), 25u);
    std::string picture = Profiles() + "\\.default.bmp";
    velmora::SettingsFile settings(Profiles() + "\\.default.ini");
    EXPECT_EQ(settings.ReadString(velmora::kBackImage, ""), picture) << "the copy shows the picture's copy";
    EXPECT_EQ(settings.ReadInteger(velmora::kBackColor, 0), 255);
    EXPECT_EQ(testing_support::ReadFile(picture), "BM image");
    EXPECT_EQ(EntryNames(Profiles()), (std::vector<std::string>{".default", ".default.bmp", ".default.ini"}))
        << "nothing of the copy's own left beside";
    EXPECT_EQ(TreeContents(share.Path()), shareBefore) << "the shell never writes the share";

    // Nothing new: no copy at all once the share is known, none kept when it is not.
    ShareCopy again = CopyFromShare(Request(".default", copy.state));
    EXPECT_EQ(again.outcome, ShareCopy::Unchanged);
    EXPECT_EQ(again.state, copy.state);
    EXPECT_EQ(CopyFromShare(Request(".default")).outcome, ShareCopy::Unchanged);
    EXPECT_EQ(EntryNames(Profiles()), (std::vector<std::string>{".default", ".default.bmp", ".default.ini"}));
    share.WriteFile(".default\\Nouveau.lnk", "nouveau");
    EXPECT_EQ(CopyFromShare(Request(".default", copy.state)).outcome, ShareCopy::Ready) << "an edit is a change";
}

TEST_F(ShareCopyTest, AShareThatFailsLeavesTheOldCopyWholeAndNothingBeside) {
    user = ".default";
    FullSharedProfile(".default");
    TempFolder::WriteAt(MakeProfile(".default") + "\\Vieux.lnk", "ancien");
    Settings(".default", "[BackGround]\r\nColor=1\r\n");
    auto before = TreeContents(Profiles());

    {   // held by another without sharing: the copy breaks off at that file
        ui::FileHandle held(CreateFileA((share / ".default\\Jeu7.lnk").c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_EQ(CopyFromShare(Request(".default")).outcome, ShareCopy::Failed);
        EXPECT_EQ(TreeContents(Profiles()), before);
    }
    for (std::string gone : {share / "absent", std::string("\\\\velmoranulle\\partage")}) {
        ShareCopyRequest request = Request(".default");
        request.share = gone;
        EXPECT_EQ(CopyFromShare(request).outcome, ShareCopy::Failed) << gone;
        EXPECT_EQ(TreeContents(Profiles()), before) << gone;
    }
}

TEST_F(ShareCopyTest, AUserWhoseProfileLeftTheShareGetsTheSharedDefault) {
    user = "marc";
    share.MakeFolder(".default");
    share.WriteFile(".default\\Commun.lnk", "commun");
    TempFolder::WriteAt(MakeProfile("marc") + "\\Perso.lnk", "perso");
    Settings("marc", "[BackGround]\r\nColor=1\r\n");

    ShareCopy copy = CopyFromShare(Request("marc"));
    ASSERT_EQ(copy.outcome, ShareCopy::Ready);
    EXPECT_EQ(copy.name, ".default") << "as the share spells it";
    ASSERT_TRUE(SwapInCopy(copy, Profiles(), "marc"));
    EXPECT_EQ(EntryNames(Profiles()), std::vector<std::string>{".default"});
    EXPECT_EQ(EntryNames(Profiles() + "\\.default"), std::vector<std::string>{"Commun.lnk"});
    EXPECT_EQ(velmora::ResolveProfileName(user, Profiles()), velmora::kFallbackProfile);
}

TEST_F(ShareCopyTest, TheDesktopComesFromTheLocalCopyAtOnceThenFollowsTheShareSilently) {
    user = "marc";
    TempFolder::WriteAt(MakeProfile(".default") + "\\Vieux.lnk", "ancien");
    std::string shared = share.MakeFolder("marc");
    share.WriteFile("marc\\Neuf.lnk", "neuf");
    share.WriteFile("marc.ini", "[BackGround]\r\nColor=255\r\n");
    ASSERT_TRUE(velmora::SetSharedProfilesFolder(share.Path() + "\\"));

    auto shell = MakeShell();
    LoadThroughHidingSequence(*shell);
    EXPECT_EQ(Labels(*shell), std::set<std::string>{"Vieux"}) << "the local copy, without waiting";
    EXPECT_TRUE(shell->ShareTimer.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return Labels(*shell) == std::set<std::string>{"Neuf"}; }));
    EXPECT_EQ(shell->Text(), "Bureau de : marc");
    EXPECT_EQ(shell->Color(), static_cast<COLORREF>(255));

    share.WriteFile("marc\\Autre.lnk", "autre");
    shell->CheckShare();
    EXPECT_TRUE(PumpUntil([&] { return Labels(*shell) == std::set<std::string>{"Autre", "Neuf"}; }))
        << "an edit shows without a restart";

    // The share stops answering: the desktop stays as it is, and says nothing.
    ASSERT_TRUE(MoveFileA(share.Path().c_str(), (share.Path() + "x").c_str()));
    shell->CheckShare();
    testing_support::Pump(500);
    ASSERT_TRUE(MoveFileA((share.Path() + "x").c_str(), share.Path().c_str()));
    EXPECT_EQ(Labels(*shell), (std::set<std::string>{"Autre", "Neuf"}));
    EXPECT_TRUE(messages.shown.empty());
    shell->CheckShare();
    testing_support::Pump(300);   // the copy running is the last one
}
