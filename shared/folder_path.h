// Small path helpers that both programs share.
#pragma once

#include <string>

namespace velmora {

// Whether attributes, as the system gives them, are those of a link (a
// reparse point: the NT family's folder links, Wine's view of a Unix link).
bool IsLink(unsigned long attributes);
// The process's current folder as the system reports it.
std::string CurrentFolder();
// The path with one final "\" (added when it has none).
std::string WithBackslash(const std::string& path);
// The full path as the system resolves it ("." and ".." gone); empty when it cannot.
std::string FullPath(const std::string& path);
// Whether path names folder or something inside it, letters' case aside.
bool IsWithin(const std::string& path, const std::string& folder);

}  // namespace velmora
