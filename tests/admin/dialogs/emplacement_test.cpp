#include "admin/dialogs/emplacement.h"

#include "tests/admin/main/main_window_fixture.h"
#include "tests/support/saved_value.h"
#include "ui/application.h"
#include "ui/handles.h"

using namespace quorvel;
using testing_support::EntryNames;
using testing_support::TreeContents;

namespace {

void Click(ui::CheckBox& radio) { SendMessageA(radio.Handle(), BM_CLICK, 0, 0); }

class EmplacementTest : public MainWindowTest {
protected:
    EmplacementTest() {
        velmora::SetSharedProfilesFolder("");
        TempFolder::WriteAt(windows.MakeFolder("velmo\\marc") + "\\Perso.lnk", "perso");
        TempFolder::WriteAt(Profiles() + "\\marc.ini", "[Windows]\r\nExit=1\r\n");
        TempFolder::WriteAt(windows.MakeFolder("velmo\\.default\\Outils") + "\\Calc.lnk", "calc");
        TempFolder::WriteAt(Profiles() + "\\.default\\~vlm0001.lnk", "à moitié");
        selectUser->onEmplacement = [this] { main->OuvreProfilParDefaut(); };
    }

    // Answers the place dialog: the shared folder typed (the local profiles
    // when empty) and OK, `copy` to the offer of a copy.
    void Choose(const std::string& typed, int copy = IDYES) {
        answer = [=, this](ui::Form& form) {
            auto& dialog = dynamic_cast<TEmplacement&>(form);
            Click(*(typed.empty() ? dialog.RBLocal : dialog.RBPartage));
            dialog.EChemin->SetText(typed);
            int saved = std::exchange(messages.answer, copy);
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
    const std::string local = "Choisissez un dossier distinct du dossier des profils de cette machine...";
    const std::pair<std::string, std::string> cases[] = {
        {"  ", "Tapez ou choisissez le dossier partagé des profils..."},
        {"N:VELMORA", "Ce chemin ne convient pas : tapez un chemin complet, comme \\\\SERVEUR\\VELMORA ou N:\\VELMORA..."},
        {Profiles() + "\\marc", local},
        {windows.Path(), local},
        {share / "absent", "Le dossier partagé " + (share / "absent") + " ne répond pas..."},
    };
    Click(*dialog.RBPartage);
    for (const auto& [typed, message] : cases) {
        messages.shown.clear();
        dialog.EChemin->SetText(typed);
        dialog.BitBtn1->Click();
        EXPECT_EQ(dialog.modalResult, ui::mrNone) << typed;
        EXPECT_EQ(Texts(), std::vector<std::string>{message}) << typed;
    }
    EXPECT_FALSE(Value());
    EXPECT_TRUE(EntryNames(share.Path()).empty());
}

TEST_F(EmplacementTest, AnEmptyShareGetsTheMachinesProfilesWithoutLosingWhatItHolds) {
    share.WriteFile("marc.ini", "[Windows]\r\nExit=0\r\n");   // no profile of its own
    ui::platform().browseFolder = [this](HWND, const std::string&) { return std::optional<std::string>(share.Path()); };
    answer = [this](ui::Form& form) {
        auto& dialog = dynamic_cast<TEmplacement&>(form);
        EXPECT_TRUE(dialog.RBLocal->Checked() && !dialog.EChemin->Enabled()) << "local to begin with";
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
    EXPECT_EQ(selectUser->ListBox1.Count(), 2);
    EXPECT_EQ(main->DossierBureau, velmora::UpperCase(share.Path()) + "\\.default") << "opened from there";

    Choose("");
    selectUser->BitBtn5Click();
    EXPECT_FALSE(Value());
    EXPECT_EQ(selectUser->DossierProfils, Profiles());
}

TEST_F(EmplacementTest, AFailedCopyTakesBackWhatItMade) {
    share.WriteFile("lisez.txt", "garde");
    auto before = TreeContents(share.Path());
    ui::FileHandle held(CreateFileA((Profiles() + "\\marc\\Perso.lnk").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    Choose(share.Path());
    selectUser->BitBtn5Click();
    EXPECT_EQ(Texts().back(), "La copie des profils a échoué, rien n'a été modifié...");
    EXPECT_EQ(TreeContents(share.Path()), before);
    EXPECT_FALSE(Value());
}

TEST_F(EmplacementTest, EveryCommandFailsInTheProgramsWordsWhenTheShareStopsAnswering) {
    main->Show();
    Choose(share.Path(), IDNO);   // the share starts with a default profile of its own
    selectUser->BitBtn5Click();
    EXPECT_EQ(Texts().back(), "Création de l'utilisateur par défaut.\rN'oubliez pas de paramétrer celui-ci...");
    std::string root = main->DossierBureau;
    ASSERT_EQ(root, velmora::UpperCase(share.Path()) + "\\.default");
    TempFolder::WriteAt(share / ".default\\Jeu.lnk", "jeu");
    main->LsFileListView1.SetDirectory(root + "\\");
    main->LsFileListView1.Select(0);
    auto before = TreeContents(share.Path());

    std::string away = share.Path() + "-coupe";
    ASSERT_TRUE(MoveFileA(share.Path().c_str(), away.c_str()));
    answer = [this](ui::Form&) {
        nomdossier->ENomdossier.SetText("Neuf");
        nouvracc->Cible.SetText("C:\\windows\\notepad.exe");
        nouvracc->Sousicon.SetText("Notes");
        return static_cast<int>(ui::mrOk);
    };
    const std::pair<void (TMain::*)(), std::vector<std::string>> commands[] = {
        {&TMain::NouveauDossier, {"Impossible de créer ce répertoire..."}},
        {&TMain::TBBAjoRClick, {"Impossible d'ajouter cette application..."}},
        {&TMain::SupprimeSelection, {"Suppression de ce raccourci ?", "Erreur en effacement du raccourci..."}},
        {&TMain::SauveParametres, {"Ne peut écrire dans " + root + ".ini."}},
    };
    for (const auto& [command, texts] : commands) {
        messages.shown.clear();
        ui::Guarded([&] { (main.get()->*command)(); });   // as a handler runs
        EXPECT_EQ(Texts(), texts);
    }
    ASSERT_TRUE(MoveFileA(away.c_str(), share.Path().c_str()));
    EXPECT_EQ(TreeContents(share.Path()), before) << "nothing half-written";
}
