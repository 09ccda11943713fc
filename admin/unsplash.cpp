#include "admin/unsplash.h"

#include "resources/unsplash_ids.h"

namespace quorvel {

namespace {

// Component   Kind     Rectangle            Caption / picture
// Panel1      panel    0, 0, 199 x 185      blue, 1-pixel border
// Image1      picture  8, 6, 182 x 129      stretched, transparent
// LbDate      label    4, 2                 version date, yellow italic, hint "date de cette version"
// LbTitre     label    0, 136, 199 x 16     one line, yellow, centred
// BtOk        button   69, 155, 61 x 26     "OK", closes the box
constexpr COLORREF kPanelBlue = RGB(0, 0, 128);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr RECT kImage1 = ui::Bounds(8, 6, 182, 129);
constexpr RECT kLbDate = ui::Bounds(4, 2, 70, 12);
constexpr RECT kLbTitre = ui::Bounds(0, 136, 199, 16);
constexpr RECT kBtOk = ui::Bounds(69, 155, 61, 26);

void Place(ui::GraphicControl& control, const RECT& r) {
    control.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

TNSplash::TNSplash() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::None;
    style.topMost = true;
    SetFont(ui::MakeFont("MS Sans Serif", 11));
    CreateForm("Informations", 199, 185, style, true);
    SetColor(kPanelBlue);

    Image1 = std::make_unique<ui::Image>(*this);
    Place(*Image1, kImage1);
    Image1->stretch = Image1->transparent = true;
    Image1->SetBitmap(ui::BitmapHandle(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0))));

    LbDate = std::make_unique<ui::Label>(*this);
    Place(*LbDate, kLbDate);
    LbDate->SetCaption(kVersionDate);
    LbDate->SetFontColor(kYellow);
    LbDate->SetTransparent(true);
    LbDate->SetFont(ui::MakeFont("MS Sans Serif", 9, false, true));
    LbDate->hint = "date de cette version";
    AddHint(*LbDate);

    LbTitre = std::make_unique<ui::Label>(*this);
    Place(*LbTitre, kLbTitre);
    LbTitre->SetCaption("Velmora : à chacun son bureau");
    LbTitre->centered = true;
    LbTitre->SetFontColor(kYellow);
    LbTitre->SetTransparent(true);

    BtOk = std::make_unique<ui::Button>(*this, kBtOk, "OK", BS_DEFPUSHBUTTON);
    BtOk->modalResult = ui::mrOk;
    defaultButton = BtOk->Handle();
    cancelButton = BtOk->Handle();
    FocusControl(BtOk->Handle());
}

void TNSplash::FormPaint(HDC dc) {
    RECT r = ClientRect();
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace quorvel
