// Paths and names as the shortcut dialog and its callers cut them, and the
// one test of every name that the administrator types for an entry: a
// shortcut, a folder of a profile, a profile. No window is involved.
#pragma once

#include <optional>
#include <string>

namespace quorvel {

// Up to and including the last backslash or drive colon ("C:\APPS\RUN.BAT"
// gives "C:\APPS\"); empty when the path has neither.
std::string FolderPart(const std::string& path);
// What follows the last backslash or drive colon.
std::string FileNamePart(const std::string& path);
// The file name's extension with its dot (".BAT"), as written; empty when none.
std::string ExtensionPart(const std::string& path);
// A file name up to, not including, its first "." ("MY.APP.EXE" gives "MY");
// empty for a name without any ".".
std::string NameBeforeFirstDot(const std::string& fileName);

// The value of a decimal text ("-2", "17"); none when the text is not one.
std::optional<int> DecimalValue(const std::string& text);

// What keeps a typed name from naming exactly one new entry of the folder it
// is typed for: a path ("..\\EVIL", "C:x"), a device ("CON", "lpt1.txt"), a
// name that the system would cut ("Jeux.", "Jeux ") or one too long.
enum class NameFault { None, Missing, Characters, Reserved, Ending, TooLong };
inline constexpr size_t kMaxTypedName = 64;
NameFault TypedNameFault(const std::string& name);

// Why a text typed under an icon cannot become a shortcut's file name: the
// message to show, or an empty text when the name is usable.
std::string ShortcutNameProblem(const std::string& name);

inline constexpr char kMissingName[] = "Affectez un nom à votre raccourci...";
inline constexpr char kForbiddenCharacters[] =
    "Le nom du raccourci ne peut contenir aucun des caractères \\ / : * ? \" < > |...";
inline constexpr char kBadEnding[] = "Le nom du raccourci ne peut finir par un point ou un espace...";
inline constexpr char kReservedName[] =
    "Ce nom est réservé par le système, choisissez-en un autre...";
inline constexpr char kNameTooLong[] = "Le nom du raccourci ne peut dépasser 64 caractères...";

}  // namespace quorvel
