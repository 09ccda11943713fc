// The system's generic pictures that the desktop falls back on: icon 2 of
// SHELL32.DLL (a program) and icon 3 (a closed folder).
//
// Wine's SHELL32.DLL numbers its icons differently (its icons 2 and 3 are
// documents), so on Wine the same pictures are asked of the shell by kind.
// Where neither gives one, the program's own picture stands in.
#pragma once

#include <windows.h>

namespace dovrane {

inline constexpr int kGenericProgramIcon = 2;
inline constexpr int kClosedFolderIcon = 3;

// A new icon handle, owned by the caller.
HICON ShellIcon(int index);

}  // namespace dovrane
