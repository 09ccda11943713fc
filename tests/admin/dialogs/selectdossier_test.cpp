#include "admin/dialogs/selectdossier.h"

#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using namespace quorvel;
using testing_support::CurrentFolder;
using testing_support::LongPath;
using testing_support::ModalScript;
using testing_support::TempFolder;

TEST(TSelectdossier, ShowingFitsTheWindowAroundTheListsAndSpacesTheButtons) {
    TSelectdossier dialog;
    ModalScript script([&](ui::Form& form) {
        RECT client = form.ClientRect();
        EXPECT_EQ(client.right, 193);
        EXPECT_EQ(client.bottom, 229);
        EXPECT_EQ(dialog.DriveComboBox1.BoundsRect().left, 5);
        EXPECT_EQ(dialog.DirectoryListBox1.BoundsRect().left, 5);
        EXPECT_EQ(dialog.BitBtn1.BoundsRect().left, 17);
        EXPECT_EQ(dialog.BitBtn2.BoundsRect().left, 104);
        EXPECT_EQ(dialog.BitBtn1.BoundsRect().top, 194);
        form.modalResult = ui::mrCancel;
    });
    dialog.ShowModal();
    EXPECT_EQ(script.shown, 1);
}

TEST(TSelectdossier, StartsAtTheCurrentFolderAndOpensAFolderOnEnter) {
    TempFolder temp;
    temp.MakeFolder("Jeux");
    temp.MakeFolder("apps");
    std::string hidden = temp.MakeFolder("cache");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    std::string start = LongPath(temp.Path());
    CurrentFolder current(start);

    TSelectdossier dialog;
    ui::DirectoryListBox& list = dialog.DirectoryListBox1;
    EXPECT_EQ(list.Directory(), start);
    EXPECT_EQ(dialog.DriveComboBox1.Drive(), start[0]);
    // The path from the root, then the sub-folders in order, hidden ones left out.
    int current_line = list.CurrentLine();
    ASSERT_EQ(list.LineCount(), current_line + 3);
    EXPECT_EQ(list.LineName(0), start.substr(0, 3));
    EXPECT_EQ(list.LineName(current_line + 1), "apps");
    EXPECT_EQ(list.LineName(current_line + 2), "Jeux");

    // Enter on a selected folder opens it instead of closing the dialog;
    // Escape then cancels.
    SendMessageA(list.Handle(), LB_SETCURSEL, current_line + 2, 0);
    PostMessageA(list.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(list.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(list.Directory(), start + "\\Jeux");
}

TEST(TSelectdossier, ADoubleClickOpensAFolderOfThePathAndOkReturnsIt) {
    TempFolder temp;
    temp.MakeFolder("a");
    std::string deep = temp.MakeFolder("a\\b");
    CurrentFolder current(LongPath(deep));

    TSelectdossier dialog;
    ui::DirectoryListBox& list = dialog.DirectoryListBox1;
    ModalScript script([&](ui::Form&) {
        int parent = list.CurrentLine() - 1;
        RECT item = {};
        SendMessageA(list.Handle(), LB_GETITEMRECT, parent, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM(item.left + 30, (item.top + item.bottom) / 2);
        SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
        SendMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
        dialog.BitBtn1.Click();
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(list.Directory(), LongPath(temp / "a"));
    // The process's current folder is left where it was.
    char now[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof now, now);
    EXPECT_EQ(LongPath(now), LongPath(deep));
}

TEST(TSelectdossier, ChoosingAnotherDriveMovesTheFolderListThere) {
    TSelectdossier dialog;
    char start = dialog.DriveComboBox1.Drive();
    // Another drive that the machine has (Wine has C: and Z:).
    char other = 0;
    DWORD drives = GetLogicalDrives();
    for (char d = 'C'; d <= 'Z' && !other; ++d) {
        char root[] = {d, ':', '\\', 0};
        if (d != start && (drives & (1u << (d - 'A'))) && GetDriveTypeA(root) == DRIVE_FIXED) other = d;
    }
    ASSERT_NE(other, 0);

    ModalScript script([&](ui::Form& form) {
        HWND combo = dialog.DriveComboBox1.Handle();
        char prefix[] = {static_cast<char>(other - 'A' + 'a'), ':', 0};
        LRESULT item = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
        SendMessageA(combo, CB_SETCURSEL, item, 0);
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        dialog.BitBtn1.Click();
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(dialog.DirectoryListBox1.Directory()[0], other);
    EXPECT_EQ(dialog.DriveComboBox1.Drive(), other);
}
