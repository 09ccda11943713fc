#include "admin/components/dir_combo_box.h"
#include "admin/components/file_list_view.h"

#include "tests/support/gdi_count.h"
#include "tests/support/shortcut_file.h"
#include "tests/support/test_folder.h"
#include "ui/form.h"
#include "ui/handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <memory>

using quorvel::TLsFileListView;
using testing_support::TempFolder;

namespace {

void SetAttributes(const std::string& path, DWORD attributes) { SetFileAttributesA(path.c_str(), attributes); }

// A local date and time given to a file as its last-modified time.
void SetModified(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME local = {year, month, 0, day, hour, minute, 0, 0};
    FILETIME lt, utc;
    SystemTimeToFileTime(&local, &lt);
    LocalFileTimeToFileTime(&lt, &utc);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    SetFileTime(h, nullptr, nullptr, &utc);
    CloseHandle(h);
}

std::string Separator(LCTYPE type) {
    char buffer[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    return buffer;
}

class FileListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateForm("Liste", 500, 300, {}, true);
        list = std::make_unique<TLsFileListView>(form, ui::Bounds(0, 0, 500, 300));
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < list->Count(); ++i) captions.push_back(list->ItemText(i));
        return captions;
    }
    int Find(const std::string& caption) const {
        for (int i = 0; i < list->Count(); ++i)
            if (list->ItemText(i) == caption) return i;
        return -1;
    }
    // What the list view tells its parent when the user clicks.
    void Notify(UINT code, int subItem = 0) {
        NMLISTVIEW nm = {};
        nm.hdr = {list->Handle(), 0, code};
        nm.iItem = list->Selected();
        nm.iSubItem = subItem;
        SendMessageA(form.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    }
    void DoubleClick(int item) {
        list->Select(item);
        RECT r = {};
        r.left = LVIR_BOUNDS;
        SendMessageA(list->Handle(), LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
        SendMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }

    TempFolder temp;
    testing_support::CurrentFolder current;
    ui::Form form;
    std::unique_ptr<TLsFileListView> list;
};

TEST_F(FileListViewTest, ListsEveryEntryWithItsSixSubItems) {
    temp.WriteFile("ReadMe.TXT", "hello");
    temp.WriteFile("cache.dat", "");
    temp.WriteFile("boot.sys", "12");
    temp.MakeFolder("Sous Dossier");
    std::string accented = std::string("ÉTÉ Ñ") + std::string(190, 'X') + ".doc";
    temp.WriteFile(accented, "");
    SetAttributes(temp / "ReadMe.TXT", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    SetAttributes(temp / "cache.dat", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(temp / "boot.sys", FILE_ATTRIBUTE_SYSTEM);

    EXPECT_EQ(list->Count(), 0);   // nothing before a folder is assigned
    list->SetDirectory(temp.Path());
    EXPECT_EQ(list->Directory(), temp.Path());
    std::vector<std::string> captions = Captions();
    std::sort(captions.begin(), captions.end());
    std::string lowered = std::string("ÉtÉ Ñ") + std::string(190, 'x') + ".doc";
    EXPECT_EQ(captions, (std::vector<std::string>{"boot.sys", "cache.dat", "readme.txt", "sous dossier", lowered}));

    int readme = Find("readme.txt");
    EXPECT_EQ(list->SubItemText(readme, quorvel::siSize), "5");
    EXPECT_FALSE(list->SubItemText(readme, quorvel::siType).empty());
    EXPECT_EQ(list->SubItemText(readme, quorvel::siAttributes), "AR");
    EXPECT_EQ(list->SubItemText(readme, quorvel::siPath), temp / "ReadMe.TXT");
    EXPECT_EQ(list->SubItemText(readme, quorvel::siKind), "file");
    EXPECT_EQ(list->ItemText(readme, 1), "5");   // the columns show sub-items 0 to 3
    EXPECT_EQ(list->ItemText(readme, 4), "AR");
    EXPECT_NE(list->SubItemText(Find("cache.dat"), quorvel::siAttributes).find('H'), std::string::npos);
    EXPECT_NE(list->SubItemText(Find("boot.sys"), quorvel::siAttributes).find('S'), std::string::npos);
    int folder = Find("sous dossier");
    EXPECT_EQ(list->SubItemText(folder, quorvel::siSize), "0");
    EXPECT_EQ(list->SubItemText(folder, quorvel::siKind), "dir");
    EXPECT_EQ(list->SubItemText(Find(lowered), quorvel::siPath), temp / accented);
}

TEST_F(FileListViewTest, AnEntryThatCannotBeLookedUpAgainIsLeftOut) {
    // A name with a final dot is found by the folder search, but looking it
    // up by its path finds nothing: the system drops the dot.
    std::string raw = "\\\\?\\" + temp / "point.";
    HANDLE h = CreateFileA(raw.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) GTEST_SKIP() << "no such names here";
    CloseHandle(h);
    WIN32_FIND_DATAA found;
    ASSERT_TRUE(ui::FindHandle(FindFirstFileA((temp / "point*").c_str(), &found)));
    ASSERT_STREQ(found.cFileName, "point.");
    temp.WriteFile("kept.txt", "");
    list->SetDirectory(temp.Path());
    EXPECT_EQ(Captions(), std::vector<std::string>{"kept.txt"});
    DeleteFileA(raw.c_str());
}

TEST_F(FileListViewTest, ADamagedShortcutIsListedLikeAnyOther) {
    std::string file = testing_support::WriteShortcut(temp / "Jeu", "C:\\windows\\notepad.exe");
    // Its first item runs past its item list: the shell's link object, asked
    // for its icon, read past its buffer and ended the program now and then.
    std::string damaged = testing_support::ReadFile(file);
    ASSERT_TRUE(damaged[0x14] & 1);
    damaged[0x4E] = damaged[0x4F] = '\xFF';
    temp.WriteFile("Casse.lnk", damaged);
    list->SetDirectory(temp.Path());
    int good = Find("jeu.lnk"), bad = Find("casse.lnk");
    ASSERT_GE(bad, 0);
    ASSERT_GE(good, 0);
    EXPECT_EQ(list->SubItemText(bad, quorvel::siType), list->SubItemText(good, quorvel::siType));
}

TEST_F(FileListViewTest, AnIconFileNamedWithVariablesShowsItsIcon) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    for (std::string icons : {std::string("%SystemRoot%\\system32"), std::string(system)}) {
        velmora::TVornShellLink link;
        link.SetFileName(temp / (icons[0] == '%' ? "nomme" : "developpe"));
        link.SetFileIcon({icons + "\\shell32.dll", 3});
        link.WriteLink();
    }
    list->SetDirectory(temp.Path());
    LVITEMA named = {}, expanded = {};
    named.mask = expanded.mask = LVIF_IMAGE;
    named.iItem = Find("nomme.lnk"), expanded.iItem = Find("developpe.lnk");
    ASSERT_TRUE(ListView_GetItem(list->Handle(), &named) && ListView_GetItem(list->Handle(), &expanded));
    EXPECT_EQ(named.iImage, expanded.iImage);
}

TEST_F(FileListViewTest, AnEmptyFolderGivesAnEmptyListAndTheDefaultColumns) {
    list->SetDirectory(temp.Path());
    EXPECT_EQ(list->Count(), 0);
    HWND header = ListView_GetHeader(list->Handle());
    ASSERT_EQ(Header_GetItemCount(header), 5);
    char text[32] = {};
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(header, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "Size");
    EXPECT_EQ(item.cxy, 70);
    EXPECT_TRUE(item.fmt & HDF_RIGHT);
}

TEST_F(FileListViewTest, MasksListEachMatchOnce) {
    temp.WriteFile("a.lnk", "");
    temp.WriteFile("b.lnk", "");
    temp.WriteFile("c.txt", "");
    list->SetDirectory(temp.Path());
    EXPECT_EQ(list->Count(), 3);
    list->SetMask("*.lnk;*.*");
    EXPECT_EQ(list->Count(), 5);
    std::vector<std::string> twice = Captions();
    EXPECT_EQ(std::count(twice.begin(), twice.end(), "a.lnk"), 2);
    EXPECT_EQ(std::count(twice.begin(), twice.end(), "c.txt"), 1);
    list->SetMask("*.lnk");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a.lnk", "b.lnk"}));
    list->SetMask(";;");
    EXPECT_EQ(list->Count(), 0);
    list->SetMask(";*.txt;");
    EXPECT_EQ(Captions(), std::vector<std::string>{"c.txt"});
}

TEST_F(FileListViewTest, TheSameFolderChangesNothingUnlessItEndsInABackslash) {
    std::string sub = temp.MakeFolder("Sub");
    list->SetDirectory(sub + "\\");
    EXPECT_EQ(list->Directory(), sub);   // read back from the system, no final backslash
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(std::string(current), sub);

    temp.WriteFile("Sub\\late.txt", "");
    std::string other = sub;
    std::transform(other.begin(), other.end(), other.begin(), [](char c) { return static_cast<char>(toupper(c)); });
    list->SetDirectory(other);
    EXPECT_EQ(list->Count(), 0);
    list->SetDirectory(other + "\\");
    EXPECT_EQ(Captions(), std::vector<std::string>{"late.txt"});

    // A folder that cannot be entered leaves the list on the current one.
    list->SetDirectory(temp / "missing");
    EXPECT_EQ(list->Directory(), other);
    EXPECT_EQ(list->Count(), 1);
}

TEST_F(FileListViewTest, DatesFollowTheProgramFormats) {
    std::string afternoon = temp.WriteFile("afternoon.txt", "");
    std::string midnight = temp.WriteFile("midnight.txt", "");
    SetModified(afternoon, 1998, 3, 15, 14, 5);
    SetModified(midnight, 1998, 3, 15, 0, 0);
    list->SetDirectory(temp.Path());
    std::string d = Separator(LOCALE_SDATE), t = Separator(LOCALE_STIME);
    std::string date = "03" + d + "15" + d + "1998";
    EXPECT_EQ(list->SubItemText(Find("afternoon.txt"), quorvel::siModified), date + " 14" + t + "05");
    EXPECT_EQ(list->SubItemText(Find("midnight.txt"), quorvel::siModified), date);
}

TEST_F(FileListViewTest, HeaderClicksSortByTheComparisonRule) {
    temp.WriteFile("bb.txt", "123");
    temp.WriteFile("aa.txt", "12345");
    temp.WriteFile("cc.txt", "1");
    temp.WriteFile("zero.txt", "");
    temp.MakeFolder("dir");
    SetModified(temp / "bb.txt", 2001, 1, 1, 10, 0);
    SetModified(temp / "aa.txt", 1999, 1, 1, 10, 0);
    SetModified(temp / "cc.txt", 2000, 1, 1, 10, 0);
    list->SetDirectory(temp.Path());

    // A first click on Size: ascending, entries of size 0 first.
    Notify(LVN_COLUMNCLICK, 1);
    EXPECT_FALSE(list->SortReversed());
    std::vector<std::string> c = Captions();
    EXPECT_EQ(std::vector<std::string>(c.begin() + 2, c.end()),
              (std::vector<std::string>{"cc.txt", "bb.txt", "aa.txt"}));
    EXPECT_EQ(std::set<std::string>(c.begin(), c.begin() + 2), (std::set<std::string>{"dir", "zero.txt"}));

    // A first click on Name: descending, entries of size 0 last.
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ(list->SortColumn(), 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"cc.txt", "bb.txt", "aa.txt", "zero.txt", "dir"}));
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"dir", "zero.txt", "aa.txt", "bb.txt", "cc.txt"}));

    Notify(LVN_COLUMNCLICK, 3);   // by date, newest first
    c = Captions();
    EXPECT_EQ(std::vector<std::string>(c.begin(), c.begin() + 3),
              (std::vector<std::string>{"bb.txt", "cc.txt", "aa.txt"}));

    // With header clicks off nothing moves.
    list->SetColumnClick(false);
    std::vector<std::string> before = Captions();
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ(Captions(), before);
}

TEST_F(FileListViewTest, AClickGivesTheSelectedPath) {
    temp.WriteFile("one.lnk", "");
    list->SetDirectory(temp.Path());
    int clicks = 0;
    list->onClick = [&] { ++clicks; };
    Notify(NM_CLICK);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->SelectedPath(), "");
    list->Select(0);
    Notify(NM_CLICK);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list->SelectedPath(), temp / "one.lnk");
}

TEST_F(FileListViewTest, DoubleClicksOpenFoldersAndStartPrograms) {
    std::string sub = temp.MakeFolder("Programmes");
    temp.WriteFile("Programmes\\Setup.exe", "MZ");
    temp.WriteFile("Programmes\\jeu.lnk", "");
    quorvel::TLsDirComboBox combo(form, ui::Bounds(0, 0, 200, 200));
    list->SetDirectory(temp.Path());
    combo.SetFileList(list.get());
    ASSERT_EQ(list->DirCombo(), &combo);

    ui::PlatformOverride restore;
    std::vector<std::string> started;
    ui::platform().openFile = [&](HWND, const std::string& file, const std::string& parameters,
                                  const std::string& folder, int show) -> INT_PTR {
        started.push_back(file + "|" + parameters + "|" + folder + "|" + std::to_string(show));
        return 42;
    };
    std::vector<std::string> seenBy;
    list->onDblClick = [&] { seenBy.push_back(list->Directory()); };

    DoubleClick(Find("programmes"));
    EXPECT_EQ(seenBy, std::vector<std::string>{temp.Path()});   // the owner's event comes first
    EXPECT_EQ(list->Directory(), sub);
    EXPECT_EQ(combo.DisplayedPath(), sub + "\\");
    EXPECT_EQ(combo.Item(combo.Selected()).substr(0, 1), "T");
    EXPECT_NE(combo.Item(combo.Selected()).find(sub + "\\"), std::string::npos);

    DoubleClick(Find("jeu.lnk"));
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(list->Directory(), sub);
    DoubleClick(Find("setup.exe"));
    EXPECT_EQ(started, std::vector<std::string>{"setup.exe||" + sub + "|5"});
    EXPECT_EQ(seenBy.size(), 3u);
}

TEST_F(FileListViewTest, ExecuteFilePassesLongTextsWhole) {
    ui::PlatformOverride restore;
    std::string got;
    ui::platform().openFile = [&](HWND, const std::string& file, const std::string& parameters,
                                  const std::string& folder, int) -> INT_PTR {
        got = file + "|" + parameters + "|" + folder;
        return 33;
    };
    std::string file(200, 'f'), parameters(300, 'p'), folder = "C:\\" + std::string(150, 'd');
    EXPECT_EQ(quorvel::ExecuteFile(file, parameters, folder, SW_SHOW), 33);
    EXPECT_EQ(got, file + "|" + parameters + "|" + folder);
}

TEST_F(FileListViewTest, RebuildsAndListsLeaveNoGdiObjectBehind) {
    for (int i = 0; i < 4; ++i) temp.WriteFile(std::to_string(i) + ".txt", "x");
    list->SetDirectory(temp.Path());
    int before = testing_support::GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 100; ++i) list->RefreshList();
    for (int i = 0; i < 10; ++i) {
        TLsFileListView other(form, ui::Bounds(0, 0, 100, 100));
        other.SetDirectory(temp.Path() + "\\");
    }
    EXPECT_EQ(testing_support::GdiObjectCount(), before);
    EXPECT_EQ(list->Count(), 4);
}

}  // namespace
