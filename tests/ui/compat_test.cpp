#include "ui/compat.h"
#include "ui/handles.h"
#include "ui/window.h"

#include "tests/support/pixels.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

namespace {

// A plain window that counts the WM_MOUSELEAVE it gets.
class Watched : public ui::Window {
public:
    Watched() { CreateOwnWindow("watched", WS_POPUP | WS_VISIBLE, 0, nullptr, 100, 100, 200, 150); }
    HWND AddChild(HWND parent) {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    int leaves = 0;

protected:
    void OnMouseLeave() override { ++leaves; }
};

}  // namespace

TEST(Compat, TheThirtyTwoBitSuiteRunsAsWindows9x) {
    // The 32-bit build is tested posing as Windows 98, so that its Windows
    // 95/98 paths run; the 64-bit one as the NT family.
#ifdef _WIN64
    EXPECT_FALSE(ui::IsWindows9x());
#else
    EXPECT_TRUE(ui::IsWindows9x());
#endif
}

TEST(Compat, TheRootWindowWalkAgreesWithTheSystem) {
    Watched top;
    HWND child = top.AddChild(top.Handle());
    HWND grandchild = top.AddChild(child);
    Watched owned;
    SetWindowLongPtrA(owned.Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(top.Handle()));   // owner
    HWND ownedChild = owned.AddChild(owned.Handle());
    for (HWND w : {top.Handle(), child, grandchild, owned.Handle(), ownedChild}) {
        EXPECT_EQ(ui::RootWindowByParents(w), GetAncestor(w, GA_ROOT));
        EXPECT_EQ(ui::RootWindow(w), GetAncestor(w, GA_ROOT));
    }
    EXPECT_EQ(ui::RootWindowByParents(grandchild), top.Handle());
    EXPECT_EQ(ui::RootWindowByParents(ownedChild), owned.Handle()) << "an owner is not a container";
}

TEST(Compat, TheTimerWatchSaysOnceThatThePointerLeft) {
    Watched w;
    testing_support::MovePointer(150, 150);
    ui::TrackMouseLeaveByTimer(w.Handle());
    testing_support::Pump(200);
    EXPECT_EQ(w.leaves, 0) << "still inside";
    testing_support::MovePointer(600, 500);
    testing_support::Pump(200);
    EXPECT_EQ(w.leaves, 1);
    testing_support::Pump(200);
    EXPECT_EQ(w.leaves, 1) << "the watch stops with its message";
}

TEST(Compat, TransparentDrawingKeepsTheDestinationUnderTheKeyColour) {
    const COLORREF key = RGB(255, 0, 255), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    testing_support::Canvas src(2, 1), dst(8, 4, blue);
    SetPixel(src.dc(), 0, 0, red);
    SetPixel(src.dc(), 1, 0, key);

    ui::DrawTransparent(dst.dc(), 2, 1, 4, 2, src.dc(), 2, 1, key);   // stretched twice
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            bool picture = y >= 1 && y < 3 && x >= 2 && x < 4;
            EXPECT_EQ(dst.At(x, y), picture ? red : blue) << x << "," << y;
        }
}

TEST(Compat, AShutDownFirstEnablesThePrivilegeOnTheNtFamily) {
    ASSERT_TRUE(ui::EnableShutdownPrivilege());
    if (ui::IsWindows9x()) return;   // no privileges there
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    ui::KernelHandle owner(token);
    PRIVILEGE_SET wanted = {1, PRIVILEGE_SET_ALL_NECESSARY, {}};
    ASSERT_TRUE(LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privilege[0].Luid));
    BOOL held = FALSE;
    ASSERT_TRUE(PrivilegeCheck(token, &wanted, &held));
    EXPECT_TRUE(held);
}
