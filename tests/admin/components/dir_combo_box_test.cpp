#include "admin/components/dir_combo_box.h"
#include "admin/components/file_list_view.h"

#include "tests/support/pixels.h"
#include "tests/support/test_folder.h"
#include "ui/form.h"
#include "ui/handles.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using quorvel::TLsDirComboBox;
using quorvel::TLsFileListView;
using testing_support::MessageRecorder;
using testing_support::TempFolder;

namespace {

class DirComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateForm("Dossiers", 400, 300, {}, true);
        combo = std::make_unique<TLsDirComboBox>(form, ui::Bounds(0, 0, 300, 200));
    }

    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (int i = 0; i < combo->Count(); ++i) items.push_back(combo->Item(i));
        return items;
    }
    // "0:Drives", then every drive, with the given items right after the
    // drive named by their path.
    static std::vector<std::string> Expected(char drive, const std::vector<std::string>& levels,
                                             const std::string& driveItem) {
        std::vector<std::string> items = {"0:Drives"};
        DWORD drives = GetLogicalDrives();
        for (int d = 0; d < 26; ++d) {
            if (!(drives & (1u << d))) continue;
            char letter = static_cast<char>('A' + d);
            items.push_back(letter == drive ? driveItem : std::string("1:") + letter + ":\\");
            if (letter == drive) items.insert(items.end(), levels.begin(), levels.end());
        }
        return items;
    }
    // What the combo tells its parent when the user picks an item.
    void Pick(int index) {
        combo->Select(index);
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->Handle()));
    }
    int Find(const std::string& item) const {
        std::vector<std::string> items = Items();
        auto it = std::find(items.begin(), items.end(), item);
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }

    TempFolder temp;
    testing_support::CurrentFolder current;
    ui::Form form;
    std::unique_ptr<TLsDirComboBox> combo;
};

TEST_F(DirComboBoxTest, ItemsShowTheChainOfFoldersOfTheDisplayedPath) {
    combo->SetPath("C:\\A\\B");
    EXPECT_EQ(combo->DisplayedPath(), "C:\\A\\B\\");
    EXPECT_EQ(Items(), Expected('C', {"2:C:\\A\\", "T3:C:\\A\\B\\"}, "1:C:\\"));
    EXPECT_EQ(combo->Item(combo->Selected()), "T3:C:\\A\\B\\");

    combo->SetPath("C:\\");
    EXPECT_EQ(Items(), Expected('C', {}, "T1:C:\\"));
    EXPECT_EQ(combo->Item(combo->Selected()), "T1:C:\\");

    combo->SetPath("");   // ignored
    EXPECT_EQ(combo->DisplayedPath(), "C:\\");
}

TEST_F(DirComboBoxTest, CreationStartsFromTheCurrentFolder) {
    std::string sub = temp.MakeFolder("start");
    SetCurrentDirectoryA(sub.c_str());
    TLsDirComboBox fresh(form, ui::Bounds(0, 0, 300, 200));
    EXPECT_EQ(fresh.Drive(), static_cast<char>(tolower(sub[0])));
    EXPECT_EQ(fresh.DisplayedPath(), temp.Path() + "\\");
    EXPECT_EQ(fresh.Item(fresh.Selected()).substr(0, 1), "T");
}

TEST_F(DirComboBoxTest, PickingAFolderMovesTheLinkedList) {
    std::string a = temp.MakeFolder("A");
    std::string b = temp.MakeFolder("A\\B");
    temp.WriteFile("A\\in_a.txt", "");
    TLsFileListView list(form, ui::Bounds(0, 0, 300, 200));
    combo->SetFileList(&list);
    EXPECT_EQ(list.DirCombo(), combo.get());
    combo->SetSelectedDir(b);
    EXPECT_EQ(combo->SelectedDir(), b + "\\");
    EXPECT_EQ(list.Directory(), b);
    EXPECT_EQ(list.Count(), 0);

    int changes = 0, clicks = 0;
    combo->OnChange = [&](TLsDirComboBox& sender) {
        EXPECT_EQ(&sender, combo.get());
        ++changes;
    };
    combo->onClick = [&] { ++clicks; };
    Pick(Find(std::to_string(std::count(a.begin(), a.end(), '\\') + 1) + ":" + a + "\\"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->SelectedDir(), a + "\\");
    EXPECT_EQ(combo->DisplayedPath(), a + "\\");
    EXPECT_EQ(list.Directory(), a);
    EXPECT_EQ(list.Count(), 2);   // b and in_a.txt
    EXPECT_EQ(combo->Item(combo->Selected()).substr(0, 1), "T");
}

TEST_F(DirComboBoxTest, AFolderThatWentAwayIsRefused) {
    std::string gone = temp.MakeFolder("gone");
    combo->SetPath(gone);
    int item = combo->Selected();
    std::string text = combo->Item(item).substr(1);
    RemoveDirectoryA(gone.c_str());

    MessageRecorder messages;
    int changes = 0;
    combo->OnChange = [&](TLsDirComboBox&) { ++changes; };
    Pick(item);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"No Access to " + gone + "\\ ."});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo->Item(combo->Selected()), "T" + text);   // rebuilt as it was
}

TEST_F(DirComboBoxTest, PickingDrivesIsSafeAndLeavesTheListAlone) {
    TLsFileListView list(form, ui::Bounds(0, 0, 300, 200));
    list.SetDirCombo(combo.get());
    EXPECT_EQ(combo->FileList(), &list);
    combo->SetSelectedDir(temp.Path());
    int changes = 0;
    combo->OnChange = [&](TLsDirComboBox&) { ++changes; };
    Pick(0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->DisplayedPath(), "Drives");
    EXPECT_EQ(combo->SelectedDir(), "");
    EXPECT_EQ(combo->Item(0), "T0:Drives");
    EXPECT_EQ(combo->Selected(), 0);
    EXPECT_EQ(list.Directory(), temp.Path());

    // Painting every item, the "Drives" one included, in the box and dropped.
    combo->Select(1);
    SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    UpdateWindow(combo->Handle());
    SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(DirComboBoxTest, TheDriveFollowsWhatIsAssigned) {
    combo->SetDrive('C');
    EXPECT_EQ(combo->Drive(), 'c');
    combo->SetDrive(0);
    EXPECT_EQ(combo->Drive(), 0);
    EXPECT_EQ(combo->Selected(), -1);
}

TEST_F(DirComboBoxTest, LinksStaySymmetricAndDieWithEitherSide) {
    auto list = std::make_unique<TLsFileListView>(form, ui::Bounds(0, 0, 300, 200));
    TLsDirComboBox second(form, ui::Bounds(0, 0, 300, 200));
    combo->SetFileList(list.get());
    list->SetDirCombo(&second);
    EXPECT_EQ(second.FileList(), list.get());
    EXPECT_EQ(combo->FileList(), nullptr);
    list.reset();
    EXPECT_EQ(second.FileList(), nullptr);

    list = std::make_unique<TLsFileListView>(form, ui::Bounds(0, 0, 300, 200));
    {
        TLsDirComboBox third(form, ui::Bounds(0, 0, 300, 200));
        third.SetFileList(list.get());
        EXPECT_EQ(list->DirCombo(), &third);
    }
    EXPECT_EQ(list->DirCombo(), nullptr);
}

}  // namespace

namespace {

// The pixels of a 20 x 20 picture painted by draw on a window-coloured ground.
std::vector<COLORREF> Painted(const std::function<void(HDC)>& draw) {
    testing_support::Canvas canvas(20, 20, GetSysColor(COLOR_WINDOW));
    draw(canvas.dc());
    return canvas.Pixels();
}

}  // namespace

TEST_F(DirComboBoxTest, TheDrivesItemShowsIconFifteenOfTheSystemList) {
    std::vector<COLORREF> drawn = Painted([this](HDC dc) {
        DRAWITEMSTRUCT di = {};
        di.CtlType = ODT_COMBOBOX;
        di.hwndItem = combo->Handle();
        di.itemID = 0;   // "0:Drives"
        di.itemState = ODS_COMBOBOXEDIT;
        di.hDC = dc;
        di.rcItem = {0, 0, 20, 20};   // the text falls outside
        SendMessageA(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&di));
    });
    SHFILEINFOA info = {};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    EXPECT_TRUE(drawn == Painted([images](HDC dc) { ImageList_Draw(images, 15, dc, 2, 2, ILD_TRANSPARENT); }));
}
