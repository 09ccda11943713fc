// Small path helpers that the folder components share.
#pragma once

#include <string>

namespace quorvel {

bool FolderExists(const std::string& path);
// The process's current folder as the system reports it.
std::string CurrentFolder();
// The path with one final "\" (added when it has none).
std::string WithBackslash(const std::string& path);
// The full path as the system resolves it ("." and ".." gone); empty when it cannot.
std::string FullPath(const std::string& path);
// Whether path names folder or something inside it, letters' case aside.
bool IsWithin(const std::string& path, const std::string& folder);

}  // namespace quorvel
