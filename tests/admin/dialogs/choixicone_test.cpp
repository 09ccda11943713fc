#include "admin/dialogs/choixicone.h"

#include "tests/admin/dialogs/dialog_test_support.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace testing_support;

namespace {

// The icon libraries in a folder of the test's own: SHELL32.DLL and
// ZEKICONS.DLL are copies of the test program (whose icons are known),
// MORICONS.DLL is missing.
class Libraries {
public:
    Libraries() {
        ui::platform().systemDir = [this] { return folder.Path(); };
        ui::platform().windowsDir = [this] { return folder.Path(); };
        CopyFileA(TestProgram().c_str(), (folder / "SHELL32.DLL").c_str(), FALSE);
        CopyFileA(TestProgram().c_str(), (folder / "ZEKICONS.DLL").c_str(), FALSE);
    }
    TempFolder folder;

private:
    ui::PlatformOverride restore_;
};

int ImageCount(TChoixIcone& chooser) { return ImageList_GetImageCount(chooser.ImageList1.Handle()); }

// Item i shows icon i of the file.
void ExpectListShows(TChoixIcone& chooser, const std::string& file) {
    int n = IconCount(file);
    ASSERT_EQ(chooser.ListView1.Count(), n);
    ASSERT_EQ(ImageCount(chooser), n);
    for (int i = 0; i < n; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageA(chooser.ListView1.Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        HICON shown = ImageList_GetIcon(chooser.ImageList1.Handle(), item.iImage, ILD_NORMAL);
        EXPECT_EQ(IconPixels(shown), FileIconPixels(file, i)) << "item " << i;
        DestroyIcon(shown);
    }
}

void DoubleClickSelected(TChoixIcone& chooser) {
    RECT r = {LVIR_ICON, 0, 0, 0};
    SendMessageA(chooser.ListView1.Handle(), LVM_GETITEMRECT, chooser.ListView1.Selected(), reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(chooser.ListView1.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(chooser.ListView1.Handle(), WM_LBUTTONUP, 0, at);
}

}  // namespace

TEST(TChoixIcone, OpensOnTheIconGivenAndAcceptsTheOneChosen) {
    std::string file = TestProgram();
    ASSERT_GE(IconCount(file), 5);
    TChoixIcone chooser;
    ModalScript script([&](ui::Form&) {
        ExpectListShows(chooser, file);
        EXPECT_TRUE(chooser.ListView1.Visible());
        EXPECT_EQ(chooser.ListView1.Selected(), 2);
        EXPECT_EQ(chooser.Label1.Caption(), file);
        EXPECT_EQ(chooser.Label2.Caption(), "Icone N° : 2");
        EXPECT_TRUE(chooser.Label2.Visible());
        // The user moves to the next icons with the keyboard.
        SendMessageA(chooser.ListView1.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
        SendMessageA(chooser.ListView1.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
        EXPECT_EQ(chooser.ListView1.Selected(), 4);
        EXPECT_EQ(chooser.Label2.Caption(), "Icône N° 4");
        EXPECT_EQ(chooser.NumeroChoisi, 4);
        chooser.BAccept.Click();
    });
    EXPECT_EQ(chooser.ChoisirIcone(file, 2), ui::mrOk);
    EXPECT_EQ(chooser.FichierChoisi, file);
    EXPECT_EQ(chooser.NumeroChoisi, 4);
}

TEST(TChoixIcone, AnIndexBeyondTheIconsSelectsNothingAndAcceptWaitsForAChoice) {
    MessageRecorder messages;
    std::string file = TestProgram();
    TChoixIcone chooser;
    ModalScript script([&](ui::Form& form) {
        EXPECT_EQ(chooser.ListView1.Count(), IconCount(file));
        EXPECT_EQ(chooser.ListView1.Selected(), -1);
        EXPECT_EQ(chooser.Label2.Caption(), "Icone N° : 99");
        chooser.BAccept.Click();
        EXPECT_EQ(form.modalResult, ui::mrNone);
        // A double-click on an icon accepts it.
        chooser.ListView1.Select(1);
        DoubleClickSelected(chooser);
    });
    EXPECT_EQ(chooser.ChoisirIcone(file, 99), ui::mrOk);
    EXPECT_EQ(chooser.NumeroChoisi, 1);
    EXPECT_EQ(chooser.FichierChoisi, file);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(TChoixIcone, AFileWithoutIconsIsToldAndTheDialogStaysOpen) {
    TempFolder temp;
    std::string text = temp.WriteFile("lisez-moi.txt", "rien");
    MessageRecorder messages;
    TChoixIcone chooser;
    ModalScript script([&](ui::Form& form) {
        EXPECT_EQ(chooser.ListView1.Count(), 0);
        EXPECT_EQ(form.modalResult, ui::mrNone);
        chooser.BAnnuler.Click();
    });
    EXPECT_EQ(chooser.ChoisirIcone(text, 0), ui::mrCancel);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{kNoIcons});
}

TEST(TChoixIcone, BrowsingReplacesTheSourceAndCancellingKeepsIt) {
    ui::PlatformOverride restore;
    std::string file = TestProgram(), other = SystemFile("SHELL32.DLL");
    std::vector<std::string> offered;
    bool choose = false;
    ui::platform().openFileDialog = [&](OPENFILENAMEA& ofn) {
        EXPECT_STREQ(ofn.lpstrTitle, "Sélection du fichier d'icône");
        static const char kFilter[] = "Bibliothèque\0*.dll\0application\0*.exe\0icône\0*.ico\0";
        EXPECT_EQ(std::string(ofn.lpstrFilter, sizeof kFilter), std::string(kFilter, sizeof kFilter));
        EXPECT_EQ(ofn.nFilterIndex, 1u);
        EXPECT_TRUE(ofn.Flags & OFN_FILEMUSTEXIST);
        EXPECT_STREQ(ofn.lpstrDefExt, "dll");
        offered.push_back(ofn.lpstrFile);
        if (choose) lstrcpyA(ofn.lpstrFile, other.c_str());
        return choose;
    };
    TChoixIcone chooser;
    EXPECT_EQ(chooser.OpenDialog1.defaultExt, "*.dll");
    ModalScript script([&](ui::Form&) {
        chooser.BParcours.Click();
        EXPECT_EQ(chooser.Label2.Caption(), " ");
        EXPECT_EQ(chooser.Label1.Caption(), file);
        EXPECT_EQ(chooser.ListView1.Count(), IconCount(file));

        choose = true;
        chooser.BParcours.Click();
        EXPECT_EQ(chooser.Label1.Caption(), other);
        EXPECT_EQ(chooser.FichierChoisi, other);
        EXPECT_EQ(chooser.ListView1.Count(), IconCount(other));
        chooser.ListView1.Select(7);
        chooser.BAccept.Click();
    });
    EXPECT_EQ(chooser.ChoisirIcone(file, 0), ui::mrOk);
    EXPECT_EQ(offered, (std::vector<std::string>{"*.dll", "*.dll"}));
    EXPECT_EQ(chooser.FichierChoisi, other);
    EXPECT_EQ(chooser.NumeroChoisi, 7);
}

TEST(TChoixIcone, LibraryButtonsLoadTheSystemLibraries) {
    Libraries libraries;
    MessageRecorder messages;
    TChoixIcone chooser;
    std::string shell = libraries.folder / "SHELL32.DLL";
    ModalScript script([&](ui::Form&) {
        chooser.BShell.Click();
        EXPECT_EQ(chooser.Label1.Caption(), shell);
        EXPECT_EQ(chooser.Label2.Caption(), " ");
        EXPECT_FALSE(chooser.Animate1.Active());
        ExpectListShows(chooser, shell);

        chooser.Bzekicons.Click();
        EXPECT_EQ(chooser.Label1.Caption(), libraries.folder / "ZEKICONS.DLL");

        // MORICONS.DLL is missing here: told, and the list is left empty.
        chooser.BMoreIcons.Click();
        EXPECT_EQ(chooser.Label1.Caption(), libraries.folder / "MORICONS.DLL");
        EXPECT_EQ(chooser.ListView1.Count(), 0);
        EXPECT_TRUE(chooser.ListView1.Visible());
        chooser.BAnnuler.Click();
    });
    EXPECT_EQ(chooser.ChoisirIcone(SystemFile("SHELL32.DLL"), 3), ui::mrCancel);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{kNoIcons});
}
