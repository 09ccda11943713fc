// Small path helpers that the folder components share.
#pragma once

#include <string>

namespace quorvel {

bool FolderExists(const std::string& path);
// The process's current folder as the system reports it.
std::string CurrentFolder();
// The path with one final "\" (added when it has none).
std::string WithBackslash(const std::string& path);

}  // namespace quorvel
