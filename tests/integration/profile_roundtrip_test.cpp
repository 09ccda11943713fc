// A desktop profile configured through the administration program's own code
// loads in the shell with what the administrator chose.
#include "admin/dialogs/options.h"
#include "shared/ansi_text.h"
#include "shared/profile_store.h"
#include "shared/registry.h"
#include "shell/vantrel95.h"
#include "tests/support/pixels.h"
#include "tests/support/shortcut_file.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using testing_support::TempFolder;

namespace {

std::string WriteBitmap(const TempFolder& dir) {
    return dir.WriteFile("fond.bmp", testing_support::BitmapFile(8, 8, [](int, int) { return RGB(0x40, 0x40, 0x40); }));
}

}  // namespace

TEST(ProfileRoundTrip, WhatTheAdministratorChoseIsWhatTheUserSees) {
    ui::PlatformOverride restore;
    testing_support::MessageRecorder messages;
    TempFolder windows;
    ui::platform().windowsDir = [&] { return windows.Path(); };
    ui::platform().userName = [] { return std::optional<std::string>("marc"); };
    std::string profiles = velmora::ProfilesFolder(windows.Path());
    CreateDirectoryA(profiles.c_str(), nullptr);
    std::string root = profiles + "\\MARC";
    CreateDirectoryA(root.c_str(), nullptr);
    auto vendor = velmora::RegistryKey::Create(HKEY_CURRENT_USER, velmora::kVendorKey);
    bool hadPassword = vendor.HasValue(velmora::kPasswordValue);
    if (!hadPassword) vendor.WriteString(velmora::kPasswordValue, velmora::PaddedPassword("x"));

    testing_support::WriteShortcut(root + "\\Notes", "C:\\windows\\notepad.exe");

    quorvel::TFOptions options;
    quorvel::OptionValues chosen = {false, false, true, true, std::to_string(RGB(10, 20, 30)),
                                    WriteBitmap(windows), std::to_string(RGB(255, 255, 0)),
                                    std::to_string(RGB(0, 0, 128)), false};
    options.SetValues(chosen);
    quorvel::SauveParametres(options, velmora::UpperCase(root));

    dovrane::TVantrel95 shell;
    shell.LoadProfile();
    EXPECT_EQ(shell.Text(), "Bureau de : marc") << "the folder's case does not matter";
    EXPECT_EQ(shell.Color(), RGB(10, 20, 30));
    EXPECT_TRUE(shell.BackBitmap);
    EXPECT_FALSE(shell.UnloadIconWanted);
    EXPECT_FALSE(shell.ExitAllowed);
    EXPECT_TRUE(shell.SessionAllowed);
    EXPECT_TRUE(shell.ic[0]->Visible()) << "drive A";
    EXPECT_EQ(shell.lb[1]->Caption(), "Notes");
    EXPECT_EQ(shell.lb[1]->FontColor(), RGB(255, 255, 0));
    EXPECT_EQ(shell.lb[1]->Color(), RGB(0, 0, 128));
    EXPECT_FALSE(shell.lb[1]->Transparent());
    if (!hadPassword) vendor.DeleteValue(velmora::kPasswordValue);
}
