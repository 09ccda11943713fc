// TVantrel95, the shell's one window: a borderless window around the
// taskbar, painted in the profile's colour or tiled with its picture, with up
// to 24 icons and their labels. Its handlers are split by concern:
//   vantrel95_startup.cpp   creation, single instance, password, first showing
//   vantrel95_desktop.cpp   profile loading, icons, painting
//   vantrel95_geometry.cpp  the icon grid and the fit around the taskbar
//   vantrel95_lockdown.cpp  hiding the system's desktop, keeping the window fitted
//   vantrel95_launch.cpp    what the icons start, and the shell's own windows
//                           for sub-folders and drive A
//   vantrel95_commands.cpp  the tray commands, closing, the drive A menu
//   vantrel95_share.cpp     the desktop kept up to date from a shared profiles folder
#pragma once

#include "shared/shell_link.h"
#include "shell/desktop_entries.h"
#include "shell/drive_window.h"
#include "shell/folder_window.h"
#include "shell/offered_programs.h"
#include "shell/formatdisk.h"
#include "shell/lockdown.h"
#include "shell/tray_icon.h"
#include "shell/way_out_watch.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/handles.h"
#include "ui/menu.h"
#include "ui/timer.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace dovrane {

inline constexpr int kSlotCount = 24;

struct ShareCopy;

// The system windows hidden one by one before the desktop loads.
enum HideStep : unsigned {
    hsDesktop = 1,
    hsProgman = 2,
    hsOwnButton = 4,
    hsTaskbar = 8,
    hsStartButton = 16,
    hsAll = 31,
};

// Fixed positions of the icon grid, in client pixels.
RECT IconRect(int slot);
RECT LabelRect(int slot);

// Where the window goes around a taskbar with the given screen rectangle.
RECT FitAroundTaskbar(const RECT& taskbar, int screenWidth, int screenHeight);

class TVantrel95 : public ui::Form {
public:
    TVantrel95();
    ~TVantrel95() override;

    // True when creation found another shell running: the program ends at once.
    bool EndedAtCreation() const { return endedAtCreation_; }

    // Loads the desktop from the profile folder, as at the end of the hiding
    // sequence: the icons, colours and picture, and the tray icons that the
    // settings allow. The one way in for a desktop that changed while the
    // shell runs; everything that shows the profile follows from here.
    void LoadDesktop();
    void LoadProfile();
    void LoadIcons();
    // Starts a background copy of the user's profile from the shared profiles
    // folder, unless one is running or no shared folder is set.
    void CheckShare();
    void FitToTaskbar();
    void LaunchSlot(int i);
    // Starts a shortcut or program information file as a desktop icon does.
    void StartEntry(const Slot& slot);
    void ShowAccessError();
    // The windows that sub-folders and drive A open in; none until opened.
    TFolderWindow* FolderWindow(const std::string& folder) const;
    TDriveWindow* DriveWindow() const { return driveWindow_.get(); }
    void CloseEntryWindows();
    void RemoveStartEntries();

    // Handlers wired to the components.
    void Timer1Timer();
    void Timer2Timer();
    void ic0MouseUp(ui::MouseButton button, int x, int y);
    void TBIconDechargeLeftBtnDblClick();
    void TBIconQuitLeftBtnDblClick();
    void TBIconInfoDblClick();
    void Formater1Click();
    void Copiededisquettes1Click();

    // Components, in design order; the slots' pictures and labels are a grid
    // made at creation.
    ui::FormWindow window_;
    std::array<std::unique_ptr<ui::Image>, kSlotCount> ic;
    std::array<std::unique_ptr<ui::Label>, kSlotCount> lb;   // lb[0] is LB0
    ui::Timer Timer1{100};
    ui::Timer Timer2{1};
    ui::Timer ShareTimer{60000};   // a copy from the share every minute
    ui::PopupMenu PM1;
    ui::MenuItem* Formater1 = nullptr;
    ui::MenuItem* Copiededisquettes1 = nullptr;
    velmora::TVornShellLink SHL1;
    TFormatDrive FD1;
    // The tray icons; the shut-down and unload commands free the first two.
    std::unique_ptr<TTBICON> TBIconDecharge;
    std::unique_ptr<TTBICON> TBIconQuit;
    std::unique_ptr<TTBICON> TBIconInfo;

    // Fields.
    std::array<Slot, kSlotCount> Slots;
    std::string StoredPassword;
    std::string ProfileName;
    std::string ProfileDir;
    std::string BackImageName;
    ui::BitmapHandle BackBitmap;
    bool CloseAllowed = false;
    bool ExitAllowed = false;
    bool SessionAllowed = false;
    bool UnloadIconWanted = false;
    unsigned HideSteps = 0;
    HWND TrayWnd = nullptr;
    HWND StartButtonWnd = nullptr;
    HWND DesktopWnd = nullptr;
    HWND ProgmanWnd = nullptr;

protected:
    void FormShow() override;
    void FormPaint(HDC dc) override;
    bool FormCloseQuery() override { return CloseAllowed; }
    void FormMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    bool OnMouseActivate(LRESULT& result) override;
    bool OnSysCommand(WPARAM) override { return true; }   // Alt+F4, move, minimise: nothing
    bool OnQueryEndSession(LRESULT& result) override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void FormCreate();
    void CreateTrayIcons();
    void WireEvents();
    void RetireTrayIcon(std::unique_ptr<TTBICON>& icon);
    void RunTrayCommand(void (TVantrel95::*command)());
    bool SingleInstance();
    void ReadPassword();
    void CreateGrid();
    EntryColors DesktopColors() const;
    void ShowTrayIcons();
    void StartShareCopies();
    void ShareCopied(const ShareCopy& copy);

    ui::KernelHandle instanceMutex_;
    std::unique_ptr<TaskKeyBlock> keyBlock_;
    std::unique_ptr<WayOutWatch> wayOutWatch_;   // from the desktop's loading until unload
    std::vector<std::unique_ptr<TTBICON>> retiredIcons_;
    std::vector<std::unique_ptr<TFolderWindow>> folderWindows_;
    std::unique_ptr<TDriveWindow> driveWindow_;
    OfferedPrograms offered_;
    bool endedAtCreation_ = false;
    bool installationBroken_ = false;   // told at creation; the program ends
    bool copying_ = false;              // a background copy from the share runs
    std::string shareState_;            // the share as found by the last whole copy
    // The taskbar's and the window's rectangles at the last fit.
    RECT fittedTaskbar_ = {};
    RECT fittedWindow_ = {};
};

}  // namespace dovrane
