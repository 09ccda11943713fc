#include "tests/shell/shell_fixture.h"
#include "tests/support/pixels.h"

#include "resources/resource_ids.h"
#include "shell/system_icons.h"
#include "ui/compat.h"

#include <cstdio>
#include <cstring>
#include <map>

using namespace dovrane;
using testing_support::IconPixels;
using shell_testing::ShellTest;

namespace {

// Label caption -> slot index, over the visible slots 1 to 23.
std::map<std::string, int> VisibleSlots(const TVantrel95& shell) {
    std::map<std::string, int> slots;
    for (int i = 1; i < kSlotCount; ++i)
        if (shell.ic[i]->Visible()) slots[shell.lb[i]->Caption()] = i;
    return slots;
}

}  // namespace

TEST_F(ShellTest, ShortcutsAndFoldersFillTheSlots) {
    std::string profile = MakeProfile("marc");
    MakeShortcut(profile, "Jeu", testing_support::SystemFile("winemine.exe"));
    MakeShortcut(profile, "Notes", testing_support::SystemFile("notepad.exe"));
    CreateDirectoryA((profile + "\\Outils").c_str(), nullptr);
    MakeShortcut(profile, "Mon.jeu", testing_support::SystemFile("winemine.exe"));
    testing_support::TempFolder::WriteAt(profile + "\\Dos.pif", std::string(545, '\0'));

    auto shell = MakeShell();
    shell->LoadProfile();
    auto slots = VisibleSlots(*shell);
    ASSERT_EQ(slots.size(), 5u);
    for (const char* label : {"Jeu", "Notes", "Outils", "Mon", "Dos"}) EXPECT_TRUE(slots.count(label)) << label;
    const Slot& outils = shell->Slots[slots["Outils"]];
    EXPECT_TRUE(outils.IsFolder);
    EXPECT_EQ(outils.Path, profile + "\\Outils");
    EXPECT_EQ(shell->Slots[slots["Jeu"]].Path, profile + "\\Jeu.lnk");
    EXPECT_FALSE(shell->Slots[slots["Jeu"]].IsFolder);
    EXPECT_EQ(shell->Slots[slots["Dos"]].Path, profile + "\\Dos.pif") << "the program information file itself";
    for (int i = 6; i < kSlotCount; ++i) {
        EXPECT_FALSE(shell->ic[i]->Visible());
        EXPECT_FALSE(shell->lb[i]->Visible());
    }
    EXPECT_EQ(shell->Text(), "Bureau de : marc");
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(current, profile.c_str());
}

TEST_F(ShellTest, IconsComeFromTheLinkTheTargetOrTheSystem) {
    std::string profile = MakeProfile("marc");
    MakeShortcut(profile, "Jeu", testing_support::SystemFile("winemine.exe"));
    MakeShortcut(profile, "Texte", profile + "\\lisez.txt");
    testing_support::TempFolder::WriteAt(profile + "\\Casse.lnk", std::string(300, 'x'));
    CreateDirectoryA((profile + "\\Outils").c_str(), nullptr);
    auto shell = MakeShell();
    shell->LoadProfile();
    auto slots = VisibleSlots(*shell);
    ASSERT_EQ(slots.size(), 4u);

    ui::IconHandle mine(velmora::ExtractFileIcon(testing_support::SystemFile("winemine.exe"), 0));
    ui::IconHandle program(ShellIcon(kGenericProgramIcon));
    ui::IconHandle folder(ShellIcon(kClosedFolderIcon));
    EXPECT_EQ(IconPixels(shell->ic[slots["Jeu"]]->Icon()), IconPixels(mine.get()))
        << "an empty icon location shows the target's first icon";
    EXPECT_EQ(IconPixels(shell->ic[slots["Texte"]]->Icon()), IconPixels(program.get()))
        << "a target without icons shows the generic program";
    EXPECT_EQ(IconPixels(shell->ic[slots["Casse"]]->Icon()), IconPixels(program.get()))
        << "a shortcut that cannot be read still gets an icon";
    EXPECT_EQ(IconPixels(shell->ic[slots["Outils"]]->Icon()), IconPixels(folder.get()));
    EXPECT_NE(IconPixels(program.get()), IconPixels(folder.get()));
}

TEST_F(ShellTest, IconsShowAHandOfTheSystemsOrOfTheProgramsOwn) {
    ASSERT_TRUE(ui::SystemHasHandCursor()) << "Windows 98, and the NT family from 2000 on";
    EXPECT_EQ(MakeShell()->ic[1]->cursor, LoadCursor(nullptr, IDC_HAND));
    EXPECT_TRUE(ui::OwnHandCursor(IDC_OWN_HAND)) << "for Windows 95 and NT 4";
}

TEST_F(ShellTest, AtMostTwentyThreeEntriesWhateverTheFolderHolds) {
    std::string profile = MakeProfile("marc");
    for (int i = 0; i < 500; ++i) CreateDirectoryA((profile + "\\d" + std::to_string(i)).c_str(), nullptr);
    auto shell = MakeShell();
    shell->LoadProfile();
    EXPECT_EQ(VisibleSlots(*shell).size(), 23u);
    EXPECT_TRUE(shell->ic[23]->Visible());
}

TEST_F(ShellTest, LongAndOddNamesGetTheirLabels) {
    std::string profile = MakeProfile("marc");
    std::string longName(200, 'a');
    MakeShortcut(profile, longName, testing_support::SystemFile("notepad.exe"));
    MakeShortcut(profile, "sanspoint", testing_support::SystemFile("notepad.exe"));
    std::rename((profile + "\\sanspoint.lnk").c_str(), (profile + "\\sanspoint").c_str());
    CreateDirectoryA((profile + "\\.cache").c_str(), nullptr);
    SetFileAttributesA((profile + "\\.cache").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    auto shell = MakeShell();
    shell->LoadProfile();
    auto slots = VisibleSlots(*shell);
    EXPECT_TRUE(slots.count(longName));
    EXPECT_EQ(slots.size(), 2u) << "sanspoint, without a dot, and the hidden folder, taken for a shortcut, "
                                   "are both labelled up to their first dot: nothing";
    EXPECT_FALSE(shell->Slots[slots[""]].IsFolder);
}

TEST_F(ShellTest, AUserWithoutAFolderGetsTheDefaultProfile) {
    std::string profile = MakeProfile(".default");
    MakeShortcut(profile, "Notes", testing_support::SystemFile("notepad.exe"));
    user = "jean";
    auto shell = MakeShell();
    shell->LoadProfile();
    EXPECT_EQ(shell->Text(), "Bureau de : .Default");
    EXPECT_EQ(shell->ProfileName, ".Default");
    EXPECT_EQ(VisibleSlots(*shell).count("Notes"), 1u);
    user.reset();
    auto again = MakeShell();
    shell.reset();
    again = MakeShell();
    again->LoadProfile();
    EXPECT_EQ(again->ProfileName, ".default") << "no user name: the default profile by its own name";
    user = "";
    again.reset();
    again = MakeShell();
    again->LoadProfile();
    EXPECT_EQ(again->ProfileName, ".default") << "an empty name is no name, not the profiles folder";
}

TEST_F(ShellTest, WithoutSettingsTheDefaultsApply) {
    MakeProfile("marc");
    auto shell = MakeShell();
    shell->LoadProfile();
    EXPECT_EQ(shell->Color(), velmora::kTeal);
    EXPECT_TRUE(shell->UnloadIconWanted);
    EXPECT_TRUE(shell->ExitAllowed);
    EXPECT_FALSE(shell->SessionAllowed);
    EXPECT_FALSE(shell->ic[0]->Visible());
    EXPECT_FALSE(shell->lb[0]->Visible());
    for (const auto& label : shell->lb) {
        EXPECT_EQ(label->FontColor(), velmora::kWhite);
        EXPECT_TRUE(label->Transparent());
    }
    EXPECT_FALSE(shell->BackBitmap);
}

TEST_F(ShellTest, ColoursThatAreNoColoursGiveTheDefaults) {
    MakeProfile("marc");
    Settings("marc", "[BackGround]\r\nColor=-1\r\n[Text]\r\nColor=-16777216\r\nBackGround=$7F000000\r\n");
    auto shell = MakeShell();
    shell->LoadProfile();
    EXPECT_EQ(shell->Color(), velmora::kTeal);
    EXPECT_EQ(shell->lb[1]->FontColor(), velmora::kWhite) << "the labels stay readable";
    EXPECT_EQ(shell->lb[1]->Color(), velmora::kTeal);
}

TEST_F(ShellTest, SettingsGiveColoursFlagsAndDriveA) {
    MakeProfile("marc");
    Settings("marc", "[BackGround]\r\nColor=0x0000FF\r\n[Text]\r\nColor=255\r\nBackGround=65280\r\n"
                     "transparent=0\r\n[DiskA]\r\nVisible=1\r\n[Windows]\r\nSession=1\r\nExit=2\r\n"
                     "[Taskbar]\r\nvisible=0\r\n");
    auto shell = MakeShell();
    shell->LoadProfile();
    EXPECT_EQ(shell->Color(), RGB(255, 0, 0));
    EXPECT_TRUE(shell->ic[0]->Visible());
    EXPECT_TRUE(shell->lb[0]->Visible());
    EXPECT_EQ(shell->lb[0]->Caption(), "Disquette A");
    EXPECT_TRUE(shell->SessionAllowed);
    EXPECT_FALSE(shell->ExitAllowed) << "a flag of 2 is off";
    EXPECT_FALSE(shell->UnloadIconWanted);
    for (const auto& label : shell->lb) {
        EXPECT_EQ(label->FontColor(), RGB(255, 0, 0));
        EXPECT_EQ(label->Color(), RGB(0, 255, 0));
        EXPECT_FALSE(label->Transparent());
    }
    EXPECT_EQ(shell->Slots[0].Path, "A:");
}

namespace {

// A 100 x 80 bitmap file whose top-left pixel alone is red.
std::string WriteMarkedBitmap(const testing_support::TempFolder& dir) {
    return dir.WriteFile("fond.bmp", testing_support::BitmapFile(100, 80, [](int x, int y) {
        return x == 0 && y == 0 ? RGB(255, 0, 0) : RGB(0x80, 0x80, 0x80);
    }));
}

struct PaintProbe : TVantrel95 {
    using TVantrel95::FormPaint;
};

}  // namespace

TEST_F(ShellTest, TheBackgroundPictureIsTiledNeverStretched) {
    MakeProfile("marc");
    Settings("marc", "[BackGround]\r\nImage=" + WriteMarkedBitmap(windows) + "\r\n");
    PaintProbe shell;
    shell.LoadProfile();
    ASSERT_TRUE(shell.BackBitmap);
    SetWindowPos(shell.Handle(), nullptr, 0, 0, 800, 572, SWP_NOZORDER | SWP_NOACTIVATE);
    testing_support::Canvas canvas(800, 572);
    shell.FormPaint(canvas.dc());
    int across = 0, down = 0;
    for (int x = 0; x < 800; ++x) across += canvas.At(x, 0) == RGB(255, 0, 0);
    for (int y = 0; y < 572; ++y) down += canvas.At(0, y) == RGB(255, 0, 0);
    EXPECT_EQ(across, 8) << "columns at 0, 100 ... 700; the ninth is cut at 800";
    EXPECT_EQ(down, 8) << "rows at 0, 80 ... 560";
    EXPECT_EQ(canvas.At(799, 571), RGB(0x80, 0x80, 0x80)) << "the last, cut column and row are drawn";
}

TEST_F(ShellTest, PicturesThatTheSystemShowsAreShownAsStored) {
    MakeProfile("marc");
    std::string whole = testing_support::ReadFile(WriteMarkedBitmap(windows));
    auto put = [](std::string b, size_t at, int32_t v) { return std::memcpy(b.data() + at, &v, 4), b; };
    auto palette = [&](int32_t colours, int32_t early) {   // the pixels start `early` bytes into it
        return put(put(whole, 46, colours), 10, 54 + 4 * colours - early).insert(54, 4 * colours - early, '\0');
    };
    // Rows from the top (the mark at the bottom); palettes that 24 bits do not need, one of 300 colours.
    using Case = std::pair<std::string, int>;
    for (auto [bytes, y] : {Case{put(whole, 22, -80), 79}, Case{palette(16, 0), 0}, Case{palette(300, 0), 0},
                            Case{palette(16, 8), -1}}) {
        Settings("marc", "[BackGround]\r\nImage=" + windows.WriteFile("fond.bmp", bytes) + "\r\n");
        auto shell = MakeShell();
        shell->LoadProfile();
        ASSERT_EQ(bool(shell->BackBitmap), y >= 0);
        ui::MemoryDC dc(nullptr);
        ui::SelectObjectScope select(dc.get(), shell->BackBitmap.get());
        EXPECT_TRUE(y < 0 || GetPixel(dc.get(), 0, y) == RGB(255, 0, 0)) << bytes.size();
    }
}

TEST_F(ShellTest, APictureThatIsNoWholeBitmapIsIgnored) {
    MakeProfile("marc");
    std::string whole = testing_support::ReadFile(WriteMarkedBitmap(windows));
    std::string lying = whole;
    lying[18] = '\x7F';   // a width of 127 pixels, in a file made for 100
    std::string huge = whole;
    huge.replace(18, 8, "\xFF\xFF\xFF\x7F\xFF\xFF\xFF\x7F");   // 2^31 - 1 pixels each way
    for (const std::string& bytes : {std::string("pas une image"), whole.substr(0, whole.size() - 1), lying, huge}) {
        Settings("marc", "[BackGround]\r\nImage=" + windows.WriteFile("faux.bmp", bytes) + "\r\n");
        auto shell = MakeShell();
        shell->LoadProfile();
        EXPECT_FALSE(shell->BackBitmap) << "the desktop keeps its colour rather than black: " << bytes.size();
        EXPECT_EQ(shell->Color(), velmora::kTeal);
    }
    EXPECT_TRUE(messages.shown.empty());
}
