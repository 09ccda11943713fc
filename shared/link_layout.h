// The layout of a shortcut (.lnk) file, checked before the system's
// shell-link object reads it. The object trusts the sizes and offsets that
// the file gives for its parts and reads wherever they point, far past its
// own buffers when a file is damaged: a damaged shortcut must fail to read,
// not end the program.
#pragma once

#include <string>

namespace velmora {

// Shortcut files are a few kilobytes; a larger one is taken for damaged.
inline constexpr size_t kMaxLinkFileSize = 1 << 20;

// True when every part of the file lies inside it, and inside the part that
// holds it, where its sizes and offsets say.
bool LinkLayoutIsSound(const std::string& bytes);

// Reads the file and checks it; false when it cannot be read.
bool LinkFileIsSound(const std::string& path);

}  // namespace velmora
