#include "admin/components/toolbar_button97.h"
#include "admin/components/wallpaper.h"

#include "tests/admin/components/shown_form.h"
#include "tests/admin/components/test_bitmap.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A picture whose every pixel tells where it lies in it.
COLORREF PicturePixel(int x, int y) { return RGB(x * 30, y * 40, 100); }

ui::BitmapHandle MakePicture(int width, int height) {
    return testing_support::PaintedBitmap(width, height, PicturePixel);
}

class WallpaperTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(200, 100);
        paper = std::make_unique<quorvel::TWallpaper>(form, ui::Bounds(20, 30, 50, 30));
    }
    COLORREF Pixel(int x, int y) {
        UpdateWindow(paper->Handle());
        HDC dc = GetDC(paper->Handle());
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(paper->Handle(), dc);
        return c;
    }

    ui::Form& form = testing_support::ShownForm();
    std::unique_ptr<quorvel::TWallpaper> paper;
};

TEST_F(WallpaperTest, ANewPanelIsAlignedToTheTop) {
    RECT r = paper->BoundsRect();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 30);
    EXPECT_EQ(paper->GetAlign(), ui::Align::Top);
    form.SetClientSize(260, 100);
    paper->Realign();
    EXPECT_EQ(paper->BoundsRect().right, 260);
}

TEST_F(WallpaperTest, ThePictureIsTiledInsideTheBevelsAndCutAtTheEdges) {
    paper->SetBounds(0, 0, 50, 30);
    paper->SetBevelOuter(ui::BevelCut::Raised);
    paper->SetBevelInner(ui::BevelCut::Lowered);
    paper->SetBevelWidth(1);
    paper->SetBorderWidth(1);   // inset 3: the tiles cover (3, 3) to (46, 26)
    {
        ui::BitmapHandle picture = MakePicture(7, 5);
        paper->SetWallpaper(picture.get());
    }   // the panel holds its own copy
    ASSERT_NE(paper->Wallpaper(), nullptr);
    EXPECT_EQ(Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(49, 29), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(1, 1), paper->Color());   // the border
    for (int y : {3, 4, 12, 25, 26})
        for (int x : {3, 9, 10, 30, 45, 46}) EXPECT_EQ(Pixel(x, y), PicturePixel((x - 3) % 7, (y - 3) % 5)) << x << "," << y;
    EXPECT_EQ(Pixel(47, 10), GetSysColor(COLOR_BTNHIGHLIGHT));   // the inner bevel: tiles are cut before it
    EXPECT_EQ(Pixel(48, 10), paper->Color());
}

TEST_F(WallpaperTest, WithoutAPictureThePanelIsPlainAndButtonsLetThePictureThrough) {
    EXPECT_EQ(Pixel(10, 10), paper->Color());
    ui::BitmapHandle picture = MakePicture(7, 5);
    paper->SetWallpaper(picture.get());
    quorvel::TToolbarButton97 button(*paper);
    button.SetBounds(10, 4, quorvel::TToolbarButton97::kWidth, quorvel::TToolbarButton97::kHeight);
    button.SetOpaque(false);
    paper->Invalidate();
    EXPECT_EQ(Pixel(12, 6), PicturePixel((12 - 1) % 7, (6 - 1) % 5));
    button.SetOpaque(true);
    EXPECT_EQ(Pixel(12, 6), GetSysColor(COLOR_BTNFACE));
    paper->SetWallpaper(nullptr);
    EXPECT_EQ(Pixel(5, 5), paper->Color());
}

}  // namespace
