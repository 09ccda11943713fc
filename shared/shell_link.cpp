#include "shared/shell_link.h"

#include "shared/ansi_text.h"
#include "shared/link_layout.h"
#include "shared/registry.h"
#include "ui/handles.h"
#include "ui/path_kind.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace velmora {

namespace {

const char* const kShellFolderValues[] = {
    nullptr, "Desktop", "Favorites", "Fonts", "Personal", "Programs",
    "Recent", "SendTo", "Start Menu", "Startup", "Templates",
};

// What follows the last "\" or ":".
std::string NamePart(const std::string& path) {
    size_t pos = path.find_last_of("\\:");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string ExtensionOf(const std::string& path) {
    size_t dot = path.find_last_of('.');
    size_t sep = path.find_last_of("\\:");
    if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return {};
    return path.substr(dot);
}

// Converts an ANSI path into the at most MAX_PATH units that IPersistFile takes.
bool ToWide(const std::string& path, WCHAR (&wide)[MAX_PATH]) {
    if (path.size() > kMaxLinkPath) return false;
    int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    return n > 0;
}

struct LinkObject {
    ui::ComPtr<IShellLinkA> link;
    ui::ComPtr<IPersistFile> file;
};

// The system's shell-link object and the two interfaces asked of it. Spelled
// out here: the uuid library holds every identifier of the system in one
// object file, 35 KB that the programs would carry for these three.
const CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kShellLinkAnsi = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Creates the shell-link object and asks for its persist-file interface.
void OpenLinkObject(LinkObject& object) {
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkAnsi,
                                object.link.put())))
        throw EVornShellLink("\"CoCreateInstance\" a échoué.");
    if (FAILED(object.link->QueryInterface(kPersistFile, object.file.put())))
        throw EVornShellLink("\"PersistFile QueryInterface\" a échoué.");
}

}  // namespace

std::string ShellFolderPath(TShellFolder folder) {
    const char* value = kShellFolderValues[static_cast<int>(folder)];
    if (!value) return {};
    return RegistryKey::OpenReadOnly(HKEY_CURRENT_USER,
                                     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders")
        .ReadString(value)
        .value_or("");
}

std::string ExpandedName(const std::string& name) {
    char expanded[MAX_PATH];
    DWORD n = ExpandEnvironmentStringsA(name.c_str(), expanded, sizeof expanded);
    return n > 0 && n <= sizeof expanded ? std::string(expanded) : name;
}

HICON ExtractFileIcon(const std::string& file, int index) {
    // ExtractIcon answers 1 for a file that is not a program, library or icon.
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), ExpandedName(file).c_str(), static_cast<UINT>(index));
    return reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr;
}

void TVornShellLink::SetFileName(const std::string& value) {
    if (value == fileName_) return;
    std::string v = value;
    if (shellFolder_ != TShellFolder::sfNone) v = ShellFolderPath(shellFolder_) + "\\" + NamePart(v);
    if (UpperCase(ExtensionOf(v)) != ".LNK") v += ".lnk";
    if (UpperCase(NamePart(v)) == ".LNK") v.clear();
    fileName_ = v;
}

void TVornShellLink::SetShellFolder(TShellFolder value) {
    if (value == shellFolder_) return;
    shellFolder_ = value;
    if (value == TShellFolder::sfNone) return;
    fileName_ = ShellFolderPath(value) + "\\" + NamePart(fileName_);
}

uint16_t TVornShellLink::HotKey() const {
    uint16_t key = hotKey_ & 0xFF;
    uint8_t flags = hotKey_ >> 8;
    if (flags & HOTKEYF_SHIFT) key |= kHotKeyShift;
    if (flags & HOTKEYF_CONTROL) key |= kHotKeyCtrl;
    if (flags & HOTKEYF_ALT) key |= kHotKeyAlt;
    return key;
}

void TVornShellLink::SetHotKey(uint16_t value) {
    uint16_t flags = 0;
    if (value & kHotKeyShift) flags |= HOTKEYF_SHIFT;
    if (value & kHotKeyCtrl) flags |= HOTKEYF_CONTROL;
    if (value & kHotKeyAlt) flags |= HOTKEYF_ALT;
    hotKey_ = static_cast<uint16_t>((value & 0x1FFF) + 256 * flags);
}

TWindowState TVornShellLink::WindowState() const {
    if (ShowCmd == SW_SHOWMAXIMIZED) return TWindowState::wsMaximized;
    if (ShowCmd == SW_SHOWMINNOACTIVE) return TWindowState::wsMinimized;
    return TWindowState::wsNormal;
}

void TVornShellLink::SetWindowState(TWindowState state) {
    switch (state) {
        case TWindowState::wsNormal: ShowCmd = SW_SHOWNORMAL; break;
        case TWindowState::wsMinimized: ShowCmd = SW_SHOWMINNOACTIVE; break;
        case TWindowState::wsMaximized: ShowCmd = SW_SHOWMAXIMIZED; break;
    }
}

void TVornShellLink::ReadLink() {
    if (!ui::FileExists(fileName_)) throw EVornShellLink("Lien non trouvé.");
    ui::ComScope com;
    LinkObject object;
    OpenLinkObject(object);
    WCHAR wide[MAX_PATH];
    // A damaged file would send the system object reading far past its buffers.
    if (!ToWide(fileName_, wide) || !LinkFileIsSound(fileName_) || FAILED(object.file->Load(wide, STGM_READ)))
        throw EVornShellLink("Erreur en lecture.");

    // Every field starts from an empty buffer: a call may succeed without
    // writing (GetPath of an installer's advertised shortcut does).
    char buffer[MAX_PATH];
    auto text = [&buffer](auto get) {
        buffer[0] = '\0';
        if (FAILED(get())) buffer[0] = '\0';
        buffer[MAX_PATH - 1] = '\0';
        return std::string(buffer);
    };
    Description = text([&] { return object.link->GetDescription(buffer, MAX_PATH); });
    Target = text([&] { return object.link->GetPath(buffer, MAX_PATH, nullptr, SLGP_UNCPRIORITY); });
    WorkingDir = text([&] { return object.link->GetWorkingDirectory(buffer, MAX_PATH); });
    Arguments = text([&] { return object.link->GetArguments(buffer, MAX_PATH); });
    int show = 0;
    if (SUCCEEDED(object.link->GetShowCmd(&show))) ShowCmd = show;
    WORD hotKey = 0;
    if (SUCCEEDED(object.link->GetHotkey(&hotKey))) hotKey_ = hotKey;
    int index = 0;
    std::string iconFile = text([&] { return object.link->GetIconLocation(buffer, MAX_PATH, &index); });
    fileIcon_.FileName = iconFile;
    fileIcon_.IconIndex = index;
}

void TVornShellLink::WriteLink() {
    // Texts the system object cannot hold whole are refused, never cut.
    for (const std::string* s : {&Description, &Target, &WorkingDir, &Arguments, &fileIcon_.FileName})
        if (s->size() > kMaxLinkText) throw EVornShellLink("Erreur en écriture.");

    ui::ComScope com;
    LinkObject object;
    OpenLinkObject(object);
    object.link->SetDescription(Description.c_str());
    object.link->SetPath(Target.c_str());
    object.link->SetWorkingDirectory(WorkingDir.c_str());
    object.link->SetArguments(Arguments.c_str());
    object.link->SetShowCmd(ShowCmd);
    object.link->SetHotkey(hotKey_);
    object.link->SetIconLocation(fileIcon_.FileName.c_str(), fileIcon_.IconIndex);
    WCHAR wide[MAX_PATH];
    if (!ToWide(fileName_, wide) || FAILED(object.file->Save(wide, TRUE)))
        throw EVornShellLink("Erreur en écriture.");
}

}  // namespace velmora
