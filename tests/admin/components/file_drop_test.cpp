#include "admin/components/file_drop.h"

#include "tests/support/drop_handle.h"
#include "ui/form.h"
#include "ui/list_view.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using testing_support::MakeDrop;

class FileDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateForm("Dépôt", 300, 200, {}, true);
        list = std::make_unique<ui::ListView>(form, ui::Bounds(0, 0, 300, 200), LVS_REPORT);
        systemProc = GetWindowLongPtrA(list->Handle(), GWLP_WNDPROC);
    }

    LRESULT Drop(const std::vector<std::string>& files, POINT point = {0, 0}) {
        return SendMessageA(list->Handle(), WM_DROPFILES,
                            reinterpret_cast<WPARAM>(MakeDrop(files, point)), 0);
    }
    bool Accepts() const { return GetWindowLongA(list->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES; }
    LONG_PTR Procedure() const { return GetWindowLongPtrA(list->Handle(), GWLP_WNDPROC); }

    ui::Form form;
    std::unique_ptr<ui::ListView> list;
    LONG_PTR systemProc = 0;
};

TEST_F(FileDropTest, ADropOfThreeFilesThenOneFillsTheListAndThePoint) {
    quorvel::TFileDrop drop;
    int fired = 0;
    drop.OnDrop = [&](quorvel::TFileDrop& sender) {
        EXPECT_EQ(&sender, &drop);
        ++fired;
    };
    drop.SetDropControl(list.get());
    EXPECT_TRUE(drop.EnableDrop());
    EXPECT_TRUE(Accepts());

    EXPECT_EQ(Drop({"C:\\a.exe", "C:\\Program Files\\b é.lnk", "C:\\dossier"}, {12, 34}), 0);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(drop.FileCount(), 3);
    EXPECT_EQ(drop.Files(),
              (std::vector<std::string>{"C:\\a.exe", "C:\\Program Files\\b é.lnk", "C:\\dossier"}));
    EXPECT_EQ(drop.DropPoint().x, 12);
    EXPECT_EQ(drop.DropPoint().y, 34);

    Drop({"D:\\seul.txt"});
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(drop.FileCount(), 1);
    EXPECT_EQ(drop.Files(), std::vector<std::string>{"D:\\seul.txt"});
}

TEST_F(FileDropTest, LongNamesArriveWholeAndAnEmptyDropIsDefined) {
    quorvel::TFileDrop drop;
    int fired = 0;
    drop.OnDrop = [&](quorvel::TFileDrop&) { ++fired; };
    drop.SetDropControl(list.get());
    std::string exact = "C:\\" + std::string(124, 'x');   // 127 characters: fits the first buffer
    std::string longer = "C:\\" + std::string(125, 'y');  // 128: one more than it holds
    std::string longest = "C:\\" + std::string(250, 'z');
    Drop({exact, longer, "C:\\short", longest});
    EXPECT_EQ(drop.Files(), (std::vector<std::string>{exact, longer, "C:\\short", longest}));

    Drop({});
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(drop.FileCount(), 0);
    EXPECT_TRUE(drop.Files().empty());
}

TEST_F(FileDropTest, RefusedDropsFireNothing) {
    quorvel::TFileDrop drop;
    int fired = 0;
    drop.OnDrop = [&](quorvel::TFileDrop&) { ++fired; };
    drop.SetEnableDrop(true);   // no drop window yet: harmless
    drop.SetDropControl(list.get());
    drop.SetEnableDrop(false);
    EXPECT_FALSE(Accepts());
    Drop({"C:\\a.exe"});
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(drop.FileCount(), 0);
    drop.SetEnableDrop(true);
    EXPECT_TRUE(Accepts());
    Drop({"C:\\a.exe"});
    EXPECT_EQ(fired, 1);
}

TEST_F(FileDropTest, TheHookComesAndGoesOnceAndLeavesOtherMessagesAlone) {
    {
        quorvel::TFileDrop drop;
        drop.SetDropControl(list.get());
        drop.SetDropControl(list.get());
        EXPECT_EQ(Procedure(), systemProc) << "the control's own procedure takes the drops";
        EXPECT_TRUE(Accepts());
        EXPECT_EQ(drop.DropControl(), list.get());

        list->AddColumn("Nom", 100);
        list->Add("premier", -1);
        list->Add("second", -1);
        EXPECT_EQ(list->Count(), 2);
        EXPECT_EQ(list->ItemText(1), "second");
        SetWindowTextA(list->Handle(), "texte");
        EXPECT_EQ(list->Text(), "texte");

        drop.SetDropControl(nullptr);
        EXPECT_EQ(Procedure(), systemProc);
        EXPECT_FALSE(drop.EnableDrop());
        EXPECT_FALSE(Accepts());
        EXPECT_EQ(drop.DropControl(), nullptr);

        drop.SetDropControl(list.get());
    }
    // Destroyed while hooked.
    EXPECT_EQ(Procedure(), systemProc);
    EXPECT_FALSE(Accepts());
}

TEST_F(FileDropTest, MovingToAnotherControlUnhooksTheFirst) {
    ui::ListView other(form, ui::Bounds(0, 0, 10, 10), LVS_LIST);
    LONG_PTR otherProc = GetWindowLongPtrA(other.Handle(), GWLP_WNDPROC);
    quorvel::TFileDrop drop;
    int fired = 0;
    drop.OnDrop = [&](quorvel::TFileDrop&) { ++fired; };
    drop.SetDropControl(list.get());
    drop.SetDropControl(&other);
    EXPECT_EQ(Procedure(), systemProc);
    EXPECT_FALSE(Accepts());
    EXPECT_EQ(GetWindowLongPtrA(other.Handle(), GWLP_WNDPROC), otherProc);
    EXPECT_TRUE(GetWindowLongA(other.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Drop({"C:\\a.exe"});
    EXPECT_EQ(fired, 0);
    SendMessageA(other.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"C:\\b"}, {})), 0);
    EXPECT_EQ(fired, 1);
}

TEST_F(FileDropTest, AControlDestroyedFirstLeavesTheComponentSafe) {
    quorvel::TFileDrop drop;
    drop.SetDropControl(list.get());
    list.reset();
    drop.SetEnableDrop(true);
    drop.SetDropControl(nullptr);
    EXPECT_EQ(drop.DropControl(), nullptr);
}

}  // namespace
