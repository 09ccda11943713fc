#include "admin/dialogs/nouvracc.h"

#include "admin/dialogs/choixicone.h"
#include "admin/dialogs/selectdossier.h"
#include "admin/rules/shortcut_names.h"
#include "tests/admin/dialogs/dialog_test_support.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace testing_support;

namespace {

std::vector<std::string> Fields(TNouvracc& d) {
    return {d.Cible.Text(), d.Demar.Text(), d.Sousicon.Text(), d.Parametres.Text(), d.FichierIcone.Text(),
            d.NumIcone.Text()};
}

void Fill(TNouvracc& d, const std::string& target, const std::string& folder, const std::string& name) {
    d.Cible.SetText(target);
    d.Demar.SetText(folder);
    d.Sousicon.SetText(name);
}

// Clicks OK while the dialog is shown, then cancel when it stayed open;
// answers the modal result.
int PressOk(TNouvracc& d, int* resultAfterOk = nullptr, bool* targetRefocused = nullptr) {
    ModalScript script([&](ui::Form& form) {
        d.BitBtn1.Click();
        if (resultAfterOk) *resultAfterOk = form.modalResult;
        if (targetRefocused) *targetRefocused = FocusedAndSelected(d.Cible.Handle());
        if (form.modalResult == ui::mrNone) d.BitBtn2.Click();
    });
    return d.ShowModal();
}

bool IsLiveIcon(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

}  // namespace

TEST(TNouvracc, ChoosingABatchFileFillsTheFieldsAndShowsTheBatchIcon) {
    TempFolder temp;
    std::string batch = temp.WriteFile("RUN.BAT", "@echo off\r\n");
    static const char kFilter[] = "Application\0*.EXE\0Traitement par lot\0*.BAT\0Commande\0*.COM\0"
                                  "Lien d'application MS-DOS\0*.PIF\0";
    ui::PlatformOverride restore;
    OPENFILENAMEA seen = {};
    std::string initialName, filter;
    ui::platform().openFileDialog = [&](OPENFILENAMEA& ofn) {
        seen = ofn;
        initialName = ofn.lpstrFile;
        filter.assign(ofn.lpstrFilter, sizeof kFilter);
        lstrcpyA(ofn.lpstrFile, batch.c_str());
        return true;
    };
    TNouvracc dialog;
    dialog.Parametres.SetText("/old");
    ModalScript script([&](ui::Form&) {
        dialog.SBCible.Click();
        dialog.BitBtn2.Click();
    });
    dialog.ShowModal();

    EXPECT_STREQ(seen.lpstrTitle, "Sélection d'un fichier d'application...");
    EXPECT_EQ(initialName, "*.exe");
    EXPECT_STREQ(seen.lpstrInitialDir, "\\");
    EXPECT_EQ(seen.nFilterIndex, 1u);
    EXPECT_EQ(filter, std::string(kFilter, sizeof kFilter));
    EXPECT_EQ(seen.Flags & (OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHAREAWARE |
                            OFN_NONETWORKBUTTON),
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHAREAWARE |
                                 OFN_NONETWORKBUTTON));

    EXPECT_EQ(Fields(dialog), (std::vector<std::string>{batch, temp.Path() + "\\", "RUN", "", batch, "0"}));
    EXPECT_EQ(IconPixels(dialog.ICO.Icon()), FileIconPixels(SystemFile("SHELL32.DLL"), 60));
}

TEST(TNouvracc, PreviewFallsBackOnTheShellIconsByExtension) {
    TempFolder temp;
    TNouvracc dialog;
    std::string program = TestProgram();
    EXPECT_EQ(IconPixels(dialog.ExtraitIcone(program, 1).get()), FileIconPixels(program, 1));
    auto generic = FileIconPixels(SystemFile("SHELL32.DLL"), 2);
    ASSERT_FALSE(generic.empty());
    for (const char* name : {"a.exe", "b.com", "c.Pif", "d.EXE"})
        EXPECT_EQ(IconPixels(dialog.ExtraitIcone(temp.WriteFile(name, "x"), 0).get()), generic) << name;
    EXPECT_EQ(IconPixels(dialog.ExtraitIcone(temp / "absent.bat", 0).get()), FileIconPixels(SystemFile("SHELL32.DLL"), 60));
    EXPECT_FALSE(dialog.ExtraitIcone(temp.WriteFile("notes.txt", "x"), 0));
    EXPECT_FALSE(dialog.ExtraitIcone("", 0));
    // An index of -1 asks for no icon count in place of an icon.
    EXPECT_EQ(IconPixels(dialog.ExtraitIcone(program, -1).get()), generic);
}

TEST(TNouvracc, OkNeedsATargetAndFillsTheStartFolderFromIt) {
    TNouvracc dialog;
    MessageRecorder messages;
    dialog.EffaceChamps();
    int afterOk = -1;
    bool refocused = false;
    EXPECT_EQ(PressOk(dialog, &afterOk, &refocused), ui::mrCancel);
    EXPECT_EQ(afterOk, ui::mrNone);
    EXPECT_TRUE(refocused);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{kMissingTarget});
    EXPECT_EQ(messages.shown[0].flags, static_cast<UINT>(MB_OK));

    // Without a name: the start folder is filled all the same, the name is asked for.
    Fill(dialog, "C:\\APPS\\JEU.EXE", "", "");
    HWND focused = nullptr;
    ModalScript script([&](ui::Form&) {
        dialog.BitBtn1.Click();
        focused = GetFocus();
        afterOk = dialog.modalResult;
        dialog.BitBtn2.Click();
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(afterOk, ui::mrNone);
    EXPECT_EQ(messages.shown.back().text, kMissingName);
    EXPECT_EQ(focused, dialog.Sousicon.Handle());
    EXPECT_EQ(dialog.Demar.Text(), "C:\\APPS\\");

    dialog.Sousicon.SetText("Jeu");
    dialog.Demar.SetText("");
    messages.shown.clear();
    EXPECT_EQ(PressOk(dialog), ui::mrOk);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.Demar.Text(), "C:\\APPS\\");
    // A start folder that is there already is kept.
    dialog.Demar.SetText("D:\\DATA");
    EXPECT_EQ(PressOk(dialog), ui::mrOk);
    EXPECT_EQ(dialog.Demar.Text(), "D:\\DATA");
}

TEST(TNouvracc, ANameThatCannotBeAFileNameIsRefused) {
    TNouvracc dialog;
    MessageRecorder messages;
    for (auto [name, message] : {std::pair{"a/b", kForbiddenCharacters}, {"quoi ?", kForbiddenCharacters},
                                 {"   ", kMissingName}, {"CON", kReservedName}}) {
        Fill(dialog, "C:\\APPS\\JEU.EXE", "C:\\APPS\\", name);
        EXPECT_EQ(PressOk(dialog), ui::mrCancel) << name;
        EXPECT_EQ(messages.shown.back().text, message) << name;
    }
}

TEST(TNouvracc, TheNameTakesAtMostThirtyCharacters) {
    TNouvracc dialog;
    dialog.Sousicon.SetText("");
    for (int i = 0; i < 35; ++i) SendMessageA(dialog.Sousicon.Handle(), WM_CHAR, 'a' + i % 26, 0);
    EXPECT_EQ(dialog.Sousicon.Text().size(), 30u);
}

TEST(TNouvracc, ClearButtonsEmptyTheirFields) {
    TNouvracc dialog;
    std::string program = TestProgram();
    Fill(dialog, program, "C:\\", "Test");
    dialog.Parametres.SetText("-x");
    dialog.SBICOORIGClick();
    ASSERT_TRUE(dialog.ICO.Icon());

    dialog.SpeedButton2.Click();
    EXPECT_EQ(Fields(dialog), (std::vector<std::string>{program, "", "Test", "-x", program, "0"}));
    dialog.SpeedButton1.Click();
    EXPECT_EQ(Fields(dialog), std::vector<std::string>(6));
    EXPECT_FALSE(dialog.ICO.Icon());
}

TEST(TNouvracc, OwnIconButtonGoesBackToTheTargetsFirstIconAndReleasesThePreviousOne) {
    TNouvracc dialog;
    std::string program = TestProgram();
    dialog.Cible.SetText(program);
    dialog.FichierIcone.SetText(SystemFile("SHELL32.DLL"));
    dialog.NumIcone.SetText("12");
    dialog.ICO.SetIcon(dialog.ExtraitIcone(SystemFile("SHELL32.DLL"), 12));
    HICON before = dialog.ICO.Icon();
    ASSERT_TRUE(IsLiveIcon(before));

    dialog.SBICOORIG.Click();
    EXPECT_EQ(dialog.FichierIcone.Text(), program);
    EXPECT_EQ(dialog.NumIcone.Text(), "0");
    EXPECT_EQ(IconPixels(dialog.ICO.Icon()), FileIconPixels(program, 0));
    EXPECT_FALSE(IsLiveIcon(before));
}

TEST(TNouvracc, ThePreviewOpensTheIconChooserOnlyWithAnIconFile) {
    TNouvracc dialog;
    ModalScript script([](ui::Form& form) { form.modalResult = ui::mrCancel; });
    auto clickPreview = [&] {
        SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 200));
        SendMessageA(dialog.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 200));
    };
    dialog.EffaceChamps();
    clickPreview();
    dialog.FichierIcone.SetText(TestProgram());
    dialog.NumIcone.SetText("-1");
    clickPreview();
    EXPECT_EQ(script.shown, 0);
    dialog.NumIcone.SetText("0");
    clickPreview();
    EXPECT_EQ(script.shown, 1);
}

TEST(TNouvracc, AnIconChosenReplacesTheIconAndCancelKeepsIt) {
    TNouvracc dialog;
    std::string program = TestProgram(), shell = SystemFile("SHELL32.DLL");
    dialog.FichierIcone.SetText(program);
    dialog.NumIcone.SetText("1");
    dialog.ICO.SetIcon(dialog.ExtraitIcone(program, 1));
    HICON before = dialog.ICO.Icon();

    // Cancel, after looking at another file's icons: nothing changes.
    ui::PlatformOverride restore;
    ui::platform().openFileDialog = [&](OPENFILENAMEA& ofn) {
        lstrcpyA(ofn.lpstrFile, shell.c_str());
        return true;
    };
    int opened = 0;
    ModalScript cancel([&](ui::Form& form) {
        auto* chooser = dynamic_cast<TChoixIcone*>(&form);
        ASSERT_NE(chooser, nullptr);
        ++opened;
        EXPECT_EQ(chooser->ListView1.Selected(), 1);
        chooser->BParcours.Click();
        chooser->ListView1.Select(5);
        chooser->BAnnuler.Click();
    });
    dialog.ICO.onClick(dialog.ICO);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(dialog.FichierIcone.Text(), program);
    EXPECT_EQ(dialog.NumIcone.Text(), "1");
    EXPECT_EQ(dialog.ICO.Icon(), before);

    ModalScript accept([&](ui::Form& form) {
        auto& chooser = dynamic_cast<TChoixIcone&>(form);
        chooser.BParcours.Click();
        chooser.ListView1.Select(5);
        chooser.BAccept.Click();
    });
    dialog.ICO.onClick(dialog.ICO);
    EXPECT_EQ(dialog.FichierIcone.Text(), shell);
    EXPECT_EQ(dialog.NumIcone.Text(), "5");
    EXPECT_EQ(IconPixels(dialog.ICO.Icon()), FileIconPixels(shell, 5));
    EXPECT_FALSE(IsLiveIcon(before));
}

TEST(TNouvracc, TheStartFolderComesFromTheFolderChoiceUnlessCancelled) {
    TempFolder temp;
    TNouvracc dialog;
    dialog.Demar.SetText("C:\\AVANT\\");
    ModalScript cancel([](ui::Form& form) {
        auto& folders = dynamic_cast<TSelectdossier&>(form);
        folders.DirectoryListBox1.SetDirectory("C:\\");
        folders.BitBtn2.Click();
    });
    dialog.SBDD.Click();
    EXPECT_EQ(dialog.Demar.Text(), "C:\\AVANT\\");

    std::string chosen;
    ModalScript accept([&](ui::Form& form) {
        auto& folders = dynamic_cast<TSelectdossier&>(form);
        folders.DirectoryListBox1.SetDirectory(temp.Path());
        chosen = folders.DirectoryListBox1.Directory();
        folders.BitBtn1.Click();
    });
    dialog.SBDD.Click();
    EXPECT_EQ(dialog.Demar.Text(), chosen);
    EXPECT_FALSE(chosen.empty());
}
