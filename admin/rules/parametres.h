// A desktop profile's settings file as the options dialog maps it: which
// value each key gives the dialog, and which keys the dialog's values write,
// in which order and form. Nothing here touches a window.
#pragma once

#include "shared/profile_store.h"

#include <stdexcept>
#include <string>

namespace quorvel {

// A settings or boot-options file that refused a value: "Ne peut écrire dans
// <file>". It stops the operation at the failing key; keys written before stay.
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes one value, or throws EIniFileException.
void WriteSetting(const velmora::SettingsFile& file, const velmora::SettingKey& key, const std::string& value);

// The options dialog's values, as its controls hold them. A default-made
// value is the dialog's initial state: only icovisible ticked, no colour, no
// picture. Colours are the decimal texts of the hidden edits.
struct OptionValues {
    bool icovisible = true;
    bool CloseWin = false;
    bool diskA = false;
    bool session = false;
    std::string DesktopColor;
    std::string NomImage;
    std::string TextColor;
    std::string TextBackColor;
    bool transparent = false;

    bool operator==(const OptionValues&) const = default;
};

// The dialog's values after a load of the file from the initial state: the
// flags always (the shell's defaults for those that the file lacks), a colour
// or the picture only when the file holds a usable one.
OptionValues LitParametres(const velmora::SettingsFile& file);

// Writes the nine keys in their fixed order; an empty colour is skipped, the
// picture is always written.
void EcritParametres(const velmora::SettingsFile& file, const OptionValues& values);

// Writes the seven keys that a profile gets when it has no settings file.
void CreeParametres(const velmora::SettingsFile& file);

}  // namespace quorvel
