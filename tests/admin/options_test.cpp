#include "admin/options.h"

#include "tests/admin/typing.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using namespace quorvel;
using testing_support::MessageRecorder;
using testing_support::TempFolder;
using velmora::SettingsFile;

namespace {

const char kCreated[] = "Création d'un nouveau fichier de paramétrage...";

class OptionsDialog : public testing::Test {
protected:
    ui::PlatformOverride restore;
    MessageRecorder messages;
    TempFolder profiles;
    TFOptions dialog;

    // Answers the colour dialog with a colour, or cancels it.
    void AnswerColor(std::optional<COLORREF> answer) {
        ui::platform().chooseColor = [this, answer](CHOOSECOLORA& cc) {
            asked.push_back(cc.rgbResult);
            EXPECT_EQ(cc.hwndOwner, dialog.Handle());
            if (answer) cc.rgbResult = *answer;
            return answer.has_value();
        };
    }
    std::vector<COLORREF> asked;
};

}  // namespace

TEST_F(OptionsDialog, AProfileWithoutSettingsGetsTheSevenKeysAndOneMessage) {
    std::string root = profiles / "JEAN";
    ChargeParametres(dialog, root, nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kCreated);

    SettingsFile file(root + ".ini");
    EXPECT_EQ(file.ReadString(velmora::kBackColor, ""), "8421376");
    EXPECT_EQ(file.ReadString(velmora::kTextBackColor, "absent"), "absent");
    EXPECT_EQ(file.ReadString(velmora::kBackImage, "absent"), "absent");

    EXPECT_TRUE(dialog.icovisible->Checked());
    EXPECT_TRUE(dialog.CloseWin->Checked());
    EXPECT_FALSE(dialog.diskA->Checked());
    EXPECT_FALSE(dialog.session->Checked());
    EXPECT_TRUE(dialog.transparent->Checked());
    EXPECT_EQ(dialog.DesktopColor->Text(), "8421376");
    EXPECT_EQ(dialog.Panel1->Color(), std::optional<COLORREF>(RGB(0, 128, 128)));
    EXPECT_EQ(dialog.TextColor->Text(), "16777215");
    EXPECT_EQ(dialog.Panel2->Color(), std::optional<COLORREF>(RGB(255, 255, 255)));
    EXPECT_EQ(dialog.TextBackColor->Text(), "");
    EXPECT_FALSE(dialog.Panel3->Color().has_value());

    ChargeParametres(dialog, root, nullptr);
    EXPECT_EQ(messages.shown.size(), 1u) << "the file exists now: no second message";
}

TEST_F(OptionsDialog, HexadecimalColourLoadsAsDecimal) {
    profiles.WriteFile("LUC.INI", "[BackGround]\r\nColor=0x808000\r\n[Taskbar]\r\nvisible=0\r\n");
    ChargeParametres(dialog, profiles / "LUC", nullptr);
    EXPECT_EQ(dialog.DesktopColor->Text(), "8421376");
    EXPECT_FALSE(dialog.icovisible->Checked()) << "a stored 0 unticks the box that starts ticked";
}

TEST_F(OptionsDialog, NothingOfTheProfileBeforeIsCarriedIntoTheNextSave) {
    profiles.WriteFile("ANNE.INI",
        "[BackGround]\r\nColor=255\r\nImage=C:\\Fonds\\Plage.bmp\r\n"
        "[Text]\r\nColor=65280\r\nBackGround=16711680\r\n[DiskA]\r\nVisible=1\r\n");
    profiles.WriteFile("BRUNO.INI", "[Windows]\r\nExit=1\r\n[Text]\r\nColor=0\r\n");
    ChargeParametres(dialog, profiles / "ANNE", nullptr);
    ASSERT_EQ(dialog.Panel4->Text(), "plage.bmp");
    ASSERT_EQ(dialog.TextBackColor->Text(), "16711680");

    ChargeParametres(dialog, profiles / "BRUNO", nullptr);
    EXPECT_EQ(dialog.DesktopColor->Text(), "");
    EXPECT_FALSE(dialog.Panel1->Color().has_value());
    EXPECT_EQ(dialog.NomImage->Text(), "");
    EXPECT_EQ(dialog.Panel4->Text(), "");
    EXPECT_EQ(dialog.TextColor->Text(), "0");
    EXPECT_EQ(dialog.TextBackColor->Text(), "");
    EXPECT_FALSE(dialog.diskA->Checked());

    SauveParametres(dialog, profiles / "BRUNO");
    SettingsFile bruno(profiles / "BRUNO.ini");
    EXPECT_EQ(bruno.ReadString(velmora::kTextBackColor, "absent"), "absent");
    EXPECT_EQ(bruno.ReadString(velmora::kBackColor, "absent"), "absent");
    EXPECT_EQ(bruno.ReadString(velmora::kBackImage, "absent"), "");
    EXPECT_EQ(bruno.ReadString(velmora::kDriveAVisible, ""), "0");
}

TEST_F(OptionsDialog, ClosingWithoutOkLeavesTheControlsThatAreSaved) {
    ChargeParametres(dialog, profiles / "JEAN", nullptr);
    ui::platform().showModal = [](ui::Form& form) {
        auto& options = dynamic_cast<TFOptions&>(form);
        SendMessageA(options.diskA->Handle(), BM_CLICK, 0, 0);
        PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
        ui::Application::Instance().ProcessMessages();
        return form.modalResult;
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    SauveParametres(dialog, profiles / "JEAN");
    EXPECT_EQ(SettingsFile(profiles / "JEAN.ini").ReadString(velmora::kDriveAVisible, ""), "1");
}

TEST_F(OptionsDialog, OkClosesWithResultOne) {
    ui::platform().showModal = [](ui::Form& form) {
        testing_support::PressKey(dynamic_cast<TFOptions&>(form).session->Handle(), VK_RETURN);
        return form.modalResult;
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
}

TEST_F(OptionsDialog, ColourButtonsStoreTheChosenColourAsDecimalText) {
    AnswerColor(RGB(255, 0, 0));
    dialog.SpeedButton1->Click();
    EXPECT_EQ(dialog.DesktopColor->Text(), "255");
    EXPECT_EQ(dialog.Panel1->Color(), std::optional<COLORREF>(RGB(255, 0, 0)));

    AnswerColor(RGB(0, 0, 255));
    dialog.SpeedButton4->Click();
    EXPECT_EQ(dialog.TextColor->Text(), "16711680");

    AnswerColor(RGB(0, 128, 0));
    dialog.SpeedButton5->Click();
    EXPECT_EQ(dialog.TextBackColor->Text(), "32768");
    EXPECT_EQ(dialog.Panel3->Color(), std::optional<COLORREF>(RGB(0, 128, 0)));

    SauveParametres(dialog, profiles / "MARC");
    SettingsFile file(profiles / "MARC.ini");
    EXPECT_EQ(file.ReadString(velmora::kBackColor, ""), "255");
    EXPECT_EQ(file.ReadString(velmora::kTextColor, ""), "16711680");
    EXPECT_EQ(file.ReadString(velmora::kTextBackColor, ""), "32768");
}

TEST_F(OptionsDialog, ACancelledColourDialogKeepsTheColourItOpenedOn) {
    dialog.DesktopColor->SetText("65535");
    AnswerColor(std::nullopt);
    dialog.SpeedButton1->Click();
    ASSERT_EQ(asked, (std::vector<COLORREF>{65535}));
    EXPECT_EQ(dialog.DesktopColor->Text(), "65535");
    EXPECT_EQ(dialog.Panel1->Color(), std::optional<COLORREF>(65535));
}

TEST_F(OptionsDialog, PictureChoiceShowsTheLowerCaseNameAndRemovalEmptiesBoth) {
    std::string chosen = "C:\\Images\\Fond d'ÉTÉ.BMP";
    ui::platform().openFileDialog = [&](OPENFILENAMEA& ofn) {
        EXPECT_STREQ(ofn.lpstrFile, "*.bmp");
        EXPECT_STREQ(ofn.lpstrInitialDir, ".");
        EXPECT_TRUE(ofn.Flags & OFN_NOCHANGEDIR);
        EXPECT_TRUE(ofn.Flags & OFN_FILEMUSTEXIST);
        EXPECT_EQ(std::string(ofn.lpstrFilter, 60),
                  std::string("Image bitmap Windows\0*.bmp\0Image vectorielle Windows\0*.wmf\0\0", 60));
        lstrcpynA(ofn.lpstrFile, chosen.c_str(), ofn.nMaxFile);
        return true;
    };
    dialog.SpeedButton2->Click();
    EXPECT_EQ(dialog.NomImage->Text(), chosen);
    EXPECT_EQ(dialog.Panel4->Text(), "fond d'été.bmp");

    ui::platform().openFileDialog = [](OPENFILENAMEA&) { return false; };
    dialog.SpeedButton2->Click();
    EXPECT_EQ(dialog.NomImage->Text(), chosen) << "a cancelled choice changes nothing";

    dialog.SpeedButton3->Click();
    EXPECT_EQ(dialog.NomImage->Text(), "");
    EXPECT_EQ(dialog.Panel4->Text(), "");
    profiles.WriteFile("ROSE.ini", "[BackGround]\r\nImage=C:\\ancienne.bmp\r\n");
    SauveParametres(dialog, profiles / "ROSE");
    EXPECT_EQ(SettingsFile(profiles / "ROSE.ini").ReadString(velmora::kBackImage, "absent"), "");
}

TEST_F(OptionsDialog, SettingsThatCannotBeWrittenStopTheSave) {
    EXPECT_THROW(SauveParametres(dialog, profiles / "absent\\JEAN"), EIniFileException);
    EXPECT_THROW(ChargeParametres(dialog, profiles / "absent\\JEAN", nullptr), EIniFileException);
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
    SetFocus(dialog.CloseWin->Handle());
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_F1;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    testing_support::Pump(100);
    dialog.Hide();
    EXPECT_EQ(topics, (std::vector<ULONG_PTR>{80}));
}
