#include "admin/dialogs/newuser.h"
#include "admin/dialogs/selectuser.h"

#include "tests/admin/dialogs/dialog_test_support.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"
#include "ui/path_kind.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorvel;
using testing_support::MessageRecorder;
using testing_support::TempFolder;

namespace {

class SelectUserTest : public testing::Test {
protected:
    SelectUserTest() {
        ui::platform().windowsDir = [this] { return windows.Path(); };
    }

    std::unique_ptr<TSelectUser> Create() {
        return std::make_unique<TSelectUser>(options, [this](const std::string& folder) {
            saved.push_back(folder);
            SauveParametres(options, folder);
        });
    }
    std::string Profiles() const { return windows / "velmo"; }
    std::vector<std::string> Listed(TSelectUser& dialog) {
        SendMessageA(dialog.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        std::vector<std::string> names;
        for (int i = 0; i < dialog.ListBox1.Count(); ++i) names.push_back(dialog.ListBox1.Item(i));
        return names;
    }
    void Select(TSelectUser& dialog, const std::string& name) {
        Listed(dialog);
        int index = static_cast<int>(SendMessageA(dialog.ListBox1.Handle(), LB_FINDSTRINGEXACT, -1,
                                                  reinterpret_cast<LPARAM>(name.c_str())));
        ASSERT_GE(index, 0) << name;
        dialog.ListBox1.Select(index);
    }

    ui::PlatformOverride restore;
    MessageRecorder messages;
    TempFolder windows;
    TFOptions options;
    std::vector<std::string> saved;
};

}  // namespace

TEST_F(SelectUserTest, FirstRunMakesTheHiddenProfilesFolderAndTheDefaultProfileOnce) {
    auto dialog = Create();
    EXPECT_EQ(dialog->DossierProfils, Profiles());
    EXPECT_EQ(GetFileAttributesA(Profiles().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(saved, (std::vector<std::string>{Profiles() + "\\.default"}));
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Création de l'utilisateur par défaut.\rN'oubliez pas de paramétrer celui-ci..."});

    velmora::SettingsFile settings(Profiles() + "\\.default.ini");
    EXPECT_FALSE(settings.ReadFlag(velmora::kUnloadIconVisible, 1));
    EXPECT_TRUE(settings.ReadFlag(velmora::kExitAllowed, 0));
    EXPECT_FALSE(settings.ReadFlag(velmora::kDriveAVisible, 1));
    EXPECT_TRUE(settings.ReadFlag(velmora::kSessionAllowed, 0));
    EXPECT_EQ(settings.ReadInteger(velmora::kBackColor, 0), 8421376);
    EXPECT_EQ(settings.ReadString(velmora::kBackImage, "x"), "");
    EXPECT_EQ(settings.ReadInteger(velmora::kTextColor, 0), 16777215);
    EXPECT_EQ(settings.ReadInteger(velmora::kTextBackColor, 0), 8421376);
    EXPECT_TRUE(settings.ReadFlag(velmora::kTextTransparent, 0));

    SetFileAttributesA(Profiles().c_str(), FILE_ATTRIBUTE_NORMAL);
    dialog.reset();
    auto again = Create();
    EXPECT_EQ(messages.shown.size(), 1u) << "a second start says nothing";
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_EQ(GetFileAttributesA(Profiles().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY))
        << "hidden again at every start";
}

TEST_F(SelectUserTest, OnlyPlainFoldersAreListedSorted) {
    auto dialog = Create();
    RECT list;
    GetWindowRect(dialog->ListBox1.Handle(), &list);
    EXPECT_EQ(list.bottom - list.top, 146) << "the design's height, not whole lines";
    // (Wine keeps no read-only mark on folders; hidden and system stand for any other bit.)
    for (const char* name : {"paul", "jean", "cache", "systeme"}) CreateDirectoryA((Profiles() + "\\" + name).c_str(), nullptr);
    SetFileAttributesA((Profiles() + "\\cache").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((Profiles() + "\\systeme").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM);
    TempFolder::WriteAt(Profiles() + "\\paul.ini", "[Windows]\r\nExit=1\r\n");
    EXPECT_EQ(Listed(*dialog), (std::vector<std::string>{".default", "jean", "paul"}));
}

TEST_F(SelectUserTest, SelectNeedsALine) {
    auto dialog = Create();
    Listed(*dialog);
    dialog->BitBtn1.Click();
    EXPECT_EQ(dialog->modalResult, ui::mrNone);
    Select(*dialog, ".default");
    SendMessageA(dialog->ListBox1.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(dialog->modalResult, ui::mrOk) << "a double-click selects";
    EXPECT_EQ(dialog->UtilisateurChoisi, ".default");
}

TEST_F(SelectUserTest, NewProfilesNeedANameAFolderCanHold) {
    auto dialog = Create();
    messages.shown.clear();
    std::vector<std::string> tried = {"", ".default", "a*b", "..\\evil", "..", "nul", "jean ", "jean"};
    size_t next = 0;
    std::vector<int> results;
    testing_support::ModalScript script([&](ui::Form& form) {
        auto& newUser = dynamic_cast<TNewUser&>(form);
        EXPECT_EQ(GetFocus(), newUser.ENomuser.Handle());
        for (; next < tried.size(); ++next) {
            newUser.ENomuser.SetText(tried[next]);
            newUser.BitBtn1.Click();
            results.push_back(newUser.modalResult);
            if (newUser.modalResult == ui::mrNone) {
                EXPECT_TRUE(testing_support::FocusedAndSelected(newUser.ENomuser.Handle())) << tried[next];
            }
            if (newUser.modalResult == ui::mrOk) break;
        }
    });
    dialog->BitBtn3.Click();
    std::vector<int> refused(tried.size() - 1, ui::mrNone);
    refused.push_back(ui::mrOk);
    EXPECT_EQ(results, refused);
    EXPECT_EQ(messages.shown.size(), tried.size() - 1);
    for (const auto& m : messages.shown) EXPECT_EQ(m.text, "Impossible de créer cet utilisateur...");
    EXPECT_EQ(dialog->modalResult, ui::mrNone) << "the profiles dialog stays open";
    auto names = Listed(*dialog);
    EXPECT_NE(std::find(names.begin(), names.end(), "jean"), names.end());
    EXPECT_FALSE(ui::PathExists(Profiles() + "\\jean.ini")) << "no settings file yet";
    EXPECT_EQ(testing_support::EntryNames(windows.Path()), std::vector<std::string>{"velmo"}) << "nothing beside";
    EXPECT_EQ(testing_support::EntryNames(Profiles()), (std::vector<std::string>{".default", ".default.ini", "jean"}));
}

TEST_F(SelectUserTest, DeletingAsksFirstAndNeverTakesTheDefault) {
    auto dialog = Create();
    std::string marc = Profiles() + "\\marc";
    CreateDirectoryA(marc.c_str(), nullptr);
    TempFolder::WriteAt(marc + "\\Jeu.lnk", "x");
    SetFileAttributesA((marc + "\\Jeu.lnk").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    TempFolder::WriteAt(Profiles() + "\\marc.ini", "[Windows]\r\nExit=1\r\n");
    messages.shown.clear();

    Select(*dialog, ".default");
    dialog->BitBtn4.Click();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Impossible de supprimer l'utilisateur par défaut..."}) << "no confirmation asked";

    Select(*dialog, "marc");
    messages.answer = IDNO;
    dialog->BitBtn4.Click();
    EXPECT_EQ(messages.shown.back().text, "Confirmation de la suppression ?");
    EXPECT_TRUE(ui::PathExists(marc + "\\Jeu.lnk"));
    EXPECT_TRUE(ui::PathExists(Profiles() + "\\marc.ini"));
    EXPECT_EQ(dialog->ListBox1.Count(), 2);

    messages.answer = IDYES;
    dialog->BitBtn4.Click();
    EXPECT_FALSE(ui::PathExists(marc));
    EXPECT_FALSE(ui::PathExists(Profiles() + "\\marc.ini"));
    EXPECT_EQ(dialog->ListBox1.Count(), 1);
    EXPECT_EQ(dialog->ListBox1.Item(0), ".default");
}

TEST_F(SelectUserTest, DeletingAProfileLeavesWhatItsLinksPointTo) {
    auto dialog = Create();
    TempFolder elsewhere;
    std::string kept = elsewhere.WriteFile("garde.txt", "g");
    std::string marc = Profiles() + "\\marc";
    CreateDirectoryA(marc.c_str(), nullptr);
    TempFolder::WriteAt(marc + "\\Jeu.lnk", "x");
    ASSERT_TRUE(testing_support::MakeLink(marc + "\\ailleurs", elsewhere.Path()));
    messages.answer = IDYES;
    Select(*dialog, "marc");
    dialog->BitBtn4.Click();
    EXPECT_EQ(testing_support::ReadFile(kept), "g");
    EXPECT_FALSE(ui::PathExists(marc + "\\Jeu.lnk"));
    // Where the system cannot remove a link without reaching its target
    // (Wine), the profile stays with its link alone, and the dialog says so.
    if (ui::PathExists(marc)) {
        EXPECT_EQ(messages.shown.back().text, "Impossible de supprimer cet utilisateur...");
        EXPECT_EQ(testing_support::EntryNames(marc), std::vector<std::string>{"ailleurs"});
    }
}

TEST_F(SelectUserTest, ASettingsFileThatCannotBeWrittenAtTheFirstStartIsToldAndTheProgramGoesOn) {
    CreateDirectoryA(Profiles().c_str(), nullptr);
    CreateDirectoryA((Profiles() + "\\.default.ini").c_str(), nullptr);   // where the file should go
    auto dialog = Create();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Ne peut écrire dans " + Profiles() + "\\.default.ini."});
    EXPECT_EQ(messages.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(IsWindow(dialog->Handle()));
    EXPECT_EQ(dialog->DossierProfils, Profiles());
}
