// The background picture's file, checked before the system loads it.
#pragma once

#include <string>

namespace dovrane {

// Whether a Windows bitmap file holds every pixel that its header promises,
// in a form that the system knows. The system loads a truncated file as a
// picture that is black where the bytes are missing, a header that lies
// about the size makes it ask for memory that the file never fills, and a
// palette that runs into the pixels or a compression that it does not know
// makes it draw black.
bool WholeBitmapFile(const std::string& path);

}  // namespace dovrane
