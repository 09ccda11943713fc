#include "ui/bit_button.h"

#include "ui/form.h"

namespace ui {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGlyphGap = 4;

}  // namespace

BitButton::BitButton(Form& owner, const RECT& bounds, const std::string& caption, int iconId)
    : Button(owner, bounds, caption, BS_OWNERDRAW),
      glyph_(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                           kGlyphSize, kGlyphSize, 0))) {}

bool BitButton::OnReflectedDrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    bool pushed = item->itemState & ODS_SELECTED;
    bool disabled = item->itemState & ODS_DISABLED;

    // The default button wears the dark outer frame, as dialog buttons do.
    if (Owner().defaultButton == Handle()) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    std::string caption = Text();
    auto font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    SelectObjectScope useFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT textSize = {0, 0, 0, 0};
    if (!caption.empty()) DrawTextA(dc, caption.c_str(), -1, &textSize, DT_SINGLELINE | DT_CALCRECT);
    int width = (glyph_ ? kGlyphSize : 0) + (glyph_ && !caption.empty() ? kGlyphGap : 0) + textSize.right;
    int shift = pushed ? 1 : 0;
    int x = (r.left + r.right - width) / 2 + shift;
    int midY = (r.top + r.bottom) / 2 + shift;

    if (glyph_) {
        int y = midY - kGlyphSize / 2;
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(glyph_.get()), 0, x, y, kGlyphSize,
                   kGlyphSize, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
        x += kGlyphSize + kGlyphGap;
    }
    if (!caption.empty()) {
        RECT text = {x, midY - textSize.bottom / 2, x + textSize.right, midY - textSize.bottom / 2 + textSize.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        UINT hidePrefix = (item->itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
        DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | hidePrefix);
    }
    if (item->itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace ui
