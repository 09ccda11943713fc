#include "admin/game/tetro1.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/tetro1_ids.h"
#include "ui/application.h"
#include "ui/platform.h"

#include <random>
#include <string>
#include <utility>

namespace quorvel {

namespace {

// Posted to itself by a closing game window, which frees itself once the
// click or the close request that ended it has been handled.
constexpr UINT kReleaseMessage = WM_APP + 0x5A;

constexpr RECT kWell = ui::Bounds(1, 2, 148, 330);   // the well's frame
constexpr int kCell = 14;                           // cell (r, c) at (5 + 14 (c - 1), 6 + 14 (r - 1))
constexpr int kCellLeft = 5, kCellTop = 6;
constexpr int kButtonWidth = 62;

// The move buttons' glyphs and the hints.
struct ButtonLook {
    ui::Button TTetro1::*button;
    int glyph;   // icon resource, or 0
    const char* hint;
};
const ButtonLook kButtonLooks[] = {
    {&TTetro1::SpeedButton1, IDI_TETRO1_LEFT, "gauche"},
    {&TTetro1::SpeedButton2, IDI_TETRO1_TURN, "Rotation"},
    {&TTetro1::SpeedButton3, IDI_TETRO1_RIGHT, "droite"},
    {&TTetro1::SpeedButton4, IDI_TETRO1_DROP, "placer"},
    {&TTetro1::SpeedButton8, 0, "Exit program"},
};

// A fixed frame with a caption and no system menu.
ui::FormStyle GameStyle() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Single;
    style.systemMenu = false;
    return style;
}

std::function<int(int)> ClockDice() {
    std::minstd_rand engine(GetTickCount());
    return [engine](int n) mutable { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
}

// The window's device context, outside of a paint request.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() { ReleaseDC(hwnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace

TTetro1::TTetro1(std::function<int(int)> random)
    // Component   Rectangle                                    Caption
    : window_(*this, "Pavlun 2D", kWell.right - kWell.left + kButtonWidth + 12, kWell.bottom - kWell.top + 8,
              GameStyle(), true, DialogFont()),
      Bevel1      (*this, kWell),
      SpeedButton5(*this, ui::Bounds(156, 4, kButtonWidth, 22),      "&Début"),
      SpeedButton6(*this, ui::Bounds(156, 26, kButtonWidth, 22),     "&Pause"),
      SpeedButton7(*this, ui::Bounds(156, 49, kButtonWidth, 22),     "&Ràz"),
      SpeedButton1(*this, ui::Bounds(154, 106, 22, 22),              "", BS_ICON),
      SpeedButton2(*this, ui::Bounds(176, 106, 22, 22),              "", BS_ICON),
      SpeedButton3(*this, ui::Bounds(198, 106, 22, 22),              "", BS_ICON),
      SpeedButton4(*this, ui::Bounds(176, 128, 22, 22),              "", BS_ICON),
      Label1      (*this, ui::Bounds(156, 159, kButtonWidth, 16),    "Niveau"),
      Bevel2      (*this, ui::Bounds(156, 177, kButtonWidth, 18)),
      Label3      (*this, ui::Bounds(158, 179, kButtonWidth - 7, 14), "1"),
      Label2      (*this, ui::Bounds(156, 198, kButtonWidth, 16),    "Score"),
      Bevel3      (*this, ui::Bounds(156, 216, kButtonWidth, 17)),
      Label4      (*this, ui::Bounds(158, 218, kButtonWidth - 7, 13), "0"),
      SpeedButton8(*this, ui::Bounds(156, 303, kButtonWidth, 22),    "&Fermer"),
      Jeu(clock_, random ? std::move(random) : ClockDice()) {
    SetIcon(IDI_TETRO1);
    size_t glyph = 0;
    for (const ButtonLook& look : kButtonLooks) {
        ui::Button& button = this->*look.button;
        if (look.glyph) {
            glyphs_[glyph] = ui::IconHandle(static_cast<HICON>(LoadImageA(
                GetModuleHandleA(nullptr), MAKEINTRESOURCEA(look.glyph), IMAGE_ICON, 16, 16, 0)));
            SendMessageA(button.Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyphs_[glyph++].get()));
        }
        AddHint(button.Handle(), look.hint);
    }
    // The headings are bold; the numbers in the bevels below them, right-aligned.
    for (ui::Label* heading : {&Label1, &Label2}) heading->SetFont(ui::MakeFont("MS Sans Serif", 11, true));
    for (ui::Label* number : {&Label3, &Label4}) number->rightAligned = true;

    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    SpeedButton2.onClick = [this] { SpeedButton2Click(); };
    SpeedButton3.onClick = [this] { SpeedButton3Click(); };
    SpeedButton4.onClick = [this] { SpeedButton4Click(); };
    SpeedButton5.onClick = [this] { SpeedButton5Click(); };
    SpeedButton6.onClick = [this] { SpeedButton6Click(); };
    SpeedButton7.onClick = [this] { SpeedButton7Click(); };
    SpeedButton8.onClick = [this] { SpeedButton8Click(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    Jeu.onBoardChanged = [this] { RedessinePlateau(); };
    Jeu.onShowScore = [this] { AfficheScore(); };
    Jeu.onGameOver = [this] { FinDuJeu(); };
    keyPreview = true;
    ui::Guarded([this] { FormCreate(); });
    Show();
}

TTetro1::~TTetro1() {
    // The window goes before the glyphs that its buttons show.
    DestroyHandle();
}

void TTetro1::FormCreate() {
    for (auto& row : Jeu.Plateau) row.fill(0);
    for (auto& row : PlateauAffiche) row.fill(255);
    ActiveBoutons();
}

// ---- Handlers -------------------------------------------------------------

void TTetro1::Timer1Timer() {
    Jeu.Tick();
    ActiveBoutons();
}

bool TTetro1::FormKeyDown(WORD key, ui::ShiftState) { return Jeu.KeyDown(key); }

void TTetro1::SpeedButton1Click() { Jeu.MoveLeftButton(); }
void TTetro1::SpeedButton2Click() { Jeu.TurnButton(); }
void TTetro1::SpeedButton3Click() { Jeu.MoveRightButton(); }
void TTetro1::SpeedButton4Click() { Jeu.DropButton(); }

void TTetro1::SpeedButton5Click() {
    Jeu.Start();
    ActiveBoutons();
}

void TTetro1::SpeedButton6Click() {
    Jeu.TogglePause();
    ActiveBoutons();
}

void TTetro1::SpeedButton7Click() { Jeu.Reset(); }

void TTetro1::SpeedButton8Click() { Libere(); }

bool TTetro1::OnClose() {
    Libere();
    return true;
}

bool TTetro1::OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != kReleaseMessage) return Form::OnOtherMessage(msg, wp, lp, result);
    delete this;
    return true;
}

void TTetro1::Libere() {
    Timer1.SetEnabled(false);
    Hide();
    PostMessageA(Handle(), kReleaseMessage, 0, 0);
}

// ---- What the game shows ----------------------------------------------------

void TTetro1::AfficheScore() {
    std::string niveau = std::to_string(Jeu.Niveau), points = std::to_string(Jeu.Points);
    if (Label3.Caption() != niveau) Label3.SetCaption(niveau);
    if (Label4.Caption() != points) Label4.SetCaption(points);
}

void TTetro1::FinDuJeu() {
    ui::platform().messageBox(Handle(), "Fin du jeu!", ui::Application::Instance().Title(),
                              MB_OK | MB_ICONINFORMATION);
    for (auto& row : PlateauAffiche) row.fill(255);
}

// "&Pause" serves from the start to the end of a game; "&Ràz" and the moves
// only while the game runs.
void TTetro1::ActiveBoutons() {
    const bool running = Jeu.Running();
    SpeedButton5.SetEnabled(!Jeu.Started());
    SpeedButton6.SetEnabled(Jeu.Started());
    SpeedButton7.SetEnabled(running);
    for (ui::Button* button : {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4})
        button->SetEnabled(running);
}

void TTetro1::FormPaint(HDC dc) {
    for (auto& row : PlateauAffiche) row.fill(255);
    DessinePlateau(dc);
}

void TTetro1::RedessinePlateau() {
    WindowDC dc(Handle());
    DessinePlateau(dc.get());
}

// Draws the cells that differ from the drawn copy: navy when empty, else the
// piece's colour with grey left and bottom edges and white top and right ones.
void TTetro1::DessinePlateau(HDC dc) {
    ui::PenHandle grey(CreatePen(PS_SOLID, 1, 8421504)), white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const std::uint8_t cell = Jeu.Plateau[r][c];
            if (cell == PlateauAffiche[r][c]) continue;
            const int x0 = kCellLeft + kCell * c, y0 = kCellTop + kCell * r;
            const int x1 = x0 + kCell, y1 = y0 + kCell;
            ui::BrushHandle brush(CreateSolidBrush(CouleurCase(cell)));
            RECT square = {x0, y0, x1, y1};
            if (cell == 0) {
                FillRect(dc, &square, brush.get());
                continue;
            }
            InflateRect(&square, -1, -1);
            FillRect(dc, &square, brush.get());
            ui::SelectObjectScope pen(dc, grey.get());
            MoveToEx(dc, x0, y0, nullptr);
            LineTo(dc, x0, y1 - 1);
            LineTo(dc, x1 - 1, y1 - 1);
            SelectObject(dc, white.get());
            LineTo(dc, x1 - 1, y0);
            LineTo(dc, x0, y0);
        }
    PlateauAffiche = Jeu.Plateau;
}

}  // namespace quorvel
