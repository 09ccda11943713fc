// Loading the user's desktop profile into the icon grid, and painting.
#include "shell/vantrel95.h"

#include "shared/ansi_text.h"
#include "shared/profile_store.h"
#include "shell/system_icons.h"
#include "ui/platform.h"

#include <cstdint>
#include <cstring>

namespace dovrane {

namespace {

// A colour of the settings file. A value that is no RGB colour (a negative
// one draws nothing at all) gives the default.
COLORREF ReadColor(const velmora::SettingsFile& settings, const velmora::SettingKey& key, COLORREF fallback) {
    int value = settings.ReadInteger(key, static_cast<int>(fallback));
    return value >= 0 && value <= 0xFFFFFF ? static_cast<COLORREF>(value) : fallback;
}

// Whether a Windows bitmap file holds every pixel that its header promises.
// The system loads a truncated file as a picture that is black where the
// bytes are missing, and a header that lies about the size makes it ask for
// memory that the file never fills.
bool WholeBitmapFile(const std::string& path) {
    HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    ui::KernelHandle file(opened);
    BITMAPFILEHEADER head = {};
    BITMAPINFOHEADER info = {};
    DWORD read = 0, size = GetFileSize(file.get(), nullptr);
    if (!ReadFile(file.get(), &head, sizeof head, &read, nullptr) || read != sizeof head) return false;
    if (!ReadFile(file.get(), &info, sizeof info, &read, nullptr)) return false;
    int64_t width = 0, height = 0, bits = 0, packed = 0;
    if (read >= sizeof(BITMAPCOREHEADER) && info.biSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(&core, &info, sizeof core);
        width = core.bcWidth, height = core.bcHeight, bits = core.bcBitCount;
    } else if (read == sizeof info && info.biSize >= sizeof info) {
        width = info.biWidth, height = info.biHeight < 0 ? -int64_t(info.biHeight) : info.biHeight;
        bits = info.biBitCount;
        // Compressed pixels say their own size.
        if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS) packed = info.biSizeImage;
    }
    if (head.bfType != 0x4D42 || width <= 0 || height <= 0 || bits <= 0 || head.bfOffBits > size) return false;
    int64_t room = int64_t(size) - head.bfOffBits;
    if (packed > 0) return packed <= room;
    int64_t row = (width * bits + 31) / 32 * 4;   // rows are padded to 4 bytes
    return height <= room / row;
}

}  // namespace

void TVantrel95::LoadProfile() {
    std::string windowsDir = ui::platform().windowsDir();
    Slots[0] = {"Explorer /root,A:\\", false};

    std::string profiles = velmora::ProfilesFolder(windowsDir);
    ProfileName = velmora::ResolveProfileName(ui::platform().userName(), profiles);
    ProfileDir = velmora::ProfileFolder(profiles, ProfileName);
    SetCurrentDirectoryA(ProfileDir.c_str());
    SetText("Bureau de : " + ProfileName);

    velmora::SettingsFile settings(velmora::SettingsFileOf(profiles, ProfileName));
    SetColor(ReadColor(settings, velmora::kBackColor, Color()));
    BackImageName = settings.ReadString(velmora::kBackImage, "");
    BackBitmap.reset();
    if (!BackImageName.empty() && WholeBitmapFile(BackImageName))
        BackBitmap.reset(static_cast<HBITMAP>(
            LoadImageA(nullptr, BackImageName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    CloseAllowed = false;

    COLORREF fontColor = ReadColor(settings, velmora::kTextColor, velmora::kWhite);
    COLORREF backColor = ReadColor(settings, velmora::kTextBackColor, velmora::kTeal);
    bool transparent = settings.ReadInteger({"Text", "transparent"}, 1) == 1;
    for (auto& label : lb) {
        label->SetFontColor(fontColor);
        label->SetColor(backColor);
        label->SetTransparent(transparent);
    }

    bool driveA = settings.ReadFlag(velmora::kDriveAVisible, 0);
    ic[0]->SetVisible(driveA);
    lb[0]->SetVisible(driveA);
    SessionAllowed = settings.ReadFlag(velmora::kSessionAllowed, 0);
    UnloadIconWanted = settings.ReadFlag({"taskbar", "visible"}, 1);
    ExitAllowed = settings.ReadFlag(velmora::kExitAllowed, 1);
    LoadIcons();
    Invalidate();
}

void TVantrel95::LoadIcons() {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find(FindFirstFileA((ProfileDir + "\\*.*").c_str(), &entry));
    if (!find) return;
    // The folder's own "." and ".." come first.
    int skipped = 0;
    while (skipped < 2 && FindNextFileA(find.get(), &entry)) ++skipped;
    if (skipped < 2) return;

    int n = 0;
    do {
        if (++n >= kSlotCount) continue;   // enumerated, but no slot left
        std::string name = entry.cFileName;
        ui::IconHandle icon;
        std::string label;
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY) {
            icon.reset(ShellIcon(kClosedFolderIcon));
            label = name;
            Slots[n] = {ProfileDir + "\\" + name, true};
        } else {
            SHL1.SetFileName(ProfileDir + "\\" + name);
            bool read = true;
            try {
                SHL1.ReadLink();
            } catch (const velmora::EVornShellLink&) {
                read = false;
            }
            if (read) {
                if (SHL1.FileIcon().FileName.empty()) SHL1.SetFileIcon({SHL1.Target, 0});
                icon.reset(FileIcon(SHL1.FileIcon().FileName.c_str(), SHL1.FileIcon().IconIndex));
            }
            if (!icon) icon.reset(ShellIcon(kGenericProgramIcon));
            label = name.substr(0, name.find('.'));
            std::string path = SHL1.FileName();
            if (size_t pif = velmora::UpperCase(path).find(".PIF"); pif != std::string::npos) path.resize(pif + 4);
            Slots[n] = {path, false};
        }
        ic[n]->SetIcon(std::move(icon));
        ic[n]->SetVisible(true);
        lb[n]->SetCaption(label);
        lb[n]->SetVisible(true);
    } while (FindNextFileA(find.get(), &entry));
}

void TVantrel95::FormPaint(HDC dc) {
    if (!BackBitmap) return;
    BITMAP bm = {};
    GetObject(BackBitmap.get(), sizeof bm, &bm);
    if (bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
    RECT client = ClientRect();
    ui::MemoryDC mem(dc);
    ui::SelectObjectScope select(mem.get(), BackBitmap.get());
    for (int a = 0; a <= client.right / bm.bmWidth; ++a)
        for (int c = 0; c <= client.bottom / bm.bmHeight; ++c)
            BitBlt(dc, a * bm.bmWidth, c * bm.bmHeight, bm.bmWidth, bm.bmHeight, mem.get(), 0, 0, SRCCOPY);
}

}  // namespace dovrane
