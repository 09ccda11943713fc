#include "shared/shell_link.h"

#include "shared/registry.h"
#include "ui/handles.h"
#include "tests/support/test_folder.h"
#include "ui/path_kind.h"

#include <gtest/gtest.h>

using namespace velmora;
using testing_support::TempFolder;

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Normalised(const std::string& name) {
    TVornShellLink link;
    link.SetFileName(name);
    return link.FileName();
}

// Offsets of the show command and hot key in a shortcut file's header.
int32_t StoredShowCmd(const std::string& file) {
    std::string bytes = testing_support::ReadFile(file);
    return bytes.size() < 0x44 ? -1 : *reinterpret_cast<const int32_t*>(bytes.data() + 0x3C);
}
uint16_t StoredHotKey(const std::string& file) {
    std::string bytes = testing_support::ReadFile(file);
    return bytes.size() < 0x44 ? 0 : *reinterpret_cast<const uint16_t*>(bytes.data() + 0x40);
}

void ExpectFields(const TVornShellLink& link, const std::string& target, const std::string& args) {
    EXPECT_EQ(link.Target, target);
    EXPECT_EQ(link.Arguments, args);
}

}  // namespace

TEST(ShellLinkName, GetsTheLinkExtensionOnce) {
    EXPECT_EQ(Normalised(""), "");
    EXPECT_EQ(Normalised("C:\\x\\"), "");
    EXPECT_EQ(Normalised("C:\\x\\Bloc-notes"), "C:\\x\\Bloc-notes.lnk");
    EXPECT_EQ(Normalised("C:\\x\\lisez.txt"), "C:\\x\\lisez.txt.lnk");
    EXPECT_EQ(Normalised("C:\\x\\Jeu.LnK"), "C:\\x\\Jeu.LnK");
    EXPECT_EQ(Normalised("C:\\x.d\\Jeu"), "C:\\x.d\\Jeu.lnk") << "a dot in a folder is no extension";
    TVornShellLink link;
    link.SetFileName("C:\\x\\Bloc-notes");
    link.SetFileName("C:\\x\\Bloc-notes");
    EXPECT_EQ(link.FileName(), "C:\\x\\Bloc-notes.lnk");
}

TEST(ShellLinkName, SpecialFolderRedirection) {
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kShellFolders);
    auto saved = key.ReadString("Desktop");
    key.WriteString("Desktop", "C:\\Bureau");

    TVornShellLink link;
    link.SetShellFolder(TShellFolder::sfDesktop);
    link.SetFileName("C:\\x\\Jeu");
    EXPECT_EQ(link.FileName(), "C:\\Bureau\\Jeu.lnk");
    link.SetShellFolder(TShellFolder::sfNone);
    EXPECT_EQ(link.FileName(), "C:\\Bureau\\Jeu.lnk");

    TVornShellLink late;
    late.SetFileName("C:\\x\\Notes");
    late.SetShellFolder(TShellFolder::sfDesktop);
    EXPECT_EQ(late.FileName(), "C:\\Bureau\\Notes.lnk");

    if (saved) key.WriteString("Desktop", *saved);
    else key.DeleteValue("Desktop");
}

TEST(ShellLinkFields, HotKeyAndWindowStateMappings) {
    TVornShellLink link;
    link.SetHotKey(0x74 | kHotKeyCtrl | kHotKeyAlt);
    EXPECT_EQ(link.HotKeyWord(), 0x0674);
    EXPECT_EQ(link.HotKey(), 0xC074);
    link.SetHotKey(0x41 | kHotKeyShift);
    EXPECT_EQ(link.HotKeyWord(), 0x0141);
    link.SetHotKeyWord(0x0874);
    EXPECT_EQ(link.HotKey(), 0x0074) << "the extended-key flag is dropped";

    link.SetWindowState(TWindowState::wsMinimized);
    EXPECT_EQ(link.ShowCmd, 7);
    link.SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(link.ShowCmd, 3);
    EXPECT_EQ(link.WindowState(), TWindowState::wsMaximized);
    link.ShowCmd = 2;
    EXPECT_EQ(link.WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(link.ShowCmd, 2) << "reading the state changes nothing";
}

TEST(ShellLinkFile, WriteThenReadThroughTheSystemObject) {
    TempFolder dir;
    TVornShellLink writer;
    writer.SetFileName(dir / "Bloc-notes");
    writer.Target = "C:\\windows\\notepad.exe";
    writer.Arguments = "C:\\lisez.txt";
    writer.WorkingDir = "C:\\windows";
    writer.Description = "Éditeur de texte";
    writer.SetHotKey(0x74 | kHotKeyCtrl | kHotKeyAlt);
    writer.SetFileIcon({"C:\\windows\\system32\\shell32.dll", 4});
    writer.ShowCmd = 2;
    writer.WriteLink();

    std::string file = dir / "Bloc-notes.lnk";
    ASSERT_TRUE(ui::PathExists(file));
    EXPECT_EQ(StoredShowCmd(file), 2) << "an unusual show command is written back unchanged";
    EXPECT_EQ(StoredHotKey(file), 0x0674);

    TVornShellLink reader;
    reader.SetFileName(file);
    reader.ReadLink();
    ExpectFields(reader, "C:\\windows\\notepad.exe", "C:\\lisez.txt");
    EXPECT_EQ(reader.WorkingDir, "C:\\windows");
    EXPECT_EQ(reader.Description, "Éditeur de texte");
    EXPECT_EQ(reader.HotKey(), 0xC074);
    EXPECT_EQ(reader.FileIcon().FileName, "C:\\windows\\system32\\shell32.dll");
    EXPECT_EQ(reader.FileIcon().IconIndex, 4);
}

TEST(ShellLinkFile, AReadKeepsUntouchedFieldsForTheNextWrite) {
    TempFolder dir;
    TVornShellLink link;
    link.SetFileName(dir / "a");
    link.Target = "C:\\windows\\notepad.exe";
    link.Description = "premier";
    link.SetHotKey(0x41 | kHotKeyCtrl);
    link.WriteLink();
    link.SetFileName(dir / "a.lnk");
    link.ReadLink();
    link.Arguments = "fichier.txt";
    link.SetFileName(dir / "b");
    link.WriteLink();

    TVornShellLink copy;
    copy.SetFileName(dir / "b.lnk");
    copy.ReadLink();
    EXPECT_EQ(copy.Description, "premier");
    EXPECT_EQ(copy.HotKey(), 0x41 | kHotKeyCtrl);
    ExpectFields(copy, "C:\\windows\\notepad.exe", "fichier.txt");
}

TEST(ShellLinkFile, FailedReadsLeaveEveryPropertyAsItWas) {
    TempFolder dir;
    dir.MakeFolder("dossier.lnk");
    dir.WriteFile("vide.lnk", "");
    std::string junk(3000, '\x5A');
    dir.WriteFile("junk.lnk", junk);

    struct Case { std::string name; const char* message; };
    for (const Case& c : {Case{dir / "absent", "Lien non trouvé."},
                          Case{dir / "dossier.lnk", "Lien non trouvé."},
                          Case{dir / "vide.lnk", "Erreur en lecture."},
                          Case{dir / "junk.lnk", "Erreur en lecture."}}) {
        TVornShellLink link;
        link.Target = "cible";
        link.Arguments = "args";
        link.WorkingDir = "wd";
        link.Description = "desc";
        link.ShowCmd = 3;
        link.SetHotKeyWord(0x0241);
        link.SetFileIcon({"icone.ico", 5});
        link.SetFileName(c.name);
        try {
            link.ReadLink();
            ADD_FAILURE() << c.name << " was read";
        } catch (const EVornShellLink& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
        ExpectFields(link, "cible", "args");
        EXPECT_EQ(link.WorkingDir, "wd");
        EXPECT_EQ(link.Description, "desc");
        EXPECT_EQ(link.ShowCmd, 3);
        EXPECT_EQ(link.HotKeyWord(), 0x0241);
        EXPECT_EQ(link.FileIcon().FileName, "icone.ico");
        EXPECT_EQ(link.FileIcon().IconIndex, 5);
    }
}

TEST(ShellLinkFile, WritesThatCannotBeMadeAreRefusedWhole) {
    TempFolder dir;
    TVornShellLink link;
    link.Target = "C:\\windows\\notepad.exe";
    link.SetFileName(dir / "absent\\Jeu");
    EXPECT_THROW(link.WriteLink(), EVornShellLink);

    link.SetFileName(dir / "long");
    link.Arguments = std::string(300, 'a');
    try {
        link.WriteLink();
        ADD_FAILURE() << "an argument of 300 characters was written";
    } catch (const EVornShellLink& e) {
        EXPECT_STREQ(e.what(), "Erreur en écriture.");
    }
    EXPECT_FALSE(ui::PathExists(dir / "long.lnk"));

    link.Arguments = std::string(255, 'a');
    link.WriteLink();
    TVornShellLink reader;
    reader.SetFileName(dir / "long.lnk");
    reader.ReadLink();
    EXPECT_EQ(reader.Arguments, std::string(255, 'a'));

    link.SetFileName(dir / std::string(270, 'n'));
    EXPECT_THROW(link.WriteLink(), EVornShellLink) << "a file name past 259 characters";
}

TEST(ShellLinkFile, AnEmptyTargetStillMakesAFile) {
    TempFolder dir;
    TVornShellLink link;
    link.SetFileName(dir / std::string(200, 'L'));
    link.WriteLink();
    EXPECT_TRUE(ui::PathExists(link.FileName()));
    TVornShellLink reader;
    reader.SetFileName(link.FileName());
    reader.ReadLink();
    EXPECT_EQ(reader.Target, "");
}

// An installer's advertised shortcut names no file: the system answers its
// path without writing one, and the description read before stayed there.
TEST(ShellLinkFile, AnAdvertisedShortcutHasAnEmptyTarget) {
    TempFolder dir;
    TVornShellLink link;
    link.SetFileName(dir / "Installé");
    link.Description = "Traitement de texte";
    link.Target = "::{9DB1186E-40DF-11D1-AA8C-00C04FB67863}:composant::";
    link.WriteLink();
    link.ReadLink();
    EXPECT_EQ(link.Target, "");
}

TEST(ShellLinkIcon, EnvironmentVariablesInTheIconFileAreExpanded) {
    EXPECT_TRUE(ui::IconHandle(ExtractFileIcon("%SystemRoot%\\system32\\shell32.dll", 3)));
}
