// The fields of one shortcut (.lnk) file, moved between memory and disk
// through the system's shell-link object. One instance serves many files:
// assign FileName, then ReadLink, or assign the fields and WriteLink. Fields
// persist between operations, so a write stores every field as held.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace velmora {

class EVornShellLink : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TFileIcon {
    std::string FileName;
    int32_t IconIndex = 0;
};

enum class TShellFolder : uint8_t {
    sfNone, sfDesktop, sfFavorites, sfFonts, sfPersonal, sfPrograms,
    sfRecent, sfSendTo, sfStartMenu, sfStartup, sfTemplates,
};

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// Hot-key modifier bits of the 16-bit shortcut value.
inline constexpr uint16_t kHotKeyShift = 0x2000;
inline constexpr uint16_t kHotKeyCtrl = 0x4000;
inline constexpr uint16_t kHotKeyAlt = 0x8000;

// The system's shell-link object takes texts of at most this many characters,
// and file names of at most MAX_PATH - 1.
inline constexpr size_t kMaxLinkText = 255;
inline constexpr size_t kMaxLinkPath = MAX_PATH - 1;

class TVornShellLink {
public:
    std::string Arguments;
    std::string Description;
    std::string Target;
    std::string WorkingDir;
    int32_t ShowCmd = 0;

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value);

    TFileIcon& FileIcon() { return fileIcon_; }
    const TFileIcon& FileIcon() const { return fileIcon_; }
    void SetFileIcon(const TFileIcon& value) { fileIcon_ = value; }

    uint16_t HotKey() const;
    void SetHotKey(uint16_t value);
    uint16_t HotKeyWord() const { return hotKey_; }   // as the link stores it
    void SetHotKeyWord(uint16_t word) { hotKey_ = word; }

    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);

    void SetShellFolder(TShellFolder value);

    void ReadLink();
    void WriteLink();

private:
    std::string fileName_;
    TFileIcon fileIcon_;
    uint16_t hotKey_ = 0;
    TShellFolder shellFolder_ = TShellFolder::sfNone;
};

// The path of a special folder, as the user's Explorer settings give it; empty
// when the value is missing.
std::string ShellFolderPath(TShellFolder folder);

// An icon location's file name with its environment variables expanded: the
// NT family names icons "%SystemRoot%\system32\shell32.dll".
std::string ExpandedName(const std::string& name);

// The icon with that index of an icon location's file, a new handle owned by
// the caller; none when the file has no such icon.
HICON ExtractFileIcon(const std::string& file, int index);

}  // namespace velmora
