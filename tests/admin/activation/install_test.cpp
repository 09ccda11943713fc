#include "admin/activation/install.h"

#include "tests/support/input.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace quorvel;
using testing_support::MessageRecorder;
using testing_support::PressKey;
using testing_support::Type;

namespace {

const char kNotConfirmed[] = "Mot de passe non confirmé...";

// Shows the dialog modally and runs the scripted user on it while it is open;
// answers the modal result and what MDP1 held when the dialog closed.
class PasswordDialog : public testing::Test {
protected:
    MessageRecorder messages;
    TFInstall dialog;
    std::string password;

    int Run(std::function<void(TFInstall&)> user) {
        testing_support::ModalScript script([&](ui::Form&) {
            user(dialog);
            password = dialog.MDP1.MaskText();
        });
        return dialog.ShowModal();
    }
};

}  // namespace

TEST_F(PasswordDialog, ThreeLowerCaseLettersTypedTwiceArePaddedToTen) {
    int result = Run([](TFInstall& d) {
        EXPECT_EQ(GetFocus(), d.MDP1.Handle()) << "the first field has the focus";
        Type(d.MDP1.Handle(), "abc");
        Type(d.MDP2.Handle(), "abc");
        EXPECT_EQ(d.MDP1.Text(), "###_______");
        PressKey(d.MDP2.Handle(), VK_RETURN);   // OK is the default button
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(password, "abc       ");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PasswordDialog, AnEmptyFirstFieldIsRefusedWithoutAWord) {
    int result = Run([](TFInstall& d) {
        Type(d.MDP2.Handle(), "abc");
        d.BOK.Click();
        EXPECT_EQ(d.modalResult, ui::mrNone);
        EXPECT_EQ(d.MDP2.MaskText(), "abc       ") << "nothing is emptied";
        // Enter leaves the focus in the field: the next letters are typed
        // there, not taken for the buttons' accelerators ("a" cancels).
        d.MDP1.SetFocus();
        PressKey(d.MDP1.Handle(), VK_RETURN);
        EXPECT_EQ(GetFocus(), d.MDP1.Handle());
        Type(GetFocus(), "ao");
        EXPECT_EQ(d.modalResult, ui::mrNone);
        EXPECT_EQ(d.MDP1.MaskText(), "ao        ");
        d.BCancel.Click();
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PasswordDialog, AMismatchEmptiesBothFieldsAndStartsAgain) {
    int result = Run([this](TFInstall& d) {
        for (const char* confirmation : {"", "ABC", "abcd"}) {
            Type(d.MDP1.Handle(), "abc");
            Type(d.MDP2.Handle(), confirmation);
            SetFocus(d.MDP2.Handle());
            d.BOK.Click();
            EXPECT_EQ(d.modalResult, ui::mrNone) << confirmation;
            EXPECT_EQ(d.MDP1.MaskText(), std::string(10, ' '));
            EXPECT_EQ(d.MDP2.MaskText(), std::string(10, ' '));
            EXPECT_EQ(GetFocus(), d.MDP1.Handle());
        }
        ASSERT_EQ(messages.shown.size(), 3u);
        EXPECT_EQ(messages.shown[0].text, kNotConfirmed);
        PressKey(d.MDP1.Handle(), VK_ESCAPE);
    });
    EXPECT_EQ(result, ui::mrCancel);
}

TEST_F(PasswordDialog, TenLettersOrDigitsAndNothingElse) {
    Run([](TFInstall& d) {
        Type(d.MDP1.Handle(), "a1 -_.#é");
        EXPECT_EQ(d.MDP1.MaskText(), "a1é       ") << "letters and digits only";
        d.MDP1.Clear();
        Type(d.MDP1.Handle(), "Zz09876543X");
        EXPECT_EQ(d.MDP1.MaskText(), "Zz09876543") << "an eleventh character is refused";
        Type(d.MDP2.Handle(), "Zz09876543");
        d.BOK.Click();
    });
    EXPECT_EQ(password, "Zz09876543");
    EXPECT_EQ(dialog.modalResult, ui::mrOk);
}
