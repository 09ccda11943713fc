// Activation and deactivation of the restricted desktop: the start-up entry,
// the unload password, the policies that restrict the system's own desktop
// and, on Windows 95 and 98, the boot options of the system start file. The
// main window's TBBInsClick and TBBDesClick are calls of Activation and
// DesactiveBureau.
#pragma once

#include <windows.h>

#include <string>

namespace quorvel {

// The system start file whose section "Options" holds the boot options:
// "C:\MSDOS.SYS". Tests point it at a file of their own.
std::string& BootOptionsFile();

// Writes a 32-bit policy value under HKEY_CURRENT_USER, in the key
// velmora::kCurrentVersionKey + subKey, creating the key; answers whether it
// was written.
bool EcritPolitique(const std::string& subKey, const std::string& name, DWORD value);
// Deletes a policy value; a missing key or value is no failure.
void EffacePolitique(const std::string& subKey, const std::string& name);

// Boot options for the desktop (no boot keys, no delay, no menu) or back to
// the ordinary ones; the file is made writable for the time of the writes and
// read-only, hidden and system afterwards. Throws EIniFileException ("Ne peut
// écrire dans ...") when the file cannot be written.
void OptionsDemarrage(bool activate);

// Asks for the password, then registers the shell (programFolder, with its
// final backslash, + "Dovrane.exe") to start with the system, stores the
// password, sets the restrictions and the boot options, and says so. A write
// that fails is reported instead, and the steps after it are not taken.
void ActiveBureau(HWND owner, const std::string& programFolder);

// Removes the start-up entries and the restrictions (the password stays) and
// gives back the ordinary boot options.
void DesactiveBureau(HWND owner);

// The activation command: refused while the list of the current folder
// holds no entry (entryCount), else ActiveBureau.
void Activation(HWND owner, int entryCount, const std::string& programFolder);

}  // namespace quorvel
