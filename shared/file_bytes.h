// A small file read whole, for the checks that look at a file before the
// system reads it.
#pragma once

#include <string>

namespace velmora {

// The file's bytes; false when it cannot be read whole or holds more than
// `most` bytes.
bool ReadFileBytes(const std::string& path, size_t most, std::string& bytes);

}  // namespace velmora
