// TMPDelTree: deletes a folder with everything in it, files of any attribute
// and sub-folders to any depth. A link inside (a reparse point) is removed
// itself, never followed: nothing outside the folder is touched. Callers act
// on the true/false result; at most one message is shown per run, and only
// when Verbose is set.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quorvel {

class TMPDelTree;

// Called for each file before it is deleted; setting cancel stops the run.
using TMPDelTreeEvent = std::function<void(TMPDelTree& sender, const std::string& fileName,
                                           const WIN32_FIND_DATAA& searchRec, bool& cancel)>;

class TMPDelTree {
public:
    // A trailing "\" is allowed; DelTree stores the path without it.
    std::string Path = "<..>";
    bool Verbose = false;
    TMPDelTreeEvent OnProcessFile;

    // True when the folder and everything in it are gone, or when there was
    // no such folder; false when anything stayed.
    bool DelTree();

private:
    void Report(const std::string& format, const std::string& path);

    bool errorReported_ = false;
};

}  // namespace quorvel
