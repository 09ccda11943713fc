#include "tests/admin/main/main_window_fixture.h"

#include "shared/registry.h"
#include "shared/shell_link.h"
#include "tests/support/shortcut_file.h"
#include "tests/support/drop_handle.h"

using namespace quorvel;

namespace {

const char kNotepad[] = "C:\\windows\\system32\\notepad.exe";
const char kMines[] = "C:\\windows\\system32\\winemine.exe";
const char kLauncher[] = "C:\\windows\\system32\\rundll32.exe";
const char kSystem[] = "C:\\windows\\system32\\";

// Keys written under HKEY_CLASSES_ROOT for one test, and removed with every
// key that they brought into being, the deepest first.
class Associations {
public:
    Associations() = default;
    Associations(const Associations&) = delete;
    Associations& operator=(const Associations&) = delete;
    ~Associations() {
        for (auto key = created_.rbegin(); key != created_.rend(); ++key)
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key->c_str());
    }

    // The key's default value; a value of none leaves the key without one.
    void Set(const std::string& path, const char* value) {
        for (size_t cut = path.find('\\');; cut = path.find('\\', cut + 1)) {
            std::string key = path.substr(0, cut);
            if (!velmora::RegistryKey::OpenReadOnly(HKEY_CLASSES_ROOT, key.c_str()).IsOpen()) created_.push_back(key);
            if (cut == std::string::npos) break;
        }
        velmora::RegistryKey key = velmora::RegistryKey::Create(HKEY_CLASSES_ROOT, path.c_str());
        ASSERT_TRUE(key.IsOpen()) << path;
        if (value) key.WriteString("", value);
    }
    // An extension, its class, the class's command and, when given, its icon.
    void Class(const std::string& extension, const std::string& name, const char* command,
               const char* icon = nullptr) {
        Set(extension, name.c_str());
        if (command) Set(name + "\\shell\\open\\command", command);
        if (icon) Set(name + "\\defaulticon", icon);
    }

private:
    std::vector<std::string> created_;
};

// The shortcut dialog's fields as it opened, and whether it showed an icon.
struct Fields {
    std::string cible, demar, parametres, sousicon, fichierIcone, numIcone;
    bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& f, std::ostream* out) {
    *out << "{" << f.cible << " | " << f.demar << " | " << f.parametres << " | " << f.sousicon << " | "
         << f.fichierIcone << " | " << f.numIcone << "}";
}

class DropTest : public MainWindowTest {
protected:
    DropTest() {
        main->Show();   // opens the default profile
        root = main->DossierBureau;
        messages.shown.clear();
        answer = [this](ui::Form& form) -> int {
            EXPECT_EQ(&form, nouvracc.get());
            opened.push_back({nouvracc->Cible.Text(), nouvracc->Demar.Text(), nouvracc->Parametres.Text(),
                              nouvracc->Sousicon.Text(), nouvracc->FichierIcone.Text(), nouvracc->NumIcone.Text()});
            preview = nouvracc->ICO.Icon() != nullptr;
            return accept ? ui::mrOk : ui::mrCancel;
        };
    }

    // Files dropped on the list as the shell drops them; the dialog as the
    // drop opened it.
    void Send(const std::vector<std::string>& files) {
        opened.clear();
        SendMessageA(main->LsFileListView1.Handle(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(testing_support::MakeDrop(files)), 0);
    }
    Fields Drop(const std::vector<std::string>& files) {
        Send(files);
        EXPECT_EQ(opened.size(), 1u) << "the dialog opens once";
        return opened.empty() ? Fields{} : opened.back();
    }
    // Leftovers of an earlier use of the dialog.
    void FillDialog() {
        for (ui::Edit* field : {&nouvracc->Cible, &nouvracc->Demar, &nouvracc->Sousicon, &nouvracc->Parametres,
                                &nouvracc->FichierIcone, &nouvracc->NumIcone})
            field->SetText("avant");
    }
    std::string Shortcut(const std::string& name, const std::string& target, const std::string& arguments) {
        velmora::TVornShellLink link;
        link.SetFileName(files / name);
        link.Target = target;
        link.Arguments = arguments;
        link.WorkingDir = "C:\\ailleurs";
        link.FileIcon() = {kNotepad, 3};
        link.WriteLink();
        return link.FileName();
    }

    std::string root;
    Associations associations;
    TempFolder files;
    std::vector<Fields> opened;
    bool preview = false;
    bool accept = false;
};

TEST_F(DropTest, ALetterOpensWithTheProgramAndIconThatItsClassNames) {
    associations.Class(".vlmtxt", "velmora.txtfile", "C:\\WINDOWS\\NOTEPAD.EXE %1",
                       "C:\\WINDOWS\\SYSTEM\\SHELL32.DLL,-152");
    accept = true;
    EXPECT_EQ(Drop({"C:\\DOCS\\LETTRE.VLMTXT"}),
              (Fields{"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\", "C:\\DOCS\\LETTRE.VLMTXT", "LETTRE",
                      "C:\\WINDOWS\\SYSTEM\\SHELL32.DLL", "-152"}));
    EXPECT_TRUE(messages.TakeTexts().empty());
    EXPECT_EQ(nouvracc->helpContext, 30);

    velmora::TVornShellLink written = testing_support::ReadShortcut(root + "\\LETTRE");
    EXPECT_EQ(written.Arguments, "C:\\DOCS\\LETTRE.VLMTXT");
    EXPECT_EQ(written.FileIcon().IconIndex, -152);
    EXPECT_EQ(main->LsFileListView1.Count(), 1);
}

TEST_F(DropTest, QuotedCommandsAndIconsWithoutAnIndex) {
    associations.Class(".vlmdoc", "velmora.docfile", "\"C:\\PROGRA~1\\APP.EXE\" \"%1\"", "C:\\ICONES\\APP.ICO");
    associations.Class(".vlmrtf", "velmora.rtffile", "C:\\Program Files\\Wordpad\\wordpad.exe \"%1\"",
                       "\"C:\\ICONES\\DOC.ICO\",2");
    EXPECT_EQ(Drop({"C:\\RAPPORTS\\rapport.2024.vlmdoc"}),
              (Fields{"C:\\PROGRA~1\\APP.EXE", "C:\\PROGRA~1\\", "C:\\RAPPORTS\\rapport.2024.vlmdoc", "rapport",
                      "C:\\ICONES\\APP.ICO", "0"}));
    // An unquoted program path with blanks ends before its quoted placeholder.
    EXPECT_EQ(Drop({"C:\\notes.vlmrtf"}),
              (Fields{"C:\\Program Files\\Wordpad\\wordpad.exe", "C:\\Program Files\\Wordpad\\", "C:\\notes.vlmrtf",
                      "notes", "C:\\ICONES\\DOC.ICO", "2"}));
    EXPECT_TRUE(messages.TakeTexts().empty());
}

TEST_F(DropTest, ALibraryLauncherCommandTakesItsLibraryAsParameters) {
    std::string launched = std::string(kLauncher) + " shimgvw.dll,ImageView_Fullscreen %1";
    associations.Class(".vlmimg", "velmora.imgfile", launched.c_str(), "C:\\ICONES\\IMAGE.ICO,4");
    EXPECT_EQ(Drop({"C:\\PHOTOS\\ete.vlmimg"}),
              (Fields{kLauncher, kSystem, "shimgvw.dll,ImageView_Fullscreen C:\\PHOTOS\\ete.vlmimg", "ete", kLauncher,
                      "0"}))
        << "the program's icon, not the class's";
    EXPECT_TRUE(messages.TakeTexts().empty());
}

TEST_F(DropTest, LookupsWithoutAnIconIndexFallBackToTheProgramOrTheDocument) {
    associations.Class(".vlmvide", "velmora.vide", "");
    associations.Class(".vlmrun", "velmora.run", "RUNDLL32.EXE");
    std::string noPlaceholder = std::string(kLauncher) + " url.dll,FileProtocolHandler";
    associations.Class(".vlmurl", "velmora.url", noPlaceholder.c_str());
    std::string notepad = std::string(kNotepad) + " %1";
    associations.Class(".vlmnote", "velmora.note", notepad.c_str());

    EXPECT_EQ(Drop({"C:\\DOCS\\vide.vlmvide"}),
              (Fields{"", "", "C:\\DOCS\\vide.vlmvide", "vide", "C:\\DOCS\\vide.vlmvide", "0"}))
        << "no program: the document's icon";
    EXPECT_EQ(Drop({"C:\\DOCS\\seul.vlmrun"}),
              (Fields{"RUNDLL32.EXE", "", "C:\\DOCS\\seul.vlmrun", "seul", "RUNDLL32.EXE", "0"}));
    EXPECT_EQ(Drop({"C:\\DOCS\\lien.vlmurl"}),
              (Fields{kLauncher, kSystem, "url.dll,FileProtocolHandler C:\\DOCS\\lien.vlmurl", "lien", kLauncher,
                      "0"}));
    EXPECT_EQ(Drop({"C:\\DOCS\\memo.vlmnote"}),
              (Fields{kNotepad, kSystem, "C:\\DOCS\\memo.vlmnote", "memo", kNotepad, "0"}))
        << "a class without \"defaulticon\": the program's icon";
    EXPECT_TRUE(preview);
    EXPECT_TRUE(messages.TakeTexts().empty());
}

TEST_F(DropTest, FailedLookupsSayWhyAndStillOpenTheDialogWithAnEmptyTarget) {
    associations.Set(".vlmsansclasse", nullptr);
    associations.Class(".vlmsanscommande", "velmora.sanscommande", nullptr, "C:\\ICONES\\X.ICO");
    const char* expected[] = {"Impossible de trouver l'application cible...",
                              "Erreur en lecture de la base de registre...",
                              "Erreur en lecture de la base de regsitre : clé \"command\"",
                              "Impossible de trouver l'application cible..."};
    const char* dropped[] = {"C:\\DOCS\\a.vlminconnue", "C:\\DOCS\\b.vlmsansclasse", "C:\\DOCS\\c.vlmsanscommande",
                             "C:\\DOCS\\LISEZMOI"};
    for (int i = 0; i < 4; ++i) {
        FillDialog();
        EXPECT_EQ(Drop({dropped[i]}), (Fields{"", "", "avant", "avant", "avant", "avant"})) << dropped[i];
        EXPECT_EQ(messages.TakeTexts(), std::vector<std::string>{expected[i]}) << dropped[i];
    }
}

TEST_F(DropTest, ProgramsAreTakenAsTheyAre) {
    FillDialog();
    EXPECT_EQ(Drop({kMines}), (Fields{kMines, kSystem, "", "winemine", kMines, "0"}));
    EXPECT_TRUE(preview);
    EXPECT_EQ(Drop({"C:\\JEUX\\DEMINEUR.EXE"}),
              (Fields{"C:\\JEUX\\DEMINEUR.EXE", "C:\\JEUX\\", "", "DEMINEUR", "C:\\JEUX\\DEMINEUR.EXE", "0"}));
    EXPECT_TRUE(messages.TakeTexts().empty());
}

TEST_F(DropTest, ShortcutsGiveTheirNameTargetAndArgumentsButNotTheirFolderOrIcon) {
    std::string notepad = std::string(kNotepad) + " %1";
    associations.Class(".vlmtxt", "velmora.txtfile", notepad.c_str(), "C:\\WINDOWS\\SYSTEM\\SHELL32.DLL,-152");
    FillDialog();
    EXPECT_EQ(Drop({Shortcut("Mes.Mines.lnk", kMines, "/q")}), (Fields{kMines, kSystem, "/q", "Mes", kMines, "0"}));
    // To a document: the program found for it, the document's name, the
    // program's first icon.
    EXPECT_EQ(Drop({Shortcut("Courrier.lnk", "C:\\DOCS\\NOTE.VLMTXT", "/x")}),
              (Fields{kNotepad, kSystem, "C:\\DOCS\\NOTE.VLMTXT", "NOTE", kNotepad, "0"}));
    EXPECT_TRUE(messages.TakeTexts().empty());

    // To a document that nothing opens: the shortcut's name and nothing else.
    EXPECT_EQ(Drop({Shortcut("Perdu.lnk", "C:\\DOCS\\NOTE.VLMINCONNUE", "/x")}),
              (Fields{"", "", "", "Perdu", "", "0"}));
    EXPECT_FALSE(preview);
    EXPECT_EQ(messages.TakeTexts(), std::vector<std::string>{"Impossible de trouver l'application cible..."});

    // One that cannot be read stops the drop.
    Send({files / "absent.lnk"});
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages.TakeTexts(), std::vector<std::string>{"Lien non trouvé."});
}

TEST_F(DropTest, SeveralFilesAtOnceOpenAnEmptyTargetAndTheLimitStillHolds) {
    FillDialog();
    EXPECT_EQ(Drop({kMines, kNotepad, "C:\\DOCS\\LETTRE.TXT"}), (Fields{"", "", "avant", "avant", "avant", "avant"}))
        << "nothing else is set";
    EXPECT_EQ(main->FileDrop1.FileCount(), 3);
    EXPECT_TRUE(messages.TakeTexts().empty());

    for (int i = 0; i < 23; ++i) CreateDirectoryA((root + "\\d" + std::to_string(i)).c_str(), nullptr);
    main->LsFileListView1.SetDirectory(root + "\\");
    Send({kMines});
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages.TakeTexts(), std::vector<std::string>{"Vous avez atteint le nombre maximum d'icônes sur le bureau..."});
}

// Wine ships the classes of text and settings files with their commands, but
// not the link from ".txt" to its class: the test adds that link when it is
// missing, and takes ".ini" whole from Wine.
TEST_F(DropTest, TextFilesOpenWithTheProgramThatWineAssociates) {
    if (!velmora::RegistryKey::OpenReadOnly(HKEY_CLASSES_ROOT, ".txt").IsOpen())
        associations.Set(".txt", "txtfile");
    for (std::string name : {"Lettre.txt", "Reglages.ini"}) {
        std::string document = files.WriteFile(name, "Bonjour");
        Fields f = Drop({document});
        EXPECT_STRCASEEQ(f.cible.c_str(), kNotepad) << name;
        EXPECT_STRCASEEQ(f.demar.c_str(), kSystem);
        EXPECT_EQ(f.parametres, document);
        EXPECT_EQ(f.sousicon, name.substr(0, name.find('.')));
        EXPECT_STRCASEEQ(f.fichierIcone.c_str(), kNotepad);
        EXPECT_TRUE(preview);
        EXPECT_TRUE(messages.TakeTexts().empty());
    }
}

}  // namespace
