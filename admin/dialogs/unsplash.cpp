#include "admin/dialogs/unsplash.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/unsplash_ids.h"

namespace quorvel {

namespace {

constexpr COLORREF kPanelBlue = RGB(0, 0, 128);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// Borderless, over the other windows.
ui::FormStyle SplashStyle() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::None;
    style.topMost = true;
    return style;
}

}  // namespace

TNSplash::TNSplash()
    // Component  Rectangle                      Caption
    : window_(*this, "Informations", 199, 185, SplashStyle(), true, DialogFont()),
      Image1 (*this, ui::Bounds(8, 6, 182, 129)),
      LbDate (*this, ui::Bounds(4, 2, 70, 12),     kVersionDate),
      LbTitre(*this, ui::Bounds(0, 136, 199, 16),  "Velmora : à chacun son bureau"),
      BtOk   (*this, ui::Bounds(69, 155, 61, 26),  "OK", BS_DEFPUSHBUTTON) {
    SetColor(kPanelBlue);

    Image1.stretch = Image1.transparent = true;
    Image1.SetBitmap(ui::BitmapHandle(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0))));

    LbDate.SetFontColor(kYellow);
    LbDate.SetTransparent(true);
    LbDate.SetFont(ui::MakeFont("MS Sans Serif", 9, false, true));
    LbDate.hint = "date de cette version";
    AddHint(LbDate);

    LbTitre.centered = true;
    LbTitre.SetFontColor(kYellow);
    LbTitre.SetTransparent(true);

    BtOk.modalResult = ui::mrOk;
    defaultButton = BtOk.Handle();
    cancelButton = BtOk.Handle();
    FocusControl(BtOk.Handle());
}

void TNSplash::FormPaint(HDC dc) {
    RECT r = ClientRect();
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace quorvel
