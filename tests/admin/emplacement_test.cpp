#include "admin/emplacement.h"

#include "tests/admin/main_window_fixture.h"
#include "tests/support/saved_value.h"
#include "ui/application.h"
#include "ui/handles.h"

using namespace quorvel;
using testing_support::EntryNames;
using testing_support::TreeContents;

namespace {

// A click on a radio button, as the system reports it.
void Click(ui::CheckBox& button) { SendMessageA(button.Handle(), BM_CLICK, 0, 0); }

class EmplacementTest : public MainWindowTest {
protected:
    EmplacementTest() {
        velmora::SetSharedProfilesFolder("");
        CreateDirectoryA((Profiles() + "\\marc").c_str(), nullptr);
        TempFolder::WriteAt(Profiles() + "\\marc\\Perso.lnk", "perso");
        TempFolder::WriteAt(Profiles() + "\\marc.ini", "[Windows]\r\nExit=1\r\n");
        CreateDirectoryA((Profiles() + "\\.default\\Outils").c_str(), nullptr);
        TempFolder::WriteAt(Profiles() + "\\.default\\Outils\\Calc.lnk", "calc");
        TempFolder::WriteAt(Profiles() + "\\.default\\~vlm0001.lnk", "à moitié");
    }

    // Answers the place dialog: the shared folder typed (or the local
    // profiles when empty), then OK; the question gets `copyAnswer`.
    void Choose(const std::string& typed, int copyAnswer = IDYES) {
        answer = [=, this](ui::Form& form) {
            auto& dialog = dynamic_cast<TEmplacement&>(form);
            Click(*(typed.empty() ? dialog.RBLocal : dialog.RBPartage));
            dialog.EChemin->SetText(typed);
            int saved = std::exchange(messages.answer, copyAnswer);
            dialog.BitBtn1->Click();
            messages.answer = saved;
            return dialog.modalResult;
        };
    }
    std::optional<std::string> Value() const {
        return velmora::RegistryKey::OpenReadOnly(HKEY_LOCAL_MACHINE, velmora::kVendorKey)
            .ReadString(velmora::kProfilesLocationValue);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.shown) texts.push_back(m.text);
        return texts;
    }

    testing_support::SavedValue location{HKEY_LOCAL_MACHINE, velmora::kVendorKey, velmora::kProfilesLocationValue};
    TempFolder share;
};

}  // namespace

TEST_F(EmplacementTest, APlaceThatCannotHoldTheProfilesIsRefusedAndNothingChanges) {
    TEmplacement dialog(Profiles());
    const struct {
        std::string typed, message;
    } cases[] = {
        {"  ", "Tapez ou choisissez le dossier partagé des profils..."},
        {"velmo", "Ce chemin ne convient pas : tapez un chemin complet, comme \\\\SERVEUR\\VELMORA ou N:\\VELMORA..."},
        {"N:VELMORA", "Ce chemin ne convient pas : tapez un chemin complet, comme \\\\SERVEUR\\VELMORA ou N:\\VELMORA..."},
        {"\\\\SERVEUR", "Ce chemin ne convient pas : tapez un chemin complet, comme \\\\SERVEUR\\VELMORA ou N:\\VELMORA..."},
        {share / "a\\..\\b", "Ce chemin ne convient pas : tapez un chemin complet, comme \\\\SERVEUR\\VELMORA ou N:\\VELMORA..."},
        {Profiles() + "\\", "Choisissez un dossier distinct du dossier des profils de cette machine..."},
        {Profiles() + "\\marc", "Choisissez un dossier distinct du dossier des profils de cette machine..."},
        {windows.Path(), "Choisissez un dossier distinct du dossier des profils de cette machine..."},
        {share / "absent", "Le dossier partagé " + (share / "absent") + " ne répond pas..."},
    };
    Click(*dialog.RBPartage);
    for (const auto& c : cases) {
        messages.shown.clear();
        dialog.EChemin->SetText(c.typed);
        dialog.BitBtn1->Click();
        EXPECT_EQ(dialog.modalResult, ui::mrNone) << c.typed;
        EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.typed;
    }
    EXPECT_FALSE(Value());
    EXPECT_TRUE(EntryNames(share.Path()).empty());
}

TEST_F(EmplacementTest, AnEmptyShareGetsTheMachinesProfilesWithoutLosingWhatItHolds) {
    share.WriteFile("marc.ini", "[Windows]\r\nExit=0\r\n");   // no profile of its own
    bool reopened = false;
    selectUser->onEmplacement = [&] {
        reopened = true;
        main->OuvreProfilParDefaut();
    };
    ui::platform().browseFolder = [this](HWND, const std::string&) { return std::optional<std::string>(share.Path()); };
    answer = [this](ui::Form& form) {
        auto& dialog = dynamic_cast<TEmplacement&>(form);
        EXPECT_TRUE(dialog.RBLocal->Checked()) << "the profiles are local to begin with";
        EXPECT_FALSE(dialog.EChemin->Enabled());
        Click(*dialog.RBPartage);
        dialog.SBChoix->Click();
        dialog.BitBtn1->Click();
        return dialog.modalResult;
    };
    selectUser->BitBtn5Click();

    EXPECT_EQ(Texts(), std::vector<std::string>{"Le dossier partagé ne contient encore aucun profil. Voulez-vous y "
                                                "copier les profils de cette machine ?"});
    EXPECT_EQ(Value(), share.Path());
    EXPECT_EQ(EntryNames(share.Path()), (std::vector<std::string>{".default", ".default.ini", "marc", "marc.ini"}));
    auto expected = TreeContents(Profiles() + "\\.default");
    expected.erase("~vlm0001.lnk");   // a shortcut still being written
    EXPECT_EQ(TreeContents(share / ".default"), expected);
    EXPECT_EQ(testing_support::ReadFile(share / "marc.ini"), "[Windows]\r\nExit=0\r\n") << "nothing overwritten";
    EXPECT_EQ(selectUser->DossierProfils, share.Path());
    EXPECT_EQ(selectUser->ListBox1->Count(), 2);
    EXPECT_TRUE(reopened);
    EXPECT_EQ(main->DossierBureau, velmora::UpperCase(share.Path()) + "\\.default");

    // Back to the machine's own profiles.
    Choose("");
    selectUser->BitBtn5Click();
    EXPECT_FALSE(Value());
    EXPECT_EQ(selectUser->DossierProfils, Profiles());
}

TEST_F(EmplacementTest, DecliningTheCopyGivesTheShareADefaultProfileOfItsOwn) {
    Choose(share.Path() + "\\", IDNO);
    selectUser->BitBtn5Click();
    EXPECT_EQ(Value(), share.Path());
    EXPECT_EQ(EntryNames(share.Path()), (std::vector<std::string>{".default", ".default.ini"}));
    EXPECT_TRUE(EntryNames(share / ".default").empty());
    EXPECT_EQ(Texts().back(), "Création de l'utilisateur par défaut.\rN'oubliez pas de paramétrer celui-ci...");
}

TEST_F(EmplacementTest, AFailedCopyTakesBackWhatItMade) {
    share.WriteFile("lisez.txt", "garde");
    auto before = TreeContents(share.Path());
    ui::FileHandle held(CreateFileA((Profiles() + "\\marc\\Perso.lnk").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    Choose(share.Path());
    selectUser->BitBtn5Click();
    EXPECT_EQ(Texts().back(), "La copie des profils a échoué, rien n'a été modifié...");
    EXPECT_EQ(TreeContents(share.Path()), before);
    EXPECT_FALSE(Value());
    EXPECT_EQ(selectUser->DossierProfils, Profiles());
}

TEST_F(EmplacementTest, EveryCommandFailsInTheProgramsWordsWhenTheShareStopsAnswering) {
    TempFolder::WriteAt(Profiles() + "\\.default\\Jeu.lnk", "jeu");
    main->Show();
    Choose(share.Path());
    selectUser->onEmplacement = [this] { main->OuvreProfilParDefaut(); };
    selectUser->BitBtn5Click();
    std::string root = main->DossierBureau;
    ASSERT_EQ(root, velmora::UpperCase(share.Path()) + "\\.default");
    auto before = TreeContents(share.Path());
    for (int i = 0; i < main->LsFileListView1->Count(); ++i)
        if (main->LsFileListView1->ItemText(i) == "jeu.lnk") main->LsFileListView1->Select(i);
    ASSERT_GE(main->LsFileListView1->Selected(), 0);

    std::string away = share.Path() + "-coupe";
    ASSERT_TRUE(MoveFileA(share.Path().c_str(), away.c_str()));
    answer = [this](ui::Form& form) {
        if (&form == nomdossier.get()) nomdossier->ENomdossier.SetText("Neuf");
        if (&form == nouvracc.get()) {
            nouvracc->Cible.SetText("C:\\windows\\notepad.exe");
            nouvracc->Sousicon.SetText("Notes");
        }
        return static_cast<int>(ui::mrOk);
    };
    const struct {
        void (TMain::*command)();
        std::vector<std::string> messages;
    } commands[] = {
        {&TMain::NouveauDossier, {"Impossible de créer ce répertoire..."}},
        {&TMain::TBBAjoRClick, {"Impossible d'ajouter cette application..."}},
        {&TMain::SupprimeSelection, {"Suppression de ce raccourci ?", "Erreur en effacement du raccourci..."}},
        {&TMain::SauveParametres, {"Ne peut écrire dans " + root + ".ini."}},
    };
    for (const auto& c : commands) {
        messages.shown.clear();
        // As a handler runs: what it throws reaches the general error handler.
        ui::Guarded([&] { (main.get()->*c.command)(); });
        EXPECT_EQ(Texts(), c.messages);
    }
    ASSERT_TRUE(MoveFileA(away.c_str(), share.Path().c_str()));
    EXPECT_EQ(TreeContents(share.Path()), before) << "nothing half-written";
}
