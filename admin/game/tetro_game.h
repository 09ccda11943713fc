// The rules of "Pavlun 2D", the falling-blocks game: a well of 23 rows and 10
// columns, the seven shapes, their fall, turns and moves, full rows, points
// and levels. No window here: the game window (TTetro1) draws the board and
// forwards keys, buttons and timer ticks; the game reaches the world only
// through its fall timer, its dice and its events, so that a test can play it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace quorvel {

inline constexpr int kRows = 23;
inline constexpr int kColumns = 10;
inline constexpr int kShapeCount = 7;

// Board cells: 0 is empty, 1 to 7 the colour number of a piece. Row 1 is
// Plateau[0], column 1 is Plateau[r][0].
using Board = std::array<std::array<std::uint8_t, kColumns>, kRows>;
// A piece's 4 x 4 box, row-major, row 1 at the top.
using PieceMatrix = std::array<std::array<std::uint8_t, 4>, 4>;

// How PlacePiece came to be called.
enum MoveKind {
    mkPlace = 0,   // a step down, a turn or a re-placement
    mkLeft = 1,    // after a move to the left
    mkRight = 2,   // after a move to the right
};

// The base shapes (occupied cells hold 1), the points a landed piece of
// each shape is worth, and the colour value (0x00BBGGRR) of a cell number.
const PieceMatrix& Forme(int shape);
int PointsForme(int shape);
std::uint32_t CouleurCase(std::uint8_t cell);

// The board, its drawn copy and the falling piece exist once in the program:
// every game window plays on them, and a new window empties the board.
struct GameBoard {
    Board Plateau{};
    Board PlateauAffiche{};   // as last drawn; 255 marks a cell to draw
    PieceMatrix PieceCourante{};
};
GameBoard& SharedBoard();

// The fall timer as the game drives it; the window gives it its own timer.
class FallTimer {
public:
    virtual ~FallTimer() = default;
    virtual void SetEnabled(bool enabled) = 0;   // (re)starting restarts the interval
    virtual bool Enabled() const = 0;
    virtual void SetInterval(unsigned milliseconds) = 0;
    virtual unsigned Interval() const = 0;
};

class TetroGame {
public:
    // `random(n)` answers a whole number from 0 to n - 1. The game plays on
    // the given board, the program's shared one unless a test gives its own.
    TetroGame(FallTimer& timer, std::function<int(int)> random, GameBoard& board = SharedBoard());

    // Fields.
    Board& Plateau;
    PieceMatrix& PieceCourante;
    std::uint8_t Niveau = 1;
    std::int32_t Points = 0;
    bool PieceTombe = false;
    std::uint8_t TypePiece = 0, TypeSuivant = 0;
    std::uint8_t CouleurPiece = 1, CouleurSuivante = 1;
    int Colonne = 0, Ligne = 0;
    std::uint8_t Orientation = 3;

    // Started and not over; running is started and not paused.
    bool Started() const { return started_; }
    bool Running() const { return started_ && timer_.Enabled(); }

    // The window's handlers, without the window.
    void Tick();                 // Timer1Timer
    bool KeyDown(unsigned key);  // FormKeyDown: true for the game's own keys
    void MoveLeftButton();       // SpeedButton1 to SpeedButton4
    void TurnButton();
    void MoveRightButton();
    void DropButton();
    void Start();                // "&Début"
    void TogglePause();          // "&Pause"
    void Reset();                // "&Ràz"

    // Operations on the falling piece and the board.
    void NouvellePiece();
    void EffacePiece();
    bool PlacePiece(MoveKind kind);
    bool SupprimeLignes();
    void TournePiece();
    void FormePiece();
    void ColorePiece();
    int LargeurPiece() const;
    int HauteurPiece() const;

    // The board changed: draw the cells that differ from the drawn copy.
    std::function<void()> onBoardChanged;
    // A tick begins: show Niveau and Points where they differ.
    std::function<void()> onShowScore;
    // The game is over: say so ("Fin du jeu!") and redraw the whole well.
    std::function<void()> onGameOver;

private:
    // The actions that keys and move buttons share.
    void MoveLeft();
    void MoveRight();
    void Drop();
    bool PieceInPlay() const { return PieceTombe && Running(); }
    void ButtonAction(void (TetroGame::*action)());
    void Land();
    void EndGame();
    void EmptyBoard();
    void DrawNext();
    void BoardChanged();

    FallTimer& timer_;
    std::function<int(int)> random_;
    bool started_ = false;
    bool inTick_ = false;
    bool inKey_ = false;
};

}  // namespace quorvel
