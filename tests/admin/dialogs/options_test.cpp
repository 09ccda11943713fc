#include "admin/dialogs/options.h"

#include "tests/support/input.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quorvel;
using testing_support::MessageRecorder;
using testing_support::TempFolder;
using velmora::SettingsFile;
using Lines = std::vector<std::string>;

namespace {

// The non-empty lines of a file, in order: sections and keys as written.
Lines LinesOf(const std::string& path) {
    std::istringstream in(testing_support::ReadFile(path));
    Lines lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class OptionsDialog : public testing::Test {
protected:
    ui::PlatformOverride restore;
    MessageRecorder messages;
    TempFolder profiles;
    TFOptions dialog;
    std::vector<COLORREF> asked;   // the colours the colour dialog opened on

    void AnswerColor(std::optional<COLORREF> answer) {
        ui::platform().chooseColor = [this, answer](CHOOSECOLORA& cc) {
            asked.push_back(cc.rgbResult);
            if (answer) cc.rgbResult = *answer;
            return answer.has_value();
        };
    }
    std::string Read(const std::string& profile, const velmora::SettingKey& key) {
        return SettingsFile(profiles / (profile + ".ini")).ReadString(key, "absent");
    }
};

}  // namespace

TEST_F(OptionsDialog, AProfileWithoutSettingsGetsExactlyTheSevenKeysAndOneMessage) {
    ChargeParametres(dialog, profiles / "JEAN", nullptr);
    EXPECT_EQ(LinesOf(profiles / "JEAN.INI"),
              (Lines{"[Taskbar]", "visible=1", "[Windows]", "Exit=1", "Session=0", "[DiskA]", "Visible=0",
                     "[BackGround]", "Color=8421376", "[Text]", "Color=16777215", "Transparent=1"}));
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Création d'un nouveau fichier de paramétrage..."});
    EXPECT_EQ(dialog.Values(), (OptionValues{true, true, false, false, "8421376", "", "16777215", "", true}));
    EXPECT_EQ(dialog.Panel1.Color(), std::optional<COLORREF>(RGB(0, 128, 128)));
    EXPECT_FALSE(dialog.Panel3.Color().has_value());

    ChargeParametres(dialog, profiles / "JEAN", nullptr);
    EXPECT_EQ(messages.shown.size(), 1u) << "the file exists now: no second message";
}

TEST_F(OptionsDialog, SaveWritesTheNineKeysInOrderAndKeepsSkippedOnes) {
    dialog.SetValues({false, true, true, false, "255", "C:\\Fonds\\Plage.bmp", "16711680", "0", true});
    SauveParametres(dialog, profiles / "MARC");
    EXPECT_EQ(LinesOf(profiles / "MARC.ini"),
              (Lines{"[Taskbar]", "visible=0", "[Windows]", "Exit=1", "Session=0", "[DiskA]", "Visible=1",
                     "[BackGround]", "Color=255", "Image=C:\\Fonds\\Plage.bmp", "[Text]", "Color=16711680",
                     "BackGround=0", "Transparent=1"}));

    dialog.SetValues({});   // the initial state: colours skipped, the picture written empty
    SauveParametres(dialog, profiles / "MARC");
    EXPECT_EQ(Read("MARC", velmora::kBackColor), "255");
    EXPECT_EQ(Read("MARC", velmora::kTextBackColor), "0");
    EXPECT_EQ(Read("MARC", velmora::kBackImage), "");
    EXPECT_EQ(Read("MARC", velmora::kUnloadIconVisible), "1");
}

TEST_F(OptionsDialog, LoadTakesFlagsExactlyAndColoursOnlyWhenUsable) {
    profiles.WriteFile("LUC.INI",
        "[Taskbar]\r\nvisible=0\r\n[Windows]\r\nExit=2\r\nSession=1\r\n[DiskA]\r\nVisible=1\r\n"
        "[BackGround]\r\nColor=0x808000\r\nImage=C:\\FONDS\\Mer.BMP\r\n"
        "[Text]\r\nColor=bleu\r\nBackGround=-5\r\nTransparent=1\r\n");
    ChargeParametres(dialog, profiles / "LUC", nullptr);
    EXPECT_EQ(dialog.Values(), (OptionValues{false, false, true, true, "8421376", "C:\\FONDS\\Mer.BMP", "", "", true}))
        << "a stored 0 unticks the box that starts ticked; a flag of 2 is off";
    EXPECT_EQ(dialog.Panel4.Text(), "mer.bmp");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsDialog, SavingUnchangedOptionsKeepsWhatTheShellShows) {
    profiles.WriteFile("PAUL.INI", "[DiskA]\r\nVisible=1\r\n[Windows]\r\nSession=1\r\n");
    ChargeParametres(dialog, profiles / "PAUL", nullptr);
    SauveParametres(dialog, profiles / "PAUL");
    // The shell's defaults for the three flags that the file lacked: on.
    EXPECT_EQ(Read("PAUL", velmora::kUnloadIconVisible), "1");
    EXPECT_EQ(Read("PAUL", velmora::kExitAllowed), "1");
    EXPECT_EQ(Read("PAUL", velmora::kTextTransparent), "1");
    EXPECT_EQ(Read("PAUL", velmora::kDriveAVisible), "1");
    EXPECT_EQ(Read("PAUL", velmora::kSessionAllowed), "1");
}

TEST_F(OptionsDialog, NothingOfTheProfileBeforeIsCarriedIntoTheNextSave) {
    profiles.WriteFile("ANNE.INI", "[BackGround]\r\nColor=255\r\nImage=C:\\Plage.bmp\r\n"
                                   "[Text]\r\nColor=65280\r\nBackGround=16711680\r\n[DiskA]\r\nVisible=1\r\n");
    profiles.WriteFile("BRUNO.INI", "[Text]\r\nColor=0\r\n");
    ChargeParametres(dialog, profiles / "ANNE", nullptr);
    ChargeParametres(dialog, profiles / "BRUNO", nullptr);
    EXPECT_EQ(dialog.Values(), (OptionValues{true, true, false, false, "", "", "0", "", true}));
    EXPECT_EQ(dialog.Panel4.Text(), "");
    EXPECT_FALSE(dialog.Panel1.Color().has_value());

    SauveParametres(dialog, profiles / "BRUNO");
    EXPECT_EQ(Read("BRUNO", velmora::kTextBackColor), "absent");
    EXPECT_EQ(Read("BRUNO", velmora::kBackColor), "absent");
    EXPECT_EQ(Read("BRUNO", velmora::kBackImage), "");
}

TEST_F(OptionsDialog, ClosingWithoutOkLeavesTheControlsThatAreSaved) {
    testing_support::ModalScript script([](ui::Form& form) {
        SendMessageA(dynamic_cast<TFOptions&>(form).diskA.Handle(), BM_CLICK, 0, 0);
        PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
        ui::Application::Instance().ProcessMessages();
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    SauveParametres(dialog, profiles / "JEAN");
    EXPECT_EQ(Read("JEAN", velmora::kDriveAVisible), "1");

    script.script = [](ui::Form& form) {
        testing_support::PressKey(dynamic_cast<TFOptions&>(form).session.Handle(), VK_RETURN);
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk) << "Enter presses OK";
}

TEST_F(OptionsDialog, ColourButtonsStoreTheChosenColourAsDecimalText) {
    AnswerColor(RGB(255, 0, 0));
    dialog.SpeedButton1.Click();
    AnswerColor(RGB(0, 0, 255));
    dialog.SpeedButton4.Click();
    AnswerColor(RGB(0, 128, 0));
    dialog.SpeedButton5.Click();
    EXPECT_EQ(dialog.DesktopColor.Text(), "255");
    EXPECT_EQ(dialog.TextColor.Text(), "16711680");
    EXPECT_EQ(dialog.TextBackColor.Text(), "32768");
    EXPECT_EQ(dialog.Panel3.Color(), std::optional<COLORREF>(RGB(0, 128, 0)));

    AnswerColor(std::nullopt);
    dialog.SpeedButton4.Click();
    EXPECT_EQ(asked.back(), RGB(0, 0, 255)) << "the dialog opens on the current colour";
    EXPECT_EQ(dialog.TextColor.Text(), "16711680") << "a cancelled dialog keeps it";
}

TEST_F(OptionsDialog, PictureChoiceShowsTheLowerCaseNameAndRemovalEmptiesBoth) {
    std::string chosen = "C:\\Images\\Fond d'ÉTÉ.BMP";
    ui::platform().openFileDialog = [&](OPENFILENAMEA& ofn) {
        EXPECT_STREQ(ofn.lpstrFile, "*.bmp");
        lstrcpynA(ofn.lpstrFile, chosen.c_str(), ofn.nMaxFile);
        return true;
    };
    dialog.SpeedButton2.Click();
    EXPECT_EQ(dialog.NomImage.Text(), chosen);
    EXPECT_EQ(dialog.Panel4.Text(), "fond d'été.bmp");

    ui::platform().openFileDialog = [](OPENFILENAMEA&) { return false; };
    dialog.SpeedButton2.Click();
    EXPECT_EQ(dialog.NomImage.Text(), chosen) << "a cancelled choice changes nothing";

    dialog.SpeedButton3.Click();
    EXPECT_EQ(dialog.NomImage.Text(), "");
    EXPECT_EQ(dialog.Panel4.Text(), "");
}

TEST_F(OptionsDialog, SettingsThatCannotBeWrittenStopWithTheFileName) {
    std::string root = profiles / "absent\\JEAN";
    try {
        SauveParametres(dialog, root);
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Ne peut écrire dans " + root + ".ini");
    }
    EXPECT_THROW(ChargeParametres(dialog, root, nullptr), EIniFileException);
    EXPECT_TRUE(messages.shown.empty()) << "no creation message for a file that was not created";
}

TEST_F(OptionsDialog, F1OpensTheHelpTopicOfTheDialog) {
    std::vector<ULONG_PTR> topics;
    ui::platform().help = [&](HWND, const std::string&, UINT command, ULONG_PTR data) {
        if (command == HELP_CONTEXT) topics.push_back(data);
        return true;
    };
    dialog.Show();
    SetForegroundWindow(dialog.Handle());
    SetFocus(dialog.CloseWin.Handle());
    testing_support::PressRealKeys({VK_F1});
    testing_support::Pump(100);
    dialog.Hide();
    EXPECT_EQ(topics, (std::vector<ULONG_PTR>{80}));
}
