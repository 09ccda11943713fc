#include "shared/profile_store.h"

#include "shared/registry.h"
#include "tests/support/saved_value.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using namespace velmora;
using testing_support::TempFolder;

TEST(SettingInteger, ReadsDecimalAndBothHexadecimalSpellings) {
    EXPECT_EQ(ParseSettingInteger("8421376", 1), 8421376);
    EXPECT_EQ(ParseSettingInteger("0x808000", 1), 8421376);
    EXPECT_EQ(ParseSettingInteger("0X808000", 1), 8421376);
    EXPECT_EQ(ParseSettingInteger("$808000", 1), 8421376);
    EXPECT_EQ(ParseSettingInteger("-12", 1), -12);
    EXPECT_EQ(ParseSettingInteger("$FFFFFFFF", 1), -1);
}

TEST(SettingInteger, UnreadableTextGivesTheDefault) {
    for (const char* junk : {"", "teal", "0x", "$", "12abc", "0x80800G", "99999999999", "1.5", "0x100000000"})
        EXPECT_EQ(ParseSettingInteger(junk, 77), 77) << junk;
}

TEST(SettingsFile, MissingFileAndKeysGiveTheShellDefaults) {
    TempFolder dir;
    SettingsFile settings(dir / "absent.ini");
    EXPECT_EQ(settings.ReadInteger(kBackColor, kTeal), static_cast<int>(kTeal));
    EXPECT_TRUE(settings.ReadFlag(kExitAllowed, 1));
    EXPECT_FALSE(settings.ReadFlag(kDriveAVisible, 0));
    EXPECT_EQ(settings.ReadString(kBackImage, ""), "");
}

TEST(SettingsFile, ReadsNumbersFlagsAndJunkAsWritten) {
    TempFolder dir;
    std::string path = dir.WriteFile("marc.ini",
        "[BackGround]\r\nColor=0x808000\r\nImage=C:\\fond.bmp\r\n"
        "[Text]\r\nColor=blanc\r\n"
        "[Windows]\r\nExit=2\r\nSession=1\r\n"
        "[TASKBAR]\r\nVISIBLE=1\r\n");
    SettingsFile settings(path);
    EXPECT_EQ(settings.ReadInteger(kBackColor, 0), 8421376);
    EXPECT_EQ(settings.ReadString(kBackImage, ""), "C:\\fond.bmp");
    EXPECT_EQ(settings.ReadInteger(kTextColor, static_cast<int>(kWhite)), static_cast<int>(kWhite));
    EXPECT_FALSE(settings.ReadFlag(kExitAllowed, 1)) << "a flag of 2 is off";
    EXPECT_TRUE(settings.ReadFlag(kSessionAllowed, 0));
    EXPECT_TRUE(settings.ReadFlag({"taskbar", "visible"}, 0)) << "sections and keys ignore case";
}

TEST(SettingsFile, AFileOfGarbageReadsAsDefaults) {
    TempFolder dir;
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 37) % 251 + 1);
    SettingsFile settings(dir.WriteFile("junk.ini", junk));
    EXPECT_EQ(settings.ReadInteger(kBackColor, kTeal), static_cast<int>(kTeal));
    EXPECT_TRUE(settings.ReadFlag({"taskbar", "visible"}, 1));
}

TEST(SettingsFile, WritesDecimalText) {
    TempFolder dir;
    SettingsFile settings(dir / "w.ini");
    ASSERT_TRUE(settings.WriteInteger(kBackColor, 8421376));
    EXPECT_NE(testing_support::ReadFile(settings.Path()).find("Color=8421376"), std::string::npos);
}

TEST(ProfileResolution, UserFolderOrTheDefaultProfile) {
    TempFolder profiles;
    profiles.MakeFolder("marc");
    EXPECT_EQ(ResolveProfileName(std::string("marc"), profiles.Path()), "marc");
    EXPECT_EQ(ResolveProfileName(std::string("MARC"), profiles.Path()), "MARC") << "names ignore case";
    EXPECT_EQ(ResolveProfileName(std::string("jean"), profiles.Path()), ".Default");
    EXPECT_EQ(ResolveProfileName(std::nullopt, profiles.Path()), ".Default");
    profiles.MakeFolder(".default");
    EXPECT_EQ(ResolveProfileName(std::nullopt, profiles.Path()), ".default");
    profiles.WriteFile("paul", "a file, not a profile");
    EXPECT_EQ(ResolveProfileName(std::string("paul"), profiles.Path()), ".Default");
}

TEST(ProfileStore, PathsOfProfilesAndSettings) {
    EXPECT_EQ(ProfilesFolder("C:\\WINDOWS"), "C:\\WINDOWS\\velmo");
    EXPECT_EQ(ProfileFolder("C:\\WINDOWS\\velmo", "marc"), "C:\\WINDOWS\\velmo\\marc");
    EXPECT_EQ(SettingsFileOf("C:\\WINDOWS\\velmo", "marc"), "C:\\WINDOWS\\velmo\\marc.ini");
}

TEST(ProfilesLocation, OnlyAFullPathNamesASharedFolder) {
    EXPECT_EQ(ProfilesLocation("\\\\SERVEUR\\VELMORA\\SALLE 2\\"), "\\\\SERVEUR\\VELMORA\\SALLE 2");
    EXPECT_EQ(ProfilesLocation("n:\\"), "n:");
    EXPECT_EQ(ProfilesLocation("N:\\" + std::string(117, 'x')).size(), kMaxProfilesLocation);
    for (std::string odd : std::vector<std::string>{"", "velmo", "N:VELMORA", "\\\\SERVEUR\\", "\\\\\\VELMORA", "\\\\S\\V\\..\\X", "N:\\A\\\\B",
                            "N:\\A \\B", "N:\\A*", "//S/V", "1:\\A", "N:\\" + std::string(118, 'x')})
        EXPECT_EQ(ProfilesLocation(odd), "") << odd;
}

TEST(ProfilesLocation, TheMachineValueOrTheLocalFolder) {
    testing_support::SavedValue saved(HKEY_LOCAL_MACHINE, kVendorKey, kProfilesLocationValue);
    ASSERT_TRUE(SetSharedProfilesFolder("\\\\SERVEUR\\VELMORA"));
    EXPECT_EQ(EditedProfilesFolder("C:\\WINDOWS"), "\\\\SERVEUR\\VELMORA");
    auto key = RegistryKey::Create(HKEY_LOCAL_MACHINE, kVendorKey);
    key.WriteString(kProfilesLocationValue, "velmo");
    EXPECT_EQ(EditedProfilesFolder("C:\\WINDOWS"), "C:\\WINDOWS\\velmo") << "an odd value is no place";
    key.WriteDword(kProfilesLocationValue, 1);
    EXPECT_EQ(SharedProfilesFolder(), "");
    ASSERT_TRUE(SetSharedProfilesFolder(""));
    EXPECT_FALSE(key.HasValue(kProfilesLocationValue));
}

TEST(ProfileStore, TemporaryShortcutNamesAndProfileFolders) {
    EXPECT_EQ(TemporaryLinkName(0x12A2B), "~vlm2A2B.lnk");
    EXPECT_TRUE(IsTemporaryLinkName("~VLM00ff.LNK"));
    for (const char* name : {"~vlm12345.lnk", "~vlmXYZW.lnk", "~vlm1234.pif", "Jeu.lnk"}) EXPECT_FALSE(IsTemporaryLinkName(name));
    TempFolder profiles;
    for (const char* name : {"marc", "cache"}) profiles.MakeFolder(name);
    SetFileAttributesA((profiles / "cache").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    profiles.WriteFile("marc.ini", "");
    EXPECT_EQ(ProfileNames(profiles.Path()), std::vector<std::string>{"marc"});
}

TEST(Password, StoredPaddedToTenPositions) {
    EXPECT_EQ(PaddedPassword("abc"), "abc       ");
    EXPECT_EQ(PaddedPassword(""), std::string(10, ' '));
    EXPECT_EQ(PaddedPassword("abcdefghij"), "abcdefghij");
    EXPECT_NE(PaddedPassword("ABC"), PaddedPassword("abc"));
}
