// The game window: its layout, its buttons and keys, its drawing, the end of
// a game and its freeing, through real windows and messages. Ticks are sent
// to Timer1 as the system sends them.
#include "admin/game/tetro1.h"

#include "tests/admin/game/tetro_dice.h"
#include "tests/support/pixels.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace quorvel {
namespace {

using testing_support::NextPiece;

constexpr COLORREF kNavy = 8388608, kGrey = 8421504, kWhite = 16777215, kRed = 255;

class Tetro1Test : public ::testing::Test {
protected:
    TTetro1& Open(const std::vector<NextPiece>& pieces) {
        auto* window = new TTetro1(testing_support::ScriptedDice(pieces));
        opened_.emplace_back(window, window->Handle());
        return *window;
    }

    void TearDown() override {
        for (auto [window, hwnd] : opened_)
            if (ui::Window::FromHandle(hwnd) == window) window->SpeedButton8.Click();
        ui::Application::Instance().ProcessMessages();
    }

    static void Tick(TTetro1& w) {
        if (w.Timer1.Enabled()) w.Timer1.onTimer();   // as the system does: only a running timer ticks
    }

    // A key as the user types it: to the control that has the focus, through
    // the message loop.
    static void Press(TTetro1& w, WORD key) {
        HWND target = GetFocus();
        if (!target || GetAncestor(target, GA_ROOT) != w.Handle()) target = w.Handle();
        PostMessageA(target, WM_KEYDOWN, key, 0);
        ui::Application::Instance().ProcessMessages();
    }

    static std::vector<bool> Enabled(TTetro1& w) {
        std::vector<bool> states;
        for (auto* b : {&w.SpeedButton1, &w.SpeedButton2, &w.SpeedButton3, &w.SpeedButton4,
                        &w.SpeedButton5, &w.SpeedButton6, &w.SpeedButton7, &w.SpeedButton8})
            states.push_back(b->Enabled());
        return states;
    }

    std::vector<std::pair<TTetro1*, HWND>> opened_;
};

const std::vector<bool> kNotStarted = {false, false, false, false, true, false, false, true};
const std::vector<bool> kRunning = {true, true, true, true, false, true, true, true};
const std::vector<bool> kPaused = {false, false, false, false, false, true, false, true};

TEST_F(Tetro1Test, OpensCentredWithItsLayoutAndWaitsForDebut) {
    TTetro1& w = Open({{0, 2}});
    EXPECT_TRUE(w.Visible());
    LONG style = GetWindowLongA(w.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT frame;
    GetWindowRect(w.Handle(), &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_TRUE(SendMessageA(w.Handle(), WM_GETICON, ICON_BIG, 0));

    EXPECT_EQ(w.SpeedButton5.Text(), "&Début");
    EXPECT_EQ(w.SpeedButton6.Text(), "&Pause");
    EXPECT_EQ(w.SpeedButton7.Text(), "&Ràz");
    EXPECT_EQ(w.SpeedButton8.Text(), "&Fermer");
    for (auto* glyph : {&w.SpeedButton1, &w.SpeedButton2, &w.SpeedButton3, &w.SpeedButton4})
        EXPECT_TRUE(SendMessageA(glyph->Handle(), BM_GETIMAGE, IMAGE_ICON, 0));
    EXPECT_EQ(Enabled(w), kNotStarted);

    EXPECT_EQ(w.Label1.Caption(), "Niveau");
    EXPECT_EQ(w.Label3.Caption(), "1");
    EXPECT_EQ(w.Label2.Caption(), "Score");
    EXPECT_EQ(w.Label4.Caption(), "0");
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_EQ(w.Timer1.Interval(), 550u);
    Tick(w);
    EXPECT_FALSE(w.Jeu.PieceTombe) << "nothing falls before \"&Début\"";
}

TEST_F(Tetro1Test, DrawsChangedCellsWithTheirBevel) {
    TTetro1& w = Open({{0, 2}});
    w.SpeedButton5.Click();
    Tick(w);
    EXPECT_EQ(w.PlateauAffiche, w.Jeu.Plateau) << "the entering piece was drawn";

    testing_support::Canvas canvas(222, 338);
    for (auto& row : w.PlateauAffiche) row.fill(255);
    w.DessinePlateau(canvas.dc());

    EXPECT_EQ(canvas.At(5 + 7, 6 + 7), kNavy) << "empty cell (1, 1)";
    const int x0 = 5 + 14 * 5, y0 = 6 + 14;   // cell (2, 6) of the piece
    EXPECT_EQ(canvas.At(x0 + 7, y0 + 7), kRed);
    EXPECT_EQ(canvas.At(x0, y0 + 7), kGrey) << "left edge";
    EXPECT_EQ(canvas.At(x0 + 7, y0 + 13), kGrey) << "bottom edge";
    EXPECT_EQ(canvas.At(x0 + 13, y0 + 7), kWhite) << "right edge";
    EXPECT_EQ(canvas.At(x0 + 7, y0), kWhite) << "top edge";

    // Unchanged cells are not drawn again.
    SetPixel(canvas.dc(), 5 + 7, 6 + 7, RGB(0, 0, 0));
    w.DessinePlateau(canvas.dc());
    EXPECT_EQ(canvas.At(5 + 7, 6 + 7), RGB(0, 0, 0));
    w.Jeu.Plateau[0][0] = 7;
    w.DessinePlateau(canvas.dc());
    EXPECT_EQ(canvas.At(5 + 7, 6 + 7), RGB(255, 255, 0));
}

TEST_F(Tetro1Test, KeysAndButtonsPlayUntilPaused) {
    TTetro1& w = Open({{0, 2}});
    w.SpeedButton5.Click();
    EXPECT_EQ(Enabled(w), kRunning);
    EXPECT_TRUE(w.Timer1.Enabled());
    Tick(w);
    Press(w, VK_LEFT);
    EXPECT_EQ(w.Jeu.Colonne, 4);
    w.SpeedButton3.Click();
    EXPECT_EQ(w.Jeu.Colonne, 5);
    EXPECT_EQ(w.PlateauAffiche, w.Jeu.Plateau);

    w.SpeedButton6.Click();
    EXPECT_EQ(Enabled(w), kPaused);
    EXPECT_FALSE(w.Timer1.Enabled());
    const Board board = w.Jeu.Plateau;
    for (WORD key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE}) Press(w, key);
    for (auto* b : {&w.SpeedButton1, &w.SpeedButton2, &w.SpeedButton3, &w.SpeedButton4}) b->Click();
    EXPECT_EQ(w.Jeu.Plateau, board);
    EXPECT_EQ(w.Jeu.Points, 0);
    EXPECT_FALSE(w.Timer1.Enabled()) << "still paused";

    w.SpeedButton6.Click();
    EXPECT_EQ(Enabled(w), kRunning);
    Press(w, VK_SPACE);
    EXPECT_EQ(w.Jeu.Ligne, 21);
    EXPECT_EQ(w.Jeu.Points, 5);

    Tick(w);   // lands
    EXPECT_EQ(w.Label4.Caption(), "5");

    w.SpeedButton7.Click();   // "&Ràz"
    EXPECT_EQ(w.PlateauAffiche, Board{});
    EXPECT_EQ(w.Jeu.Points, 0);
    EXPECT_TRUE(w.Timer1.Enabled());
    Tick(w);
    EXPECT_EQ(w.Label4.Caption(), "0");
    EXPECT_TRUE(w.Jeu.PieceTombe) << "the next tick brings a new piece";
}

TEST_F(Tetro1Test, EndOfGameEmptiesTheWellKeepsTheLabelsAndDebutStartsAgain) {
    testing_support::MessageRecorder messages;
    TTetro1& w = Open({{0, 2}, {1, 4}, {6, 5}});
    w.SpeedButton5.Click();
    Tick(w);
    w.SpeedButton4.Click();   // drop
    Tick(w);                   // lands
    w.Jeu.Niveau = 4;
    w.Jeu.Points = 1990;
    w.Jeu.Plateau[0][5] = 3;   // the next piece cannot enter
    Tick(w);

    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Fin du jeu!"});
    EXPECT_EQ(messages.shown[0].caption, ui::Application::Instance().Title());
    EXPECT_EQ(messages.shown[0].flags, UINT(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(w.Jeu.Plateau, Board{});
    EXPECT_EQ(w.PlateauAffiche, Board{}) << "the empty well was drawn";
    EXPECT_EQ(w.Label3.Caption(), "4");
    EXPECT_EQ(w.Label4.Caption(), "1990");
    EXPECT_EQ(Enabled(w), kNotStarted);
    EXPECT_FALSE(w.Timer1.Enabled());

    w.SpeedButton5.Click();
    Tick(w);
    EXPECT_EQ(w.Label3.Caption(), "1");
    EXPECT_EQ(w.Label4.Caption(), "0");
    EXPECT_TRUE(w.Jeu.PieceTombe);
    EXPECT_EQ(w.Jeu.TypePiece, 6) << "the piece after the refused one";
}

TEST_F(Tetro1Test, AllWindowsPlayOnOneBoardThatANewWindowEmpties) {
    TTetro1& first = Open({{0, 2}});
    first.SpeedButton5.Click();
    Tick(first);
    first.SpeedButton4.Click();
    ASSERT_EQ(first.Jeu.Plateau[22][6], 2) << "the first piece lies on the floor";
    TTetro1& second = Open({{5, 3}});
    EXPECT_EQ(&second.Jeu.Plateau, &first.Jeu.Plateau);
    EXPECT_EQ(first.Jeu.Plateau, Board{}) << "the new window emptied the board";
    second.SpeedButton5.Click();
    Tick(second);
    EXPECT_EQ(first.Jeu.Plateau[0][5], 3) << "the first window sees the second one's piece";
    EXPECT_EQ(&second.PlateauAffiche, &first.PlateauAffiche);
}

TEST_F(Tetro1Test, ClosingFreesTheWindow) {
    TTetro1& byButton = Open({});
    HWND hwnd = byButton.Handle();
    byButton.SpeedButton5.Click();
    byButton.SpeedButton8.Click();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    ui::Application::Instance().ProcessMessages();
    EXPECT_FALSE(IsWindow(hwnd));

    TTetro1& byRequest = Open({});
    hwnd = byRequest.Handle();
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    ui::Application::Instance().ProcessMessages();
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace quorvel
