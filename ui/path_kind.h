// What a path names on disk, as the system's attributes tell it.
#pragma once

#include <string>

namespace ui {

bool PathExists(const std::string& path);
bool FolderExists(const std::string& path);
// A file, not a folder.
bool FileExists(const std::string& path);

}  // namespace ui
