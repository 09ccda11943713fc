#include "admin/components/toolbar_button97.h"
#include "admin/components/wallpaper.h"

#include "tests/support/gdi_count.h"
#include "tests/admin/components/shown_form.h"
#include "tests/admin/components/test_bitmap.h"
#include "tests/support/gdi_count.h"
#include "tests/support/pixels.h"
#include "tests/support/test_folder.h"
#include "ui/form.h"

#include <gtest/gtest.h>

#include <memory>

using quorvel::ButtonState;
using quorvel::TToolbarButton97;

namespace {

// A bitmap of images side by side on olive, each with a filled square
// in its middle (of the colour given for that image).
ui::BitmapHandle MakeGlyph(int width, int height, std::vector<COLORREF> colours = {RGB(200, 0, 0)}) {
    return testing_support::PaintedBitmap(width, height, [&](int x, int y) {
        int image = x / height, lx = x % height;
        bool inside = lx >= 4 && lx < height - 4 && y >= 4 && y < height - 4;
        return inside ? colours[std::min<size_t>(image, colours.size() - 1)] : RGB(128, 128, 0);
    });
}

class ToolbarButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<quorvel::TWallpaper>(testing_support::ShownForm(), ui::Bounds(0, 0, 300, 46));
    }
    std::unique_ptr<TToolbarButton97> MakeButton(int left) {
        auto b = std::make_unique<TToolbarButton97>(*panel);
        b->SetBounds(left, 0, TToolbarButton97::kWidth, TToolbarButton97::kHeight);
        return b;
    }
    // Mouse messages as the panel gets them, at a point of the button.
    void Send(UINT msg, const TToolbarButton97& b, int x = 5, int y = 5, WPARAM keys = 0) {
        SendMessageA(panel->Handle(), msg, keys, MAKELPARAM(b.Bounds().left + x, b.Bounds().top + y));
    }
    void PointerAt(const TToolbarButton97& b, int x, int y) {
        POINT p = {b.Bounds().left + x, b.Bounds().top + y};
        ClientToScreen(panel->Handle(), &p);
        testing_support::MovePointer(p.x, p.y);
    }
    void Click(const TToolbarButton97& b) {
        PointerAt(b, 5, 5);
        Send(WM_MOUSEMOVE, b);
        Send(WM_LBUTTONDOWN, b, 5, 5, MK_LBUTTON);
        Send(WM_LBUTTONUP, b);
    }
    // The button painted alone on a bitmap of its own size.
    std::vector<COLORREF> Render(TToolbarButton97& b) {
        testing_support::Canvas canvas(b.Width(), b.Height(), RGB(0, 0, 0));
        b.Paint(canvas.dc());
        return canvas.Pixels();
    }
    static COLORREF At(const std::vector<COLORREF>& pixels, int x, int y) {
        return pixels[y * TToolbarButton97::kWidth + x];
    }

    std::unique_ptr<quorvel::TWallpaper> panel;
};

TEST_F(ToolbarButtonTest, AGroupOfTwoKeepsExactlyOneDown) {
    auto icons = MakeButton(0), list = MakeButton(24);
    icons->SetGroupIndex(1);
    list->SetGroupIndex(1);
    icons->SetDown(true);
    EXPECT_EQ(icons->State(), ButtonState::Latched);
    int clicks = 0;
    list->onClick = [&](ui::GraphicControl&) { ++clicks; };

    Click(*list);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list->Down());
    EXPECT_EQ(list->State(), ButtonState::Latched);
    EXPECT_FALSE(icons->Down());
    EXPECT_EQ(icons->State(), ButtonState::Up);

    Click(*list);   // all-up not allowed: it stays down
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(list->Down());
    list->SetDown(false);
    EXPECT_TRUE(list->Down());

    list->SetAllowAllUp(true);   // shared by the group
    EXPECT_TRUE(icons->AllowAllUp());
    list->SetDown(false);
    EXPECT_FALSE(list->Down());
    EXPECT_FALSE(icons->Down());
}

TEST_F(ToolbarButtonTest, APlainButtonNeverStaysDownAndClicksPressed) {
    auto b = MakeButton(0);
    b->SetDown(true);
    EXPECT_FALSE(b->Down());
    ButtonState during = ButtonState::Up;
    b->onClick = [&](ui::GraphicControl&) { during = b->State(); };
    Click(*b);
    EXPECT_EQ(during, ButtonState::Down);
    EXPECT_EQ(b->State(), ButtonState::Up);
    EXPECT_TRUE(b->Hot());   // the pointer is still over it
    EXPECT_FALSE(b->Dragging());
}

TEST_F(ToolbarButtonTest, DraggingOutsideCancelsAndComingBackClicks) {
    auto b = MakeButton(30);
    int clicks = 0;
    b->onClick = [&](ui::GraphicControl&) { ++clicks; };
    PointerAt(*b, 5, 5);
    Send(WM_MOUSEMOVE, *b);
    Send(WM_LBUTTONDOWN, *b, 5, 5, MK_LBUTTON);
    EXPECT_EQ(b->State(), ButtonState::Down);
    EXPECT_TRUE(b->Dragging());
    Send(WM_MOUSEMOVE, *b, 60, 5, MK_LBUTTON);
    EXPECT_EQ(b->State(), ButtonState::Up);
    EXPECT_TRUE(b->Hot());   // kept while dragging
    PointerAt(*b, 60, 5);
    Send(WM_LBUTTONUP, *b, 60, 5);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(b->State(), ButtonState::Up);
    EXPECT_FALSE(b->Hot());

    Send(WM_LBUTTONDOWN, *b, 5, 5, MK_LBUTTON);
    Send(WM_MOUSEMOVE, *b, -20, 5, MK_LBUTTON);
    EXPECT_EQ(b->State(), ButtonState::Up);
    Send(WM_MOUSEMOVE, *b, 6, 6, MK_LBUTTON);
    EXPECT_EQ(b->State(), ButtonState::Down);
    Send(WM_LBUTTONUP, *b, 6, 6);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolbarButtonTest, ARightClickTakesTheHotFrameAwayWithoutClicking) {
    auto b = MakeButton(0);
    int clicks = 0, ups = 0;
    b->onClick = [&](ui::GraphicControl&) { ++clicks; };
    b->onMouseUp = [&](ui::GraphicControl&, ui::MouseButton button, ui::ShiftState, int, int) {
        EXPECT_EQ(button, ui::MouseButton::Right);
        ++ups;
    };
    PointerAt(*b, 5, 5);
    Send(WM_MOUSEMOVE, *b);
    EXPECT_TRUE(b->Hot());
    Send(WM_RBUTTONDOWN, *b, 5, 5, MK_RBUTTON);
    EXPECT_EQ(b->State(), ButtonState::Up);
    Send(WM_RBUTTONUP, *b);
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ToolbarButtonTest, ADisabledButtonIgnoresTheMouseAndShowsItsDisabledImage) {
    auto b = MakeButton(0);
    ui::BitmapHandle glyph = MakeGlyph(16, 16);
    b->SetGlyph(glyph.get());
    int events = 0;
    b->onClick = [&](ui::GraphicControl&) { ++events; };
    b->onMouseDown = [&](ui::GraphicControl&, ui::MouseButton, ui::ShiftState, int, int) { ++events; };
    b->SetEnabled(false);
    Click(*b);
    EXPECT_EQ(events, 0);
    EXPECT_FALSE(b->Hot());

    std::vector<COLORREF> p = Render(*b);
    EXPECT_EQ(b->State(), ButtonState::Disabled);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(At(p, 0, 0), face);   // no frame
    EXPECT_EQ(At(p, 22, 21), face);
    // The glyph sits at (3, 3), its square at (7..14, 7..14):
    // shadow in place, highlight one pixel down and right of it.
    EXPECT_EQ(At(p, 10, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(p, 15, 15), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(p, 7, 15), face);
    EXPECT_EQ(At(p, 6, 6), face);

    b->SetEnabled(true);
    p = Render(*b);
    EXPECT_EQ(At(p, 10, 10), RGB(200, 0, 0));
}

TEST_F(ToolbarButtonTest, FramesAndTheLatchedDither) {
    auto b = MakeButton(0);
    COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    std::vector<COLORREF> p = Render(*b);
    EXPECT_EQ(At(p, 0, 0), face);   // up and not hot: flat

    PointerAt(*b, 5, 5);
    Send(WM_MOUSEMOVE, *b);
    p = Render(*b);
    EXPECT_EQ(At(p, 0, 0), light);   // raised: light top left
    EXPECT_EQ(At(p, 22, 21), GetSysColor(COLOR_BTNSHADOW));

    Send(WM_LBUTTONDOWN, *b, 5, 5, MK_LBUTTON);
    p = Render(*b);
    EXPECT_EQ(At(p, 0, 0), GetSysColor(COLOR_BTNSHADOW));   // sunken
    EXPECT_EQ(At(p, 22, 21), light);
    Send(WM_LBUTTONUP, *b);

    b->SetGroupIndex(3);
    b->SetDown(true);
    Send(WM_MOUSEMOVE, *b, 80, 5);   // away: not hot
    EXPECT_FALSE(b->Hot());
    p = Render(*b);
    for (int x = 2; x < 6; ++x) {
        EXPECT_NE(At(p, x, 2), At(p, x + 1, 2));
        EXPECT_EQ(At(p, x, 2), At(p, x + 1, 3));
        EXPECT_TRUE(At(p, x, 2) == face || At(p, x, 2) == light);
    }
    int element = COLOR_BTNHIGHLIGHT;
    COLORREF lime = RGB(0, 255, 0);
    SetSysColors(1, &element, &lime);   // tells every top-level window: the pattern is made anew
    p = Render(*b);
    SetSysColors(1, &element, &light);
    EXPECT_EQ(At(p, 3, 3), lime);
}

TEST_F(ToolbarButtonTest, ItsAcceleratorClicksAnEnabledButton) {
    auto b = MakeButton(0);
    b->SetCaption("A&ffichage");
    int clicks = 0;
    b->onClick = [&](ui::GraphicControl&) { ++clicks; };
    MSG alt = {panel->Handle(), WM_SYSCHAR, 'F', 0, 0, {}};
    EXPECT_TRUE(testing_support::ShownForm().PreviewMessage(alt));
    b->SetEnabled(false);
    EXPECT_FALSE(testing_support::ShownForm().PreviewMessage(alt));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolbarButtonTest, DoubleClicksReachOnlyALatchedButton) {
    auto b = MakeButton(0);
    int doubles = 0, clicks = 0;
    b->onDblClick = [&](ui::GraphicControl&) { ++doubles; };
    b->onClick = [&](ui::GraphicControl&) { ++clicks; };
    Click(*b);
    Send(WM_LBUTTONDBLCLK, *b, 5, 5, MK_LBUTTON);
    Send(WM_LBUTTONUP, *b);
    EXPECT_EQ(doubles, 0);
    EXPECT_EQ(clicks, 2);   // the second press clicks as well

    b->SetGroupIndex(2);
    b->SetAllowAllUp(true);
    b->SetDown(true);
    Send(WM_LBUTTONDBLCLK, *b, 5, 5, MK_LBUTTON);
    EXPECT_EQ(doubles, 1);
    Send(WM_LBUTTONUP, *b);
}

TEST_F(ToolbarButtonTest, GlyphCountRules) {
    auto b = MakeButton(0);
    EXPECT_EQ(b->TransparentColor(), RGB(128, 128, 0));
    ui::BitmapHandle two = MakeGlyph(32, 16), five = MakeGlyph(80, 16), odd = MakeGlyph(20, 16);
    ui::BitmapHandle four = MakeGlyph(64, 16);
    b->SetGlyph(two.get());
    EXPECT_EQ(b->NumGlyphs(), 2);
    b->SetGlyph(five.get());
    EXPECT_EQ(b->NumGlyphs(), 1);
    b->SetGlyph(four.get());
    EXPECT_EQ(b->NumGlyphs(), 4);
    b->SetNumGlyphs(3);
    b->SetGlyph(odd.get());
    EXPECT_EQ(b->NumGlyphs(), 3);   // not a whole multiple: unchanged
    b->SetNumGlyphs(7);
    EXPECT_EQ(b->NumGlyphs(), 4);
    b->SetNumGlyphs(0);
    EXPECT_EQ(b->NumGlyphs(), 4);

    // Four images: the down and latched states show their own.
    ui::BitmapHandle states = MakeGlyph(64, 16, {RGB(200, 0, 0), RGB(255, 255, 255), RGB(0, 0, 200), RGB(0, 200, 0)});
    b->SetGlyph(states.get());
    b->SetGroupIndex(1);
    b->SetDown(true);
    Send(WM_MOUSEMOVE, *b, 80, 5);
    std::vector<COLORREF> p = Render(*b);
    EXPECT_EQ(At(p, 12, 12), RGB(0, 200, 0));   // latched, one pixel lower right
    b->SetEnabled(false);
    p = Render(*b);
    EXPECT_EQ(At(p, 10, 10), GetSysColor(COLOR_BTNHIGHLIGHT));   // its white became highlight
}

TEST_F(ToolbarButtonTest, ButtonsShareTheirGlyphListsAndLeaveNoGdiObjectBehind) {
    ui::BitmapHandle small = MakeGlyph(16, 16), large = MakeGlyph(40, 20);
    testing_support::Pump(20);
    int before = testing_support::GdiObjectCount();
    ASSERT_GT(before, 0);
    {
        std::vector<std::unique_ptr<TToolbarButton97>> buttons;
        for (int i = 0; i < 100; ++i) {
            buttons.push_back(MakeButton((i % 12) * 24));
            buttons.back()->SetGlyph(i % 3 == 0 ? large.get() : small.get());
            buttons.back()->SetOpaque(i % 2 == 0);
            buttons.back()->SetGroupIndex(i % 4);
            buttons.back()->SetDown(true);
            if (i % 5 == 0) buttons.back()->SetEnabled(false);
        }
        panel->Invalidate();
        UpdateWindow(panel->Handle());
        EXPECT_EQ(quorvel::SharedGlyphListCount(), 2);
    }
    EXPECT_EQ(quorvel::SharedGlyphListCount(), 0);
    UpdateWindow(panel->Handle());
    EXPECT_EQ(testing_support::GdiObjectCount(), before);
}

}  // namespace
