#include "shell/tray_icon.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dovrane;

namespace {

// Watches the requests to the notification area; they still reach it.
class NotifyWatch {
public:
    NotifyWatch() {
        ui::platform().notifyIcon = [this, real = ui::platform().notifyIcon](DWORD message, NOTIFYICONDATAA& data) {
            requests.push_back(message);
            flags.push_back(data.uFlags);
            return real(message, data);
        };
    }
    std::vector<DWORD> requests;
    std::vector<UINT> flags;

private:
    ui::PlatformOverride restore_;
};

HICON TestIcon() { return LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); }   // IDI_APPLICATION

void Callback(TTBICON& icon, UINT mouse) { SendMessageA(icon.Handle(), kTrayCallbackMessage, 0, mouse); }

}  // namespace

TEST(TrayIcon, IsAddedOnceAndRemovedWhenSwitchedOff) {
    NotifyWatch watch;
    TTBICON icon;
    icon.SetIcon(TestIcon());
    icon.SetToolTip("Déchargement temporaire du velmora");
    icon.SetActive(true);
    icon.SetActive(true);
    EXPECT_EQ(watch.requests, (std::vector<DWORD>{NIM_ADD}));
    NOTIFYICONDATAA data = icon.NotifyData();
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data)) << "the notification area holds the icon";
    icon.SetToolTip("Autre");
    EXPECT_EQ(watch.requests.back(), static_cast<DWORD>(NIM_MODIFY)) << "a change while active shows at once";
    icon.SetActive(false);
    EXPECT_EQ(watch.requests.back(), static_cast<DWORD>(NIM_DELETE));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data)) << "and it is gone";
}

TEST(TrayIcon, TheRecordIsTheFirstVersionWithAShortTip) {
    TTBICON icon;
    icon.SetIcon(TestIcon());
    icon.SetToolTip(std::string(70, 't'));
    EXPECT_EQ(icon.ToolTip(), std::string(62, 't'));
    const NOTIFYICONDATAA& data = icon.NotifyData();
    EXPECT_EQ(data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
#ifndef _WIN64
    EXPECT_EQ(data.cbSize, 88u);
#endif
    EXPECT_EQ(data.uCallbackMessage, 1024u);
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.hWnd, icon.Handle());
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(std::string(data.szTip), std::string(62, 't'));
    icon.SetToolTip("");
    EXPECT_EQ(icon.NotifyData().uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON)) << "no tip, no tip flag";
}

TEST(TrayIcon, MouseMessagesBecomeEventsInTheirOrder) {
    TTBICON icon;
    std::vector<std::string> events;
    icon.OnClick = [&](TTBICON& sender) {
        EXPECT_EQ(&sender, &icon);
        events.push_back("click");
    };
    icon.OnDblClick = [&](TTBICON&) { events.push_back("double"); };
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MOUSEMOVE, WM_RBUTTONUP})
        Callback(icon, m);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "double", "click"}));

    POINT at = {};
    icon.OnRightClick = [&](TTBICON&, ui::MouseButton button, ui::ShiftState shift, int x, int y) {
        EXPECT_EQ(button, ui::MouseButton::Right);
        EXPECT_EQ(shift, ui::ShiftState{});
        at = {x, y};
        events.push_back("right");
    };
    SetCursorPos(123, 45);
    Callback(icon, WM_RBUTTONUP);
    EXPECT_EQ(events.back(), "right");
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(at.x, cursor.x);
    EXPECT_EQ(at.y, cursor.y);
}

TEST(TrayIcon, TheMenuPopsUpBeforeTheRightClickEvent) {
    ui::PlatformOverride restore;
    std::vector<std::string> events;
    ui::platform().popupMenu = [&](ui::PopupMenu&, POINT) -> UINT {
        events.push_back("menu");
        return 1;
    };
    ui::PopupMenu menu;
    menu.Add("Choix").onClick = [&] { events.push_back("item"); };
    TTBICON icon;
    icon.PopupMenu = &menu;
    icon.OnRightClick = [&](TTBICON&, ui::MouseButton, ui::ShiftState, int, int) { events.push_back("right"); };
    Callback(icon, WM_RBUTTONUP);
    EXPECT_EQ(events, (std::vector<std::string>{"menu", "item", "right"}));
}

TEST(TrayIcon, DestroyingRemovesOnlyAnActiveIcon) {
    NotifyWatch watch;
    {
        TTBICON inactive;
        inactive.SetIcon(TestIcon());
        inactive.SetToolTip("x");
    }
    EXPECT_TRUE(watch.requests.empty()) << "nothing is sent for an icon never shown";
    {
        TTBICON active;
        active.SetIcon(TestIcon());
        active.SetActive(true);
    }
    EXPECT_EQ(watch.requests, (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
}
