#include "tests/admin/main/main_window_fixture.h"

#include "admin/game/tetro1.h"
#include "ui/application.h"
#include "ui/path_kind.h"

using namespace quorvel;
using testing_support::MessageRecorder;
using testing_support::TempFolder;

TEST_F(MainWindowTest, ShowingOpensTheDefaultProfileAfterTheInformationBox) {
    main->Show();
    ASSERT_FALSE(shownForms.empty());
    EXPECT_EQ(shownForms[0], "information");
    EXPECT_EQ(main->DossierBureau, velmora::UpperCase(Profiles()) + "\\.default");
    EXPECT_EQ(main->Text(), "Bureau par défaut");
    EXPECT_TRUE(messages.shown.empty()) << "the default profile already has its settings";
    EXPECT_EQ(ui::Application::Instance().helpFile, ui::ProgramFolder() + "velmo95.hlp");
    RECT r;
    GetWindowRect(main->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 452);
    EXPECT_EQ(r.bottom - r.top, 286);
}

TEST_F(MainWindowTest, AProfileWithoutSettingsGetsTheSevenKeysOnce) {
    CreateDirectoryA((Profiles() + "\\jean").c_str(), nullptr);
    main->OuvreProfil(Root("jean"));
    EXPECT_EQ(main->Text(), "Bureau de JEAN");
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Création d'un nouveau fichier de paramétrage..."});
    velmora::SettingsFile settings(Root("jean") + ".INI");
    EXPECT_EQ(settings.ReadInteger(velmora::kBackColor, 0), 8421376);
    EXPECT_TRUE(options->icovisible.Checked());
    EXPECT_TRUE(options->CloseWin.Checked());
    EXPECT_FALSE(options->diskA.Checked());
    EXPECT_FALSE(options->session.Checked());
    EXPECT_TRUE(options->transparent.Checked());
    main->OuvreProfil(Root("jean"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MainWindowTest, CommandsFollowTheFolderAndTheSelection) {
    std::string root = Root(".default");
    CreateDirectoryA((root + "\\OUTILS").c_str(), nullptr);
    TempFolder::WriteAt(root + "\\Jeu.lnk", "x");
    main->OuvreProfil(root);
    EXPECT_FALSE(main->TBBPP.Enabled());
    EXPECT_TRUE(main->TBBAjoD.Enabled());
    EXPECT_TRUE(main->Dossier1->enabled);
    for (auto* b : {&main->TBBSup, &main->TBBPro, &main->TBCOPIER, &main->TBCOLLER}) EXPECT_FALSE(b->Enabled());

    main->LsFileListView1.Select(0);
    EXPECT_TRUE(main->TBBSup.Enabled());
    EXPECT_TRUE(main->TBBPro.Enabled());
    EXPECT_TRUE(main->TBCOPIER.Enabled());
    EXPECT_FALSE(main->TBCOLLER.Enabled()) << "only the copy command enables paste";

    main->LsFileListView1.SetDirectory(root + "\\OUTILS");
    EXPECT_TRUE(main->TBBPP.Enabled());
    EXPECT_FALSE(main->TBBAjoD.Enabled());
    EXPECT_FALSE(main->Dossier1->enabled);
    EXPECT_EQ(main->Label1.Caption(), root + "\\OUTILS");

    main->TBBPP.onClick(main->TBBPP);
    EXPECT_EQ(main->LsFileListView1.Directory(), root);
    EXPECT_FALSE(main->TBBPP.Enabled());
    EXPECT_TRUE(main->TBBAjoD.Enabled());
    EXPECT_EQ(main->LsDirComboBox1.SelectedDir(), root + "\\") << "the combo keeps folders with their backslash";
}

TEST_F(MainWindowTest, AnotherUserIsOpenedInUpperCaseAfterTheSettingsAreSaved) {
    CreateDirectoryA((Profiles() + "\\jean").c_str(), nullptr);
    main->OuvreProfil(Root(".default"));
    options->diskA.SetChecked(true);
    answer = [this](ui::Form& form) {
        EXPECT_EQ(&form, selectUser.get());
        selectUser->UtilisateurChoisi = "jean";
        return static_cast<int>(ui::mrOk);
    };
    main->TBNUSRClick();
    EXPECT_TRUE(velmora::SettingsFile(Root(".default") + ".ini").ReadFlag(velmora::kDriveAVisible, 0))
        << "the profile left was saved first";
    EXPECT_EQ(main->DossierBureau, Root("jean"));
    EXPECT_EQ(main->Text(), "Bureau de JEAN");

    answer = [](ui::Form&) { return static_cast<int>(ui::mrCancel); };
    main->TBNUSRClick();
    EXPECT_EQ(main->DossierBureau, Root("jean")) << "cancel keeps the profile";

    answer = [this](ui::Form&) {
        selectUser->UtilisateurChoisi = ".default";
        return static_cast<int>(ui::mrOk);
    };
    main->TBNUSRClick();
    EXPECT_EQ(main->DossierBureau, Root(".default"));
    EXPECT_EQ(main->Text(), "Bureau par défaut");
}

TEST_F(MainWindowTest, TheOpenProfileCannotBeDeleted) {
    CreateDirectoryA((Profiles() + "\\marc").c_str(), nullptr);
    main->OuvreProfil(Root("marc"));
    messages.shown.clear();
    messages.answer = IDYES;
    auto deleteMarc = [this] {
        SendMessageA(selectUser->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        selectUser->ListBox1.Select(static_cast<int>(SendMessageA(
            selectUser->ListBox1.Handle(), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("marc"))));
        selectUser->BitBtn4.Click();
    };
    deleteMarc();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Impossible de supprimer l'utilisateur en cours de modification..."});
    EXPECT_TRUE(ui::PathExists(Profiles() + "\\marc"));
    EXPECT_TRUE(ui::PathExists(Profiles() + "\\marc.ini"));

    main->OuvreProfil(Root(".default"));
    deleteMarc();
    EXPECT_EQ(messages.shown.back().text, "Confirmation de la suppression ?");
    EXPECT_FALSE(ui::PathExists(Profiles() + "\\marc"));
}

TEST_F(MainWindowTest, TheOptionsAreSavedHoweverTheDialogCloses) {
    main->OuvreProfil(Root(".default"));
    answer = [this](ui::Form&) {
        options->session.SetChecked(false);
        return static_cast<int>(ui::mrCancel);
    };
    main->TBBOptClick();
    EXPECT_FALSE(velmora::SettingsFile(Root(".default") + ".ini").ReadFlag(velmora::kSessionAllowed, 1));
}

TEST_F(MainWindowTest, TheWindowKeepsItsMinimumSize) {
    SetWindowPos(main->Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT r;
    GetWindowRect(main->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 450);
    EXPECT_EQ(r.bottom - r.top, 280);
    SetWindowPos(main->Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    RECT list = main->LsFileListView1.BoundsRect(), client = main->ClientRect();
    EXPECT_EQ(list.right, client.right) << "the list fills the window under the toolbar";
    EXPECT_EQ(list.bottom, client.bottom);
    EXPECT_EQ(main->TBQuit.Bounds().right, client.right - 2);
}

TEST_F(MainWindowTest, QuitAsksFirst) {
    ui::Application::Instance().SetMainForm(main.get());
    messages.answer = IDNO;
    main->TBQuitClick();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Voulez-vous quitter l'application ?"});
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    messages.answer = IDYES;
    main->TBQuitClick();
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    ui::Application::Instance().SetMainForm(nullptr);
}

namespace {

BOOL CALLBACK CountGame(HWND w, LPARAM count) {
    char title[32];
    GetWindowTextA(w, title, sizeof title);
    if (std::string(title) == "Pavlun 2D" && IsWindowVisible(w)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CloseGame(HWND w, LPARAM) {
    char title[32];
    GetWindowTextA(w, title, sizeof title);
    if (std::string(title) == "Pavlun 2D") PostMessageA(w, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

TEST_F(MainWindowTest, HiddenGesturesWantShiftAltAndCtrlWithTheRightButton) {
    main->Show();
    auto games = [] {
        int n = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountGame, reinterpret_cast<LPARAM>(&n));
        return n;
    };
    Release(main->ToolbarButton971, ui::MouseButton::Right, false, true, true);
    EXPECT_EQ(games(), 0) << "Ctrl and Alt alone";
    Release(main->ToolbarButton971, ui::MouseButton::Right, true, true, true);
    Release(main->ToolbarButton971, ui::MouseButton::Right, true, true, true);
    EXPECT_EQ(games(), 2) << "a new game each time";

    EXPECT_FALSE(main->Label1.Visible());
    Release(main->TBQuit, ui::MouseButton::Left, true, true, true);
    EXPECT_FALSE(main->Label1.Visible());
    Release(main->TBQuit, ui::MouseButton::Right, true, true, true);
    EXPECT_TRUE(main->Label1.Visible());
    Release(main->TBQuit, ui::MouseButton::Right, true, true, true);
    EXPECT_FALSE(main->Label1.Visible());

    EnumThreadWindows(GetCurrentThreadId(), CloseGame, 0);
    testing_support::Pump(50);
}

namespace {

BOOL CALLBACK FindTooltip(HWND w, LPARAM found) {
    char cls[32];
    GetClassNameA(w, cls, sizeof cls);
    auto* tooltip = reinterpret_cast<HWND*>(found);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && GetWindow(w, GW_OWNER) == *tooltip) *tooltip = w;
    return TRUE;
}

// Where the main window's tooltip shows a windowless control's hint.
RECT HintRect(TMain& main, TToolbarButton97& button) {
    HWND tooltip = main.Handle();
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = main.Wallpaper1.Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(&button);
    SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
    return ti.rect;
}

}  // namespace

TEST_F(MainWindowTest, TheToolbarHintsAreTheProgramsOwn) {
    main->Show();
    for (auto* b : {&main->TBBAjoR, &main->TBBListe, &main->TBQuit, &main->TBBPP})
        EXPECT_FALSE(b->Opaque()) << "the wallpaper shows through the buttons";
    EXPECT_EQ(main->TBBIns.hint, "Activation du  \"Velmora\"");
    EXPECT_EQ(main->TBBDes.hint, "Désactivation du \"Velmora\"");
    EXPECT_EQ(main->TBBIcone.hint, "Affichage en \"Icône\"");
    // The quit button sits at the right edge, wherever that goes: its hint with it.
    RECT hint = HintRect(*main, main->TBQuit);
    EXPECT_TRUE(EqualRect(&hint, &main->TBQuit.Bounds()));
    SetWindowPos(main->Handle(), nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER);
    hint = HintRect(*main, main->TBQuit);
    EXPECT_TRUE(EqualRect(&hint, &main->TBQuit.Bounds()));
    EXPECT_EQ(main->TBQuit.Bounds().right, static_cast<LONG>(main->ClientRect().right - 2));

    // Each change of view repaints the whole list (under Wine the old picture stayed).
    HWND list = main->LsFileListView1.Handle();
    RECT whole = main->LsFileListView1.ClientRect(), update = {};
    auto repainted = [&] { return GetUpdateRect(list, &update, FALSE) && EqualRect(&update, &whole); };
    EXPECT_TRUE(main->TBBIcone.Down());
    UpdateWindow(list);
    main->TBBListe.onClick(main->TBBListe);
    EXPECT_EQ(main->LsFileListView1.ViewStyle(), static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(repainted());
    EXPECT_EQ(ListView_GetColumnWidth(main->LsFileListView1.Handle(), 4), 50) << "Attributs, the default width";
    UpdateWindow(list);
    main->TBBIcone.onClick(main->TBBIcone);
    EXPECT_EQ(main->LsFileListView1.ViewStyle(), static_cast<DWORD>(LVS_ICON));
    EXPECT_TRUE(repainted());
}

