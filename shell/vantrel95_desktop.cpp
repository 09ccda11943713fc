// Loading the user's desktop profile into the icon grid, and painting.
#include "shell/vantrel95.h"

#include "shared/profile_store.h"
#include "shell/bitmap_file.h"
#include "shell/desktop_entries.h"
#include "ui/platform.h"

namespace dovrane {

namespace {

// A colour of the settings file. A value that is no RGB colour (a negative
// one draws nothing at all) gives the default.
COLORREF ReadColor(const velmora::SettingsFile& settings, const velmora::SettingKey& key, COLORREF fallback) {
    int value = settings.ReadInteger(key, static_cast<int>(fallback));
    return value >= 0 && value <= 0xFFFFFF ? static_cast<COLORREF>(value) : fallback;
}

}  // namespace

void TVantrel95::LoadDesktop() {
    CloseEntryWindows();   // they show the desktop that was
    LoadProfile();
    ShowTrayIcons();
    if (wayOutWatch_) wayOutWatch_->Offer(offered_);
}

void TVantrel95::ShowTrayIcons() {
    // The unload and shut-down commands retire their icons as the program ends.
    if (TBIconDecharge) TBIconDecharge->SetActive(UnloadIconWanted);
    if (TBIconQuit) TBIconQuit->SetActive(ExitAllowed);
    TBIconInfo->SetActive(SessionAllowed);
}

void TVantrel95::LoadProfile() {
    std::string windowsDir = ui::platform().windowsDir();
    Slots[0] = {kDriveARoot, true};

    std::string profiles = velmora::ProfilesFolder(windowsDir);
    ProfileName = velmora::ResolveProfileName(ui::platform().userName(), profiles);
    ProfileDir = velmora::ProfileFolder(profiles, ProfileName);
    SetCurrentDirectoryA(ProfileDir.c_str());
    SetText("Bureau de : " + ProfileName);

    velmora::SettingsFile settings(velmora::SettingsFileOf(profiles, ProfileName));
    SetColor(ReadColor(settings, velmora::kBackColor, Color()));
    BackImageName = settings.ReadString(velmora::kBackImage, "");
    BackBitmap.reset(BackImageName.empty() ? nullptr : LoadBitmapFile(BackImageName));
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
    offered_ = OfferedPrograms(ProfileDir);
    Invalidate();
}

void TVantrel95::LoadIcons() {
    // A desktop loaded again loses the entries that went.
    for (int i = 1; i < kSlotCount; ++i) {
        Slots[i] = {};
        ic[i]->SetVisible(false);
        lb[i]->SetVisible(false);
    }
    int n = 0;
    for (DesktopEntry& entry : ReadDesktopEntries(ProfileDir, SHL1, kSlotCount - 1)) {
        Slots[++n] = entry.slot;
        ic[n]->SetIcon(std::move(entry.icon));
        ic[n]->SetVisible(true);
        lb[n]->SetCaption(entry.label);
        lb[n]->SetVisible(true);
    }
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
