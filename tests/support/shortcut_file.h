// Shortcut files on disk for the tests, written and read through the
// program's own link component.
#pragma once

#include "shared/shell_link.h"

#include <string>

namespace testing_support {

// Writes the shortcut (".lnk" added as the component adds it); answers its file.
inline std::string WriteShortcut(const std::string& path, const std::string& target,
                                 const std::string& arguments = "", const std::string& workingDir = "") {
    velmora::TVornShellLink link;
    link.SetFileName(path);
    link.Target = target;
    link.Arguments = arguments;
    link.WorkingDir = workingDir;
    link.WriteLink();
    return link.FileName();
}

inline velmora::TVornShellLink ReadShortcut(const std::string& path) {
    velmora::TVornShellLink link;
    link.SetFileName(path);
    link.ReadLink();
    return link;
}

}  // namespace testing_support
