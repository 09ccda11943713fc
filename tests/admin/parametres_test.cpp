#include "admin/parametres.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace quorvel;
using testing_support::TempFolder;
using velmora::SettingsFile;

namespace {

// The non-empty lines of a file, in order: sections and keys as written.
std::vector<std::string> LinesOf(const std::string& path) {
    std::istringstream in(testing_support::ReadFile(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(Parametres, ANewFileGetsExactlyTheSevenKeysInOrder) {
    TempFolder dir;
    SettingsFile file(dir / "JEAN.INI");
    CreeParametres(file);
    EXPECT_EQ(LinesOf(file.Path()), (Lines{"[Taskbar]", "visible=1", "[Windows]", "Exit=1", "Session=0",
                                           "[DiskA]", "Visible=0", "[BackGround]", "Color=8421376", "[Text]",
                                           "Color=16777215", "Transparent=1"}));
}

TEST(Parametres, SaveWritesTheNineKeysInOrder) {
    TempFolder dir;
    SettingsFile file(dir / "marc.ini");
    OptionValues v{false, true, true, false, "255", "C:\\Images\\Fond.bmp", "16711680", "0", true};
    EcritParametres(file, v);
    EXPECT_EQ(LinesOf(file.Path()),
              (Lines{"[Taskbar]", "visible=0", "[Windows]", "Exit=1", "Session=0", "[DiskA]", "Visible=1",
                     "[BackGround]", "Color=255", "Image=C:\\Images\\Fond.bmp", "[Text]", "Color=16711680",
                     "BackGround=0", "Transparent=1"}));
}

TEST(Parametres, EmptyColoursAreSkippedAndTheirOldValuesKept) {
    TempFolder dir;
    std::string path = dir.WriteFile("paul.ini", "[Text]\r\nBackGround=255\r\n[BackGround]\r\nColor=42\r\n");
    EcritParametres(SettingsFile(path), OptionValues{});   // the initial state: no colour, no picture
    SettingsFile file(path);
    EXPECT_EQ(file.ReadString(velmora::kTextBackColor, "?"), "255");
    EXPECT_EQ(file.ReadString(velmora::kBackColor, "?"), "42");
    EXPECT_EQ(file.ReadString(velmora::kTextColor, "absent"), "absent");
    EXPECT_NE(testing_support::ReadFile(path).find("Image=\r\n"), std::string::npos)
        << "an empty picture is written as an empty value";
}

TEST(Parametres, LoadTakesFlagsExactlyAndColoursOnlyWhenUsable) {
    TempFolder dir;
    std::string path = dir.WriteFile("luc.ini",
        "[Taskbar]\r\nvisible=0\r\n[Windows]\r\nExit=2\r\nSession=1\r\n[DiskA]\r\nVisible=1\r\n"
        "[BackGround]\r\nColor=0x808000\r\nImage=C:\\fond.bmp\r\n"
        "[Text]\r\nColor=bleu\r\nBackGround=-5\r\nTransparent=1\r\n");
    OptionValues v = LitParametres(SettingsFile(path));
    EXPECT_EQ(v, (OptionValues{false, false, true, true, "8421376", "C:\\fond.bmp", "", "", true}));
}

TEST(Parametres, AnEmptyFileLoadsEveryBoxUnticked) {
    TempFolder dir;
    OptionValues v = LitParametres(SettingsFile(dir.WriteFile("vide.ini", "")));
    EXPECT_EQ(v, (OptionValues{false, false, false, false, "", "", "", "", false}));
}

TEST(Parametres, AFileThatCannotBeWrittenStopsWithItsName) {
    TempFolder dir;
    std::string path = dir / "absent\\JEAN.ini";
    try {
        EcritParametres(SettingsFile(path), OptionValues{});
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Ne peut écrire dans " + path);
    }
    EXPECT_THROW(CreeParametres(SettingsFile(path)), EIniFileException);
}
