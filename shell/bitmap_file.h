// The background picture's file, checked before the system makes it a picture.
#pragma once

#include <windows.h>

#include <string>

namespace dovrane {

// The picture of a Windows bitmap file, a new bitmap owned by the caller; none
// unless the file holds every pixel that its header promises, in a form that
// the system knows. The system makes a truncated file a picture that is black
// where the bytes are missing, a header that lies about the size makes it ask
// for memory that the file never fills, and a palette that runs into the
// pixels or a compression that it does not know makes it draw black.
HBITMAP LoadBitmapFile(const std::string& path);

}  // namespace dovrane
