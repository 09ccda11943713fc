// The generated inputs: shortcut files made through the system's shell-link
// object and then damaged, settings files, and background pictures. Each
// writes case c at path and records its kind and bytes in c.
#pragma once

#include "shared/shell_link.h"
#include "tests/hostile/hostile_case.h"

#include <windows.h>

#include <string>
#include <vector>

namespace hostile {

// Cases per run: shortcut files come by profile folders of 23 entries.
inline constexpr int kLinkCases = 22 * 23;
inline constexpr int kSettingsCases = 100;
inline constexpr int kPictureCases = 30;

// A shortcut file: intact (a few, to show that the run reaches the
// programs), truncated, with flipped bits, with a length or offset out of
// range, claiming parts it lacks, random bytes, or text.
void MakeLinkCase(Case& c, const std::string& path);
// The kind of the cases left whole.
inline constexpr char kIntact[] = "intact";

// Reads the shortcut into link; answers the error as the programs show it,
// or empty when it reads.
std::string ReadError(const std::string& path, velmora::TVornShellLink& link);

// A settings file: binary zeros, a megabyte, duplicate keys and sections,
// every value form in every key, or random text.
void MakeSettingsCase(Case& c, const std::string& path);

// A Windows bitmap: intact, truncated, or with a header that lies. Its
// pixels take only the colours of PictureColors(), none of them black.
void MakePictureCase(Case& c, const std::string& path);
const std::vector<COLORREF>& PictureColors();

}  // namespace hostile
