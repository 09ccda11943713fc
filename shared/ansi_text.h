// Text helpers in the ANSI code page, as the system compares names.
#pragma once

#include <string>

namespace velmora {

// Upper case as the system makes it (accented letters included).
std::string UpperCase(std::string text);
// Lower case, likewise.
std::string LowerCase(std::string text);

}  // namespace velmora
