#include "ui/animate.h"
#include "ui/folder_controls.h"
#include "ui/form.h"
#include "ui/open_dialog.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <bitset>

using testing_support::LongPath;
using testing_support::TempFolder;

namespace {

struct Host : ui::Form {
    Host() { CreateForm("hôte", 300, 300, {}, false); }
};

}  // namespace

TEST(FolderControls, PathsSplitIntoTheirRootAndNames) {
    using V = std::vector<std::string>;
    EXPECT_EQ(ui::SplitFolderPath("C:\\A\\B"), (V{"C:\\", "A", "B"}));
    EXPECT_EQ(ui::SplitFolderPath("C:\\"), (V{"C:\\"}));
    EXPECT_EQ(ui::SplitFolderPath("C:\\A\\"), (V{"C:\\", "A"}));
    EXPECT_EQ(ui::SplitFolderPath("\\\\srv\\partage\\x"), (V{"\\\\srv\\partage\\", "x"}));
    EXPECT_EQ(ui::SplitFolderPath("relative"), V{});
}

TEST(FolderControls, TheFolderListRefusesAMissingFolderAndTellsEachChange) {
    TempFolder temp;
    temp.MakeFolder("un");
    Host host;
    ui::DirectoryListBox list(host, ui::Bounds(0, 0, 200, 200));
    int changes = 0;
    list.onChange = [&] { ++changes; };

    std::string root = LongPath(temp.Path());
    ASSERT_TRUE(list.SetDirectory(root + "\\"));
    EXPECT_EQ(list.Directory(), root);
    EXPECT_FALSE(list.SetDirectory(root + "\\absent"));
    EXPECT_EQ(list.Directory(), root);
    EXPECT_TRUE(list.SetDirectory(root));
    EXPECT_EQ(changes, 1);

    // Lines above the current one lead back up; the ones below go down.
    EXPECT_EQ(list.PathOfLine(list.CurrentLine() + 1), root + "\\un");
    EXPECT_EQ(list.PathOfLine(list.CurrentLine() - 1), root.substr(0, root.rfind('\\')));
    EXPECT_EQ(list.PathOfLine(0), root.substr(0, 3));

    SendMessageA(list.Handle(), LB_SETCURSEL, 0, 0);
    list.OpenSelected();
    EXPECT_EQ(list.Directory(), root.substr(0, 3));
    EXPECT_GT(list.LineCount(), 1);
}

TEST(FolderControls, TheDriveListHoldsEveryDriveOfTheMachine) {
    Host host;
    ui::DriveComboBox drives(host, ui::Bounds(0, 0, 180, 19));
    int count = static_cast<int>(SendMessageA(drives.Handle(), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(count, static_cast<int>(std::bitset<32>(GetLogicalDrives()).count()));
    EXPECT_TRUE(drives.SetDrive('c'));
    EXPECT_EQ(drives.Drive(), 'C');
    EXPECT_FALSE(drives.SetDrive('A'));   // Wine has no drive A
    EXPECT_EQ(drives.Drive(), 'C');
    // The closed box is as high as the form says.
    RECT box = drives.BoundsRect();
    EXPECT_EQ(box.bottom - box.top, 19);
}

TEST(OpenDialog, PassesItsSettingsAndReadsTheChosenFile) {
    ui::PlatformOverride restore;
    OPENFILENAMEA seen = {};
    std::string filter, initialName, extension;
    ui::platform().openFileDialog = [&](OPENFILENAMEA& ofn) {
        seen = ofn;
        extension = ofn.lpstrDefExt ? ofn.lpstrDefExt : "(none)";
        filter.assign(ofn.lpstrFilter, 40);
        initialName = ofn.lpstrFile;
        lstrcpyA(ofn.lpstrFile, "C:\\APPS\\RUN.BAT");
        ofn.nFilterIndex = 2;
        return true;
    };
    ui::OpenDialog dialog;
    dialog.title = "Sélection";
    dialog.filter = "Application|*.EXE|Traitement par lot|*.BAT";
    dialog.fileName = "*.exe";
    dialog.initialDir = "\\";
    dialog.defaultExt = "*.exe";
    ASSERT_TRUE(dialog.Execute(nullptr));
    EXPECT_EQ(extension, "exe") << "the system appends it as given";
    EXPECT_EQ(std::string(seen.lpstrTitle), "Sélection");
    EXPECT_EQ(filter, std::string("Application\0*.EXE\0Traitement par lot\0*.BAT\0\0", 40));
    EXPECT_EQ(initialName, "*.exe");
    EXPECT_EQ(std::string(seen.lpstrInitialDir), "\\");
    EXPECT_EQ(seen.nFilterIndex, 1u);
    EXPECT_EQ(seen.nMaxFile, static_cast<DWORD>(MAX_PATH));
    EXPECT_EQ(dialog.fileName, "C:\\APPS\\RUN.BAT");
    EXPECT_EQ(dialog.filterIndex, 2);

    ui::platform().openFileDialog = [](OPENFILENAMEA&) { return false; };
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.fileName, "C:\\APPS\\RUN.BAT");
}

TEST(Animate, FindsTheSystemsFindFileClip) {
    Host host;
    ui::Animate animate(host, ui::Bounds(0, 0, 40, 40), ui::CommonAvi::FindFile);
    EXPECT_TRUE(animate.Opened());
}
