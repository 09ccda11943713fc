#include "tests/shell/shell_fixture.h"

using namespace dovrane;
using shell_testing::ShellTest;

namespace {

void ExpectRect(const RECT& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

}  // namespace

TEST(IconGrid, FixedPositionsAndLabelSizes) {
    ExpectRect(IconRect(0), 24, 4, 32, 32);
    ExpectRect(LabelRect(0), 2, 36, 72, 37);
    ExpectRect(IconRect(5), 24, 344, 32, 32);
    ExpectRect(LabelRect(5), 2, 376, 72, 37);
    ExpectRect(IconRect(6), 120, 4, 32, 32);
    ExpectRect(IconRect(11), 120, 340, 32, 32);
    ExpectRect(LabelRect(11), 98, 372, 72, 37);
    ExpectRect(LabelRect(10), 98, 308, 72, 32);
    ExpectRect(LabelRect(16), 186, 308, 72, 32);
    ExpectRect(LabelRect(22), 274, 308, 72, 32);
    ExpectRect(IconRect(14), 208, 140, 32, 32);
    ExpectRect(IconRect(23), 296, 340, 32, 32);
    ExpectRect(LabelRect(23), 274, 372, 72, 37);
}

TEST(TaskbarFit, EachEdgeOfTheScreen) {
    ExpectRect(FitAroundTaskbar({-2, 572, 802, 602}, 800, 600), 0, 0, 800, 573);   // bottom, 28 visible
    ExpectRect(FitAroundTaskbar({-2, -2, 802, 28}, 800, 600), 1, 26, 800, 574);     // top
    ExpectRect(FitAroundTaskbar({-2, -2, 62, 602}, 800, 600), 61, 0, 740, 600);     // left
    ExpectRect(FitAroundTaskbar({738, -2, 802, 602}, 800, 600), 0, 0, 739, 600);   // right
}

TEST_F(ShellTest, TheWindowFollowsTheTaskbar) {
    auto shell = MakeShell();
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    shell->FitToTaskbar();
    ExpectRect(shell->BoundsRect(), 0, 0, sw, sh);   // no taskbar known yet: the whole screen

    // A taskbar flush with the screen's edges is measured as Windows 95 reports it.
    HWND tray = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, sh - 28, sw, 28, nullptr, nullptr,
                                nullptr, nullptr);
    shell->TrayWnd = tray;
    shell->FitToTaskbar();
    ExpectRect(shell->BoundsRect(), 0, 0, sw, sh - 26 - 1);

    shell->Timer1.SetEnabled(true);
    MoveWindow(tray, 0, 0, 60, sh, FALSE);   // moved to the left edge
    testing_support::Pump(150);
    ExpectRect(shell->BoundsRect(), 60 + 2 - 4 + 1, 0, sw - (60 + 2 - 4), sh);
    MoveWindow(shell->Handle(), 10, 10, 100, 100, FALSE);   // the taskbar stays, the window moves
    testing_support::Pump(150);
    ExpectRect(shell->BoundsRect(), 60 + 2 - 4 + 1, 0, sw - (60 + 2 - 4), sh);
    DestroyWindow(tray);
}
