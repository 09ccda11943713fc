// The rules of the falling-blocks game, played without a window: scripted
// dice and a timer that only records what the game asked of it.
#include "admin/game/tetro_game.h"

#include "tests/admin/game/tetro_dice.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace quorvel {
namespace {

using testing_support::NextPiece;
using Cells = std::vector<std::pair<int, int>>;   // (row, column), from 1

constexpr unsigned kSpace = VK_SPACE, kLeft = VK_LEFT, kUp = VK_UP, kRight = VK_RIGHT, kDown = VK_DOWN;

class RecordingTimer : public FallTimer {
public:
    void SetEnabled(bool on) override { enabled = on; }
    bool Enabled() const override { return enabled; }
    void SetInterval(unsigned milliseconds) override { interval = milliseconds; }
    unsigned Interval() const override { return interval; }

    bool enabled = false;
    unsigned interval = 0;
};

struct Play {
    explicit Play(const std::vector<NextPiece>& pieces)
        : game(timer, testing_support::ScriptedDice(pieces), board) {
        game.onGameOver = [this] { ++gameOvers; };
    }
    // Starts the game and lets the first piece enter.
    void Begin() {
        game.Start();
        game.Tick();
    }
    void Block(int row, int column) { game.Plateau[row - 1][column - 1] = 1; }
    void Keys(std::initializer_list<unsigned> keys) {
        for (unsigned key : keys) game.KeyDown(key);
    }
    // Turns the piece and checks that nothing on the board or in its box moved.
    void ExpectTurnChangesNothing() {
        const Board board = game.Plateau;
        const PieceMatrix piece = game.PieceCourante;
        const int colonne = game.Colonne, ligne = game.Ligne;
        game.KeyDown(kUp);
        EXPECT_EQ(game.Plateau, board);
        EXPECT_EQ(game.PieceCourante, piece);
        EXPECT_EQ(game.Colonne, colonne);
        EXPECT_EQ(game.Ligne, ligne);
    }
    Cells Occupied() const {
        Cells cells;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                if (game.Plateau[r][c]) cells.emplace_back(r + 1, c + 1);
        return cells;
    }

    RecordingTimer timer;
    GameBoard board;
    TetroGame game;
    int gameOvers = 0;
};

TEST(TetroRules, PiecesEnterWithTheirBoxAtColumnOffsetFive) {
    Play t({{0, 2}});
    EXPECT_FALSE(t.timer.enabled);
    EXPECT_EQ(t.timer.interval, 550u);
    t.Begin();
    EXPECT_TRUE(t.timer.enabled);
    EXPECT_TRUE(t.game.PieceTombe);
    EXPECT_EQ(t.Occupied(), (Cells{{1, 7}, {2, 6}, {2, 7}, {2, 8}}));
    EXPECT_EQ(t.game.Plateau[1][5], 2) << "the cells carry the piece's colour";

    Play bar({{5, 3}});
    bar.Begin();
    EXPECT_EQ(bar.Occupied(), (Cells{{1, 6}, {1, 7}, {1, 8}, {1, 9}}));
}

TEST(TetroRules, TurnsAreQuarterTurnsCounterClockwiseInTheBoxCorner) {
    Play t({{1, 4}});
    t.Begin();
    t.Keys({kUp});
    EXPECT_EQ(t.game.Orientation, 2);
    EXPECT_EQ(t.Occupied(), (Cells{{1, 6}, {2, 6}, {3, 6}, {3, 7}}));
    t.Keys({kUp, kUp, kUp});
    EXPECT_EQ(t.game.Orientation, 3);
    EXPECT_EQ(t.Occupied(), (Cells{{1, 6}, {1, 7}, {1, 8}, {2, 6}})) << "four turns give the base shape back";
}

TEST(TetroRules, BarTurnedAtTheRightWallIsPushedBackInside) {
    Play t({{5, 6}});
    t.Begin();
    t.Keys({kUp});
    EXPECT_EQ(t.Occupied(), (Cells{{1, 6}, {2, 6}, {3, 6}, {4, 6}})) << "vertical at the box's left column";
    t.Keys({kRight, kRight, kRight, kRight, kRight});
    EXPECT_EQ(t.game.Colonne, 9) << "the vertical bar stops at the wall";
    t.Keys({kUp});
    EXPECT_EQ(t.game.Colonne, 6);
    EXPECT_EQ(t.Occupied(), (Cells{{1, 7}, {1, 8}, {1, 9}, {1, 10}}));
}

TEST(TetroRules, TurningTheSquareChangesNothing) {
    Play t({{6, 7}});
    t.Begin();
    t.ExpectTurnChangesNothing();
}

TEST(TetroRules, RefusedTurnLeavesThePieceExactlyAsItWas) {
    Play blocked({{5, 3}});
    blocked.Block(3, 6);
    blocked.Begin();
    blocked.ExpectTurnChangesNothing();
    EXPECT_EQ(blocked.game.Orientation, 3);

    Play floor({{5, 3}});
    floor.Begin();
    floor.Keys({kSpace});
    floor.ExpectTurnChangesNothing();   // it would go below row 23
    EXPECT_EQ(floor.Occupied(), (Cells{{23, 6}, {23, 7}, {23, 8}, {23, 9}}));
    EXPECT_EQ(floor.game.Orientation, 3);
}

TEST(TetroRules, DropLandsOnRow23WithFivePointsAtOnceAndTheShapesAtTheNextTick) {
    Play t({{0, 2}, {6, 3}});
    t.Begin();
    EXPECT_TRUE(t.game.KeyDown(kSpace));
    EXPECT_EQ(t.Occupied(), (Cells{{22, 7}, {23, 6}, {23, 7}, {23, 8}}));
    EXPECT_EQ(t.game.Points, 5);
    EXPECT_TRUE(t.game.PieceTombe);

    t.game.Tick();
    EXPECT_EQ(t.game.Points, 15);
    EXPECT_FALSE(t.game.PieceTombe);
    EXPECT_EQ(t.timer.interval, 610u);
    EXPECT_EQ(t.Occupied(), (Cells{{22, 7}, {23, 6}, {23, 7}, {23, 8}})) << "the landed piece stays";

    t.game.Tick();
    EXPECT_TRUE(t.game.PieceTombe);
    EXPECT_EQ(t.game.TypePiece, 6);
    EXPECT_EQ(t.Occupied().size(), 8u);

    t.Keys({kDown});
    EXPECT_EQ(t.game.Points, 20) << "the Down arrow drops too";
    EXPECT_FALSE(t.game.KeyDown('A')) << "other keys are not the game's";
}

TEST(TetroRules, TwoRowsCompletedByOnePieceGoTogetherInTheNextTick) {
    Play t({{5, 3}, {0, 2}});
    for (int c = 1; c <= 9; ++c) {
        t.Block(22, c);
        t.Block(23, c);
    }
    t.Block(19, 1);
    t.Begin();
    t.Keys({kUp, kRight, kRight, kRight, kRight, kSpace});
    EXPECT_EQ(t.game.Ligne, 19);

    t.game.Tick();   // lands; its rows go with the next piece
    EXPECT_FALSE(t.game.PieceTombe);
    EXPECT_EQ(t.Occupied().size(), 23u);

    t.game.Tick();
    EXPECT_EQ(t.Occupied(), (Cells{{1, 7}, {2, 6}, {2, 7}, {2, 8}, {21, 1}, {22, 10}, {23, 10}}));
    EXPECT_EQ(t.game.Points, 20) << "rows give no points";
}

TEST(TetroRules, ScoresEqualToAThresholdDoNotRaiseTheLevel) {
    const struct {
        int bound;
        std::uint8_t below, above;
    } steps[] = {{300, 1, 2}, {700, 2, 3}, {1300, 3, 4}, {2000, 4, 5}, {3000, 5, 6}, {5000, 6, 7}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.bound);
        Play t({{0, 1}, {0, 1}});
        t.game.Niveau = step.below;
        t.game.Points = step.bound - 15;
        t.Begin();
        t.Keys({kSpace});
        t.game.Tick();
        EXPECT_EQ(t.game.Points, step.bound);
        EXPECT_EQ(t.game.Niveau, step.below);
        EXPECT_EQ(t.timer.interval, 710u - 100u * step.below);

        t.game.Tick();
        t.Keys({kSpace});
        t.game.Tick();
        EXPECT_EQ(t.game.Points, step.bound + 15);
        EXPECT_EQ(t.game.Niveau, step.above);
        EXPECT_EQ(t.timer.interval, 710u - 100u * step.above);
    }
}

TEST(TetroRules, MoveButtonsLeaveALandedPieceAlone) {
    Play t({{0, 2}});
    t.Begin();
    t.game.DropButton();
    EXPECT_EQ(t.game.Points, 5) << "one drop, five points";
    t.game.Tick();
    ASSERT_FALSE(t.game.PieceTombe);
    const Board landed = t.game.Plateau;
    t.game.MoveLeftButton();
    t.game.TurnButton();
    t.game.MoveRightButton();
    t.game.DropButton();
    t.Keys({kLeft, kSpace});
    EXPECT_EQ(t.game.Plateau, landed);
    EXPECT_EQ(t.game.Points, 15);
}

TEST(TetroRules, RefusedEntryEndsTheGameWithAnEmptyWell) {
    Play t({{0, 2}, {1, 4}, {6, 5}});
    t.Block(1, 7);
    t.game.Niveau = 4;
    t.game.Points = 1500;
    // The end-of-game message runs a message loop in which ticks still come.
    int nestedTicks = 0;
    t.game.onGameOver = [&] {
        ++t.gameOvers;
        t.game.Tick();
        ++nestedTicks;
    };
    t.Begin();
    EXPECT_EQ(t.gameOvers, 1);
    EXPECT_EQ(nestedTicks, 1);
    EXPECT_TRUE(t.Occupied().empty());
    EXPECT_FALSE(t.game.Started());
    EXPECT_FALSE(t.timer.enabled);
    EXPECT_FALSE(t.game.PieceTombe);
    EXPECT_EQ(t.game.Niveau, 1);
    EXPECT_EQ(t.game.Points, 0);

    t.Begin();
    EXPECT_TRUE(t.game.Started());
    EXPECT_TRUE(t.game.PieceTombe);
    EXPECT_EQ(t.Occupied(), (Cells{{1, 6}, {1, 7}, {1, 8}, {2, 6}})) << "the next game begins with a new piece";
}

TEST(TetroRules, PieceLeftWithoutRoomWhenRowsSlideDownEndsTheGame) {
    Play t({{0, 2}});
    for (int c = 1; c <= 10; ++c) t.Block(23, c);   // completed by the piece that landed
    t.Block(1, 6);
    t.Begin();
    EXPECT_EQ(t.gameOvers, 1);
    EXPECT_TRUE(t.Occupied().empty());
    EXPECT_FALSE(t.game.Started());
}

}  // namespace
}  // namespace quorvel
