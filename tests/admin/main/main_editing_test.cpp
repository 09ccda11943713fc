#include "tests/admin/main/main_window_fixture.h"

#include "tests/support/shortcut_file.h"
#include "ui/application.h"
#include "ui/path_kind.h"

using namespace quorvel;

namespace {

class EditingTest : public MainWindowTest {
protected:
    EditingTest() {
        main->Show();   // opens the default profile
        root = main->DossierBureau;
        messages.shown.clear();
        shownForms.clear();
    }

    std::string Shortcut(const std::string& folder, const std::string& name, const std::string& target,
                         const std::string& arguments = "") {
        return testing_support::WriteShortcut(folder + "\\" + name, target, arguments, "C:\\windows");
    }
    void Reload() { main->LsFileListView1.SetDirectory(main->LsFileListView1.Directory() + "\\"); }
    void SelectCaption(const std::string& caption) {
        for (int i = 0; i < main->LsFileListView1.Count(); ++i)
            if (main->LsFileListView1.ItemText(i) == caption) return main->LsFileListView1.Select(i);
        ADD_FAILURE() << "no entry " << caption;
    }
    // A key pressed in the list, through the program's message loop.
    void Key(WORD key) {
        SetFocus(main->LsFileListView1.Handle());
        PostMessageA(main->LsFileListView1.Handle(), WM_KEYDOWN, key, 1);
        ui::Application::Instance().ProcessMessages();
    }
    // Answers the shortcut dialog with these fields and OK.
    void AcceptShortcut(const std::string& name, const std::string& target) {
        answer = [=, this](ui::Form& form) -> int {
            if (&form != nouvracc.get()) return ui::mrCancel;
            dialogFields = {nouvracc->Cible.Text(), nouvracc->Demar.Text(), nouvracc->Sousicon.Text(),
                            nouvracc->Parametres.Text(), nouvracc->FichierIcone.Text(), nouvracc->NumIcone.Text()};
            if (!target.empty()) nouvracc->Cible.SetText(target);
            if (!name.empty()) nouvracc->Sousicon.SetText(name);
            return ui::mrOk;
        };
    }

    std::string root;
    std::vector<std::string> dialogFields;   // as the dialog opened
};

}  // namespace

TEST_F(EditingTest, TheCurrentFolderHoldsAtMostTwentyThreeEntries) {
    for (int i = 0; i < 21; ++i) CreateDirectoryA((root + "\\d" + std::to_string(i)).c_str(), nullptr);
    Shortcut(root, "Jeu", "C:\\windows\\notepad.exe");
    CreateDirectoryA((root + "\\D0\\plein").c_str(), nullptr);
    Reload();
    ASSERT_EQ(main->LsFileListView1.Count(), 22);
    AcceptShortcut("Notes", "C:\\windows\\notepad.exe");
    main->TBBAjoRClick();
    EXPECT_TRUE(ui::PathExists(root + "\\Notes.lnk")) << "the 23rd entry is allowed";
    EXPECT_EQ(main->LsFileListView1.Count(), 23);
    shownForms.clear();
    main->TBBAjoRClick();
    main->NouveauDossier();
    EXPECT_TRUE(shownForms.empty()) << "neither dialog opens at 23";
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Vous avez atteint le nombre maximum d'icônes sur le bureau...");
}

TEST_F(EditingTest, NewFoldersGoIntoTheProfileRoot) {
    answer = [this](ui::Form& form) {
        EXPECT_EQ(&form, nomdossier.get());
        EXPECT_EQ(nomdossier->helpContext, 40);
        nomdossier->ENomdossier.SetText("Jeux");
        return static_cast<int>(ui::mrOk);
    };
    main->NouveauDossier();
    EXPECT_TRUE(main->EstDossier(root + "\\Jeux"));
    EXPECT_EQ(main->LsFileListView1.Count(), 1);
    main->NouveauDossier();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Impossible de créer ce répertoire..."});
}

TEST_F(EditingTest, AFolderNameThatIsAPathMakesNoFolderAnywhere) {
    CreateDirectoryA((root + "\\Jeux").c_str(), nullptr);
    Reload();
    std::string typed;
    answer = [&](ui::Form&) {
        nomdossier->ENomdossier.SetText(typed);
        return static_cast<int>(ui::mrOk);
    };
    for (std::string name : {"..\\EVIL", "..", "CON", "Jeux2.", "C:EVIL", ""}) {
        typed = name;
        messages.shown.clear();
        main->NouveauDossier();
        SelectCaption("jeux");
        main->ProprietesSelection();
        ASSERT_EQ(messages.shown.size(), 2u) << name;
        EXPECT_EQ(messages.shown[0].text, "Impossible de créer ce répertoire...");
        EXPECT_EQ(messages.shown[1].text, "Changement de nom de dossier impossible...");
    }
    EXPECT_EQ(testing_support::EntryNames(root), std::vector<std::string>{"Jeux"});
    EXPECT_EQ(testing_support::EntryNames(Profiles()), (std::vector<std::string>{".default", ".default.ini"}));
}

TEST_F(EditingTest, KeysActOnlyWithTheRightSelection) {
    Shortcut(root, "Jeu", "C:\\windows\\notepad.exe");
    Reload();
    answer = [](ui::Form&) { return static_cast<int>(ui::mrCancel); };
    SelectCaption("jeu.lnk");
    Key(VK_INSERT);
    EXPECT_TRUE(shownForms.empty()) << "Insert with a selection";
    main->LsFileListView1.Select(-1);
    Key(VK_DELETE);
    Key(VK_RETURN);
    EXPECT_TRUE(shownForms.empty()) << "Delete and Enter without one";
    EXPECT_TRUE(messages.shown.empty());
    Key(VK_INSERT);
    EXPECT_EQ(shownForms.size(), 1u);
    EXPECT_EQ(nouvracc->helpContext, 30);
    SelectCaption("jeu.lnk");
    messages.answer = IDNO;
    {
        testing_support::HeldKeys ctrl({VK_CONTROL});
        main->LsFileListView1KeyDown(VK_DELETE);
    }
    EXPECT_TRUE(messages.shown.empty()) << "Ctrl+Delete is nothing";
    Key(VK_DELETE);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Suppression de ce raccourci ?"});
    EXPECT_EQ(messages.shown[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_TRUE(ui::PathExists(root + "\\Jeu.lnk"));
}

TEST_F(EditingTest, FoldersAreRenamedByEnterAndOpenedByADoubleClick) {
    CreateDirectoryA((root + "\\Jeux").c_str(), nullptr);
    Reload();
    std::string typed;
    answer = [&](ui::Form&) {
        EXPECT_EQ(nomdossier->helpContext, 70);
        nomdossier->ENomdossier.SetText(typed);
        return static_cast<int>(ui::mrOk);
    };
    SelectCaption("jeux");
    typed = "jeux";
    Key(VK_RETURN);
    EXPECT_EQ(shownForms.size(), 1u);
    EXPECT_EQ(main->LsFileListView1.ItemText(0), "jeux") << "the same name does nothing";
    typed = "JEUX";
    Key(VK_RETURN);
    EXPECT_EQ(main->LsFileListView1.ItemText(0), "JEUX");
    EXPECT_TRUE(main->EstDossier(root + "\\JEUX"));

    shownForms.clear();
    NMHDR dbl = {main->LsFileListView1.Handle(), 0, static_cast<UINT>(NM_DBLCLK)};
    SendMessageA(main->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&dbl));
    EXPECT_TRUE(shownForms.empty()) << "a double-click opens the folder, no dialog";
    EXPECT_STRCASEEQ(main->LsFileListView1.Directory().c_str(), (root + "\\JEUX").c_str());
}

TEST_F(EditingTest, TheListNeverLeavesTheProfile) {
    for (const char* name : {"A", "B"}) CreateDirectoryA((root + "\\" + name).c_str(), nullptr);
    Reload();
    messages.answer = IDYES;
    SelectCaption("a");
    main->SupprimeSelection();
    answer = [this](ui::Form&) {
        nomdossier->ENomdossier.SetText("C");
        return static_cast<int>(ui::mrOk);
    };
    SelectCaption("b");
    main->ProprietesSelection();
    SelectCaption("C");
    NMHDR dbl = {main->LsFileListView1.Handle(), 0, static_cast<UINT>(NM_DBLCLK)};
    SendMessageA(main->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&dbl));
    EXPECT_STRCASEEQ(main->LsFileListView1.Directory().c_str(), (root + "\\C").c_str()) << "the renamed folder";
    main->TBBPPClick();
    main->TBBPPClick();   // at the root already
    EXPECT_EQ(main->LsFileListView1.Directory(), root);

    // Whatever the process's current folder, a folder that went away or one
    // outside the profile leaves the list where it is.
    SetCurrentDirectoryA(Profiles().c_str());
    for (std::string elsewhere : {root + "\\gone", Profiles(), root + "\\..\\..", std::string("C:\\")}) {
        main->LsFileListView1.SetDirectory(elsewhere);
        EXPECT_EQ(main->LsFileListView1.Directory(), root) << elsewhere;
    }
    // Nor does it go through a link out of the profile.
    ASSERT_TRUE(testing_support::MakeLink(root + "\\ailleurs", Profiles()));
    main->LsFileListView1.SetDirectory(root + "\\ailleurs");
    EXPECT_EQ(main->LsFileListView1.Directory(), root);
}

TEST_F(EditingTest, EditingKeepsTheNameUpToItsFirstDotAndNeverLosesTheShortcut) {
    std::string old = Shortcut(root, "mr.smith", "C:\\windows\\notepad.exe", "lettre.txt");
    Reload();
    SelectCaption("mr.smith.lnk");
    AcceptShortcut("", "");
    main->ProprietesSelection();
    EXPECT_EQ(nouvracc->helpContext, 60);
    ASSERT_EQ(dialogFields.size(), 6u);
    EXPECT_EQ(dialogFields[0], "C:\\windows\\notepad.exe");
    EXPECT_EQ(dialogFields[2], "mr");
    EXPECT_EQ(dialogFields[3], "lettre.txt");
    EXPECT_FALSE(ui::PathExists(old));
    EXPECT_EQ(testing_support::ReadShortcut(root + "\\mr.lnk").Arguments, "lettre.txt");

    // A shortcut that another program holds cannot be replaced: the edit is
    // refused and leaves every file as it was, nothing of its own behind.
    Shortcut(root, "~velmora", "C:\\windows\\regedit.exe");
    Reload();
    SelectCaption("mr.lnk");
    AcceptShortcut("autre", "C:\\windows\\regedit.exe");
    messages.shown.clear();
    {
        ui::KernelHandle held(CreateFileA((root + "\\mr.lnk").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
        main->ProprietesSelection();
    }
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Erreur en modification du raccourci..."});
    EXPECT_EQ(testing_support::ReadShortcut(root + "\\mr.lnk").Target, "C:\\windows\\notepad.exe");
    EXPECT_FALSE(ui::PathExists(root + "\\autre.lnk"));
    EXPECT_EQ(testing_support::EntryNames(root), (std::vector<std::string>{"mr.lnk", "~velmora.lnk"}));

    // Editing the entry whose name the program once used for its own writes.
    SelectCaption("~velmora.lnk");
    AcceptShortcut("~velmora", "C:\\windows\\notepad.exe");
    main->ProprietesSelection();
    EXPECT_EQ(testing_support::ReadShortcut(root + "\\~velmora.lnk").Target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(testing_support::EntryNames(root), (std::vector<std::string>{"mr.lnk", "~velmora.lnk"}));
}

TEST_F(EditingTest, ANameAlreadyTakenIsReplacedOnlyWhenConfirmed) {
    Shortcut(root, "Jeu", "C:\\windows\\notepad.exe");
    Shortcut(root, "Notes", "C:\\windows\\notepad.exe");
    Reload();
    AcceptShortcut("Jeu", "C:\\windows\\regedit.exe");
    messages.answer = IDNO;
    main->TBBAjoRClick();
    EXPECT_EQ(testing_support::ReadShortcut(root + "\\Jeu.lnk").Target, "C:\\windows\\notepad.exe");
    SelectCaption("notes.lnk");
    main->ProprietesSelection();   // renamed onto Jeu: asked too
    EXPECT_TRUE(ui::PathExists(root + "\\Notes.lnk"));
    messages.answer = IDYES;
    main->TBBAjoRClick();
    EXPECT_EQ(testing_support::ReadShortcut(root + "\\Jeu.lnk").Target, "C:\\windows\\regedit.exe");
    EXPECT_EQ(messages.shown.size(), 3u);
}

TEST_F(EditingTest, CopyAndPasteMakeANewShortcutWithTheTargetsOwnIcon) {
    std::string other = root + "\\Outils";
    CreateDirectoryA(other.c_str(), nullptr);
    Shortcut(root, "Jeu", "C:\\windows\\system32\\winemine.exe", "/x");
    Reload();
    AcceptShortcut("", "");
    main->TBCOLLERClick();
    ASSERT_EQ(dialogFields.size(), 6u);
    EXPECT_EQ(dialogFields[0], "") << "paste before any copy opens empty fields";

    SelectCaption("outils");
    main->TBCOPIERClick();
    EXPECT_TRUE(main->TBCOLLER.Enabled()) << "a folder copies nothing but enables paste";
    SelectCaption("jeu.lnk");
    main->TBCOPIERClick();
    dialogFields.clear();
    main->TBCOLLERClick();
    EXPECT_TRUE(dialogFields.empty()) << "not beside a shortcut of the same name";

    main->LsFileListView1.SetDirectory(other);
    main->TBCOLLERClick();
    ASSERT_EQ(dialogFields.size(), 6u);
    EXPECT_EQ(dialogFields[0], "C:\\windows\\system32\\winemine.exe");
    EXPECT_EQ(dialogFields[2], "jeu");
    EXPECT_EQ(dialogFields[3], "/x");
    EXPECT_EQ(dialogFields[4], "C:\\windows\\system32\\winemine.exe");
    EXPECT_EQ(dialogFields[5], "0");
    EXPECT_EQ(testing_support::ReadShortcut(other + "\\jeu.lnk").Arguments, "/x");
    // Wine's link object reads every show command back as normal: the file's header says what was written.
    std::string file = testing_support::ReadFile(other + "\\jeu.lnk");
    ASSERT_GE(file.size(), 64u);
    EXPECT_EQ(file[60], SW_SHOWNORMAL) << "a new shortcut opens a normal window";
}

TEST_F(EditingTest, AFolderWithAnyOtherAttributeIsTakenForAShortcut) {
    std::string archived = root + "\\Archive";
    CreateDirectoryA(archived.c_str(), nullptr);
    SetFileAttributesA(archived.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    Reload();
    EXPECT_FALSE(main->EstDossier(archived));
    SelectCaption("archive");
    EXPECT_THROW(main->ProprietesSelection(), velmora::EVornShellLink);
    messages.answer = IDYES;
    main->SupprimeSelection();
    ASSERT_EQ(messages.Texts(),
              (std::vector<std::string>{"Suppression de ce raccourci ?", "Erreur en effacement du raccourci..."}));
    EXPECT_TRUE(ui::PathExists(archived));
}

TEST_F(EditingTest, DeletingAFolderTakesItsContentAfterAYes) {
    std::string jeux = root + "\\Jeux";
    CreateDirectoryA(jeux.c_str(), nullptr);
    Shortcut(jeux, "Mines", "C:\\windows\\system32\\winemine.exe");
    Reload();
    SelectCaption("jeux");
    messages.answer = IDNO;
    main->SupprimeSelection();
    EXPECT_TRUE(ui::PathExists(jeux + "\\Mines.lnk"));
    messages.answer = IDYES;
    main->SupprimeSelection();
    EXPECT_EQ(messages.shown.back().text, "Suppression de ce dossier ?");
    EXPECT_FALSE(ui::PathExists(jeux));
    EXPECT_EQ(main->LsFileListView1.Count(), 0);
}
