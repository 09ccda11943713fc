// Whole folders, copied and deleted as both programs need them. A link
// inside (a reparse point: the NT family's folder links, Wine's view of a Unix
// link) is never followed: a copy leaves it out, a deletion removes the link
// itself, so nothing outside the folder is read or touched.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace velmora {

// Whether searching folder + "\*.*" would walk a whole drive or share: "C:",
// "C:\" and "\\server\share" all lead there.
bool IsRoot(const std::string& folder);

// Removes a link itself, never what it points to. Only a handle that the
// system proves to be the link is used to delete; where opening the link
// reaches its target instead (Wine), the link stays and the answer is false.
bool RemoveLink(const std::string& path);

// What a deletion tells its caller on the way; each may be left empty.
struct TreeDeletionEvents {
    // Before each file goes; answering false stops the run there.
    std::function<bool(const std::string& path, const WIN32_FIND_DATAA& entry)> beforeFile;
    // An entry that could not be deleted (a link, a file or a folder).
    std::function<void(const std::string& path, bool folder)> failed;
    // The folder did not exist.
    std::function<void(const std::string& path)> missing;
};

// Deletes the folder (no final backslash) with everything in it, files of
// any attribute and sub-folders to any depth. A folder that is a link is
// removed itself; a drive or share root is never emptied; a current folder
// inside leaves the tree for the folder's parent. True when everything went,
// or when there was no such folder.
bool DeleteTree(const std::string& folder, const TreeDeletionEvents& events = {});

// Copies the folder `from` into the new folder `to`: its files and
// sub-folders with their attributes, but no link and no entry whose name
// `skip` answers true for. Nothing that exists is overwritten: `to` and
// everything in it are made by the copy. Stops at the first failure and
// answers false; what was made so far stays for the caller to remove.
bool CopyTree(const std::string& from, const std::string& to,
              const std::function<bool(const std::string& name)>& skip);

}  // namespace velmora
