// Files dropped on the list become shortcuts: a program or a shortcut is
// taken as it is, a document is opened by the program that the system's file
// associations name for its extension. The shortcut dialog is filled with
// what was found and the new-shortcut command takes over, so the
// administrator can correct the fields before anything is written.
#include "admin/main/main_window.h"

#include "admin/dialogs/nouvracc.h"
#include "admin/rules/shortcut_names.h"
#include "shared/ansi_text.h"
#include "shared/registry.h"

#include <algorithm>
#include <optional>

namespace quorvel {

namespace {

// The system's library launcher, and the longest program or library
// arguments taken from an association's command.
constexpr char kLibraryLauncher[] = "RUNDLL32.EXE";
constexpr size_t kMaxCommandPart = 150;
constexpr size_t kMaxIconIndex = 10;

bool IsProgram(const std::string& extension) {
    return extension == ".EXE" || extension == ".COM" || extension == ".BAT" || extension == ".PIF";
}

std::string TrimmedLeft(const std::string& text) {
    size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

// What comes before the document placeholder: " %1", or " "%1"" quoted.
std::string BeforePlaceholder(const std::string& text) {
    return text.substr(0, std::min(text.find(" %"), text.find(" \"%")));
}

// Later systems store commands and icons with %SystemRoot% and the like;
// the document placeholders (%1) are no variables and stay as they are.
std::string Expanded(const std::string& value) {
    DWORD size = ExpandEnvironmentStringsA(value.c_str(), nullptr, 0);
    if (size == 0) return value;
    std::string expanded(size, '\0');
    if (ExpandEnvironmentStringsA(value.c_str(), expanded.data(), size) == 0) return value;
    return expanded.c_str();
}

// The default value of a key of HKEY_CLASSES_ROOT; none when the key cannot
// be opened. Keys are only ever read here.
std::optional<std::string> ClassValue(const std::string& path) {
    velmora::RegistryKey key = velmora::RegistryKey::OpenReadOnly(HKEY_CLASSES_ROOT, path.c_str());
    if (!key.IsOpen()) return std::nullopt;
    return Expanded(key.ReadString("").value_or(""));
}

// An association's command: the program, and what follows it. A quoted
// program ends at its closing quote; an unquoted one at the first blank, or,
// where the program path may hold blanks, before the document placeholder.
struct Command {
    std::string program, rest;
};

Command SplitCommand(const std::string& command, bool blankEndsProgram) {
    if (!command.empty() && command[0] == '"') {
        std::string quoted = command.substr(1, kMaxCommandPart);
        size_t close = quoted.find('"');
        if (close == std::string::npos) return {quoted, {}};
        return {quoted.substr(0, close), TrimmedLeft(command.substr(close + 2))};
    }
    if (!blankEndsProgram) return {BeforePlaceholder(command), {}};
    size_t blank = command.find(' ');
    if (blank == std::string::npos) return {command, {}};
    return {command.substr(0, blank), command.substr(blank + 1)};
}

struct IconPlace {
    std::string file;
    int index = 0;
};

// The icon that a class's "defaulticon" names: a file, optionally followed by
// a comma and an index (a negative one is a resource number). "%1" stands for
// the document itself. None when the key is missing or names no usable icon.
std::optional<IconPlace> DefaultIcon(const std::string& className, const std::string& document) {
    std::optional<std::string> value = ClassValue(className + "\\defaulticon");
    if (!value || value->empty()) return std::nullopt;
    IconPlace icon{*value, 0};
    size_t comma = value->rfind(',');
    if (comma != std::string::npos) {
        std::optional<int> index = DecimalValue(TrimmedLeft(value->substr(comma + 1, kMaxIconIndex)));
        if (!index) return std::nullopt;
        icon = {value->substr(0, comma), *index};
    }
    if (icon.file.size() > 1 && icon.file.front() == '"' && icon.file.back() == '"')
        icon.file = icon.file.substr(1, icon.file.size() - 2);
    if (icon.file == "%1") icon.file = document;
    return icon.file.empty() ? std::nullopt : std::optional<IconPlace>(icon);
}

void ShowIcon(TNouvracc& dialog, const std::string& file, int index) {
    dialog.FichierIcone.SetText(file);
    dialog.NumIcone.SetText(std::to_string(index));
    dialog.ICO.SetIcon(dialog.ExtraitIcone(file, index));
}

}  // namespace

std::string TMain::ChercheApplication(const std::string& extension, const std::string& file) {
    // A name without an extension has no association: the empty key would be
    // the root of the classes itself.
    std::optional<std::string> className = extension.empty() ? std::nullopt : ClassValue(extension);
    if (!className) {
        Message("Impossible de trouver l'application cible...");
        return {};
    }
    if (className->empty()) {
        Message("Erreur en lecture de la base de registre...");
        return {};
    }
    std::optional<std::string> command = ClassValue(*className + "\\shell\\open\\command");
    if (!command) {
        Message("Erreur en lecture de la base de regsitre : clé \"command\"");
        return {};
    }

    TNouvracc& dialog = *Nouvracc;
    dialog.Sousicon.SetText(NameBeforeFirstDot(FileNamePart(file)));
    bool throughLauncher = velmora::UpperCase(*command).find(kLibraryLauncher) != std::string::npos;
    Command parts = SplitCommand(*command, throughLauncher);
    std::optional<IconPlace> icon;
    if (throughLauncher) {
        // The launcher, then the library and its entry point, then the document.
        std::string library = BeforePlaceholder(parts.rest.substr(0, kMaxCommandPart));
        dialog.Parametres.SetText(library.empty() ? file : library + " " + file);
    } else {
        dialog.Parametres.SetText(file);
        icon = DefaultIcon(*className, file);
    }
    const std::string& program = parts.program;
    // Without an icon of the class's own, the program's first icon, or the
    // document's when no program was found.
    if (!icon) icon = IconPlace{program.empty() ? file : program, 0};
    ShowIcon(dialog, icon->file, icon->index);
    return program;
}

void TMain::FileDrop1Drop() {
    TNouvracc& dialog = *Nouvracc;
    std::string target;
    if (FileDrop1.FileCount() == 1) {
        const std::string file = FileDrop1.Files().front();
        const std::string extension = velmora::UpperCase(ExtensionPart(file));
        if (!IsProgram(extension) && extension != ".LNK") {
            target = ChercheApplication(extension, file);
        } else {
            std::string iconFile;
            dialog.Parametres.SetText("");
            dialog.Sousicon.SetText(NameBeforeFirstDot(FileNamePart(file)));
            if (IsProgram(extension)) {
                target = iconFile = file;
            } else {
                // The shortcut's own working folder and icon are not taken over.
                try {
                    dialog.SHL2.SetFileName(file);
                    dialog.SHL2.ReadLink();
                } catch (const velmora::EVornShellLink& e) {
                    Message(e.what());
                    return;
                }
                const std::string linked = dialog.SHL2.Target;
                const std::string linkedExtension = velmora::UpperCase(ExtensionPart(linked));
                if (IsProgram(linkedExtension) || linkedExtension == ".LNK") {
                    target = iconFile = linked;
                    dialog.Parametres.SetText(dialog.SHL2.Arguments);
                } else {
                    target = iconFile = ChercheApplication(linkedExtension, linked);
                }
            }
            ShowIcon(dialog, iconFile, 0);
        }
    }
    dialog.Cible.SetText(target);
    dialog.Demar.SetText(FolderPart(target));
    NouveauRaccourci();
}

}  // namespace quorvel
