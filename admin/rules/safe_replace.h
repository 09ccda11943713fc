// Replacing a shortcut file by its edited version without ever losing one.
// Only plain renames are used (MoveFileEx exists on Windows 95/98 but does
// nothing there), and every name used lies in the folder of the files concerned.
#pragma once

#include <string>

namespace quorvel {

// Makes a new, empty file "~vlmXXXX.lnk" of a name not yet taken in folder and
// answers its path; empty when none could be made.
std::string ReserveTemporaryLink(const std::string& folder);

// Puts the complete file `written` in the place of `old`, under the name
// `target`: old's own name, the same in other letters' case, or the name of
// another file of the folder, which is replaced too. The old files are moved
// aside first and deleted only once `written` has its name; when any step
// fails they get their names back, `written` is deleted and the answer is false.
// When `old` does not exist, `written` only takes the name `target`, which
// must be free.
bool ReplaceWithWritten(const std::string& written, const std::string& old, const std::string& target);

}  // namespace quorvel
