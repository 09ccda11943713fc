#include "admin/game/tetro_game.h"

#include <utility>

namespace quorvel {

namespace {

// Rows 1 and 2 of each base shape; rows 3 and 4 are empty.
constexpr PieceMatrix kFormes[kShapeCount] = {
    {{{0, 1, 0, 0}, {1, 1, 1, 0}}},
    {{{1, 1, 1, 0}, {1, 0, 0, 0}}},
    {{{1, 1, 1, 0}, {0, 0, 1, 0}}},
    {{{1, 1, 0, 0}, {0, 1, 1, 0}}},
    {{{0, 1, 1, 0}, {1, 1, 0, 0}}},
    {{{1, 1, 1, 1}, {0, 0, 0, 0}}},
    {{{1, 1, 0, 0}, {1, 1, 0, 0}}},
};
constexpr int kPoints[kShapeCount] = {10, 30, 30, 25, 25, 15, 20};

// Navy (empty), silver, red, lime, blue, fuchsia, aqua, yellow, white.
constexpr std::uint32_t kCouleurs[] = {8388608, 12632256, 255,     65280,   16711680,
                                       16711935, 16776960, 65535, 16777215};

// Scores above which a landing raises the level, tested in this order.
constexpr struct {
    int bound;
    std::uint8_t level;
} kPaliers[] = {{300, 2}, {700, 3}, {1300, 4}, {2000, 5}, {3000, 6}, {5000, 7}};

// The fall intervals: 650 - 100 x level at creation, 710 - 100 x level after
// a landing (the quicker the higher the level).
unsigned FirstInterval(int niveau) { return static_cast<unsigned>(650 - 100 * niveau); }
unsigned LandingInterval(int niveau) { return static_cast<unsigned>(710 - 100 * niveau); }

enum Key : unsigned { kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40 };

// Sets a guard flag for the scope of one handler.
class Guard {
public:
    explicit Guard(bool& flag) : flag_(flag) { flag_ = true; }
    ~Guard() { flag_ = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    bool& flag_;
};

bool RowEmpty(const PieceMatrix& m, int i) { return !(m[i][0] | m[i][1] | m[i][2] | m[i][3]); }
bool ColumnEmpty(const PieceMatrix& m, int j) { return !(m[0][j] | m[1][j] | m[2][j] | m[3][j]); }

}  // namespace

const PieceMatrix& Forme(int shape) { return kFormes[shape]; }
int PointsForme(int shape) { return kPoints[shape]; }

std::uint32_t CouleurCase(std::uint8_t cell) {
    return cell < std::size(kCouleurs) ? kCouleurs[cell] : kCouleurs[0];
}

GameBoard& SharedBoard() {
    static GameBoard board;
    return board;
}

TetroGame::TetroGame(FallTimer& timer, std::function<int(int)> random, GameBoard& board)
    : Plateau(board.Plateau), PieceCourante(board.PieceCourante), timer_(timer), random_(std::move(random)) {
    timer_.SetEnabled(false);
    timer_.SetInterval(FirstInterval(Niveau));
    DrawNext();
}

// ---- Handlers -------------------------------------------------------------

void TetroGame::Tick() {
    if (inTick_) return;
    Guard guard(inTick_);
    if (onShowScore) onShowScore();
    if (PieceTombe) {
        EffacePiece();
        ++Ligne;
        if (!PlacePiece(mkPlace)) Land();
    } else {
        NouvellePiece();
        if (!PlacePiece(mkPlace)) {
            EndGame();
            return;
        }
        PieceTombe = true;
    }
    // Rows completed by a landing go now, as the next piece enters. When the
    // rows that slid down leave no room for that piece, the well is full.
    if (!SupprimeLignes()) EndGame();
}

bool TetroGame::KeyDown(unsigned key) {
    if (key != kSpace && (key < kLeft || key > kDown)) return false;
    if (inKey_ || !PieceInPlay()) return true;
    Guard guard(inKey_);
    switch (key) {
        case kSpace: case kDown: Drop(); break;
        case kLeft: MoveLeft(); break;
        case kUp: TournePiece(); break;
        case kRight: MoveRight(); break;
    }
    return true;
}

// Like the keys, the move buttons leave a landed piece alone until the next
// piece enters; each press gives the piece a full interval.
void TetroGame::ButtonAction(void (TetroGame::*action)()) {
    if (!PieceInPlay()) return;
    timer_.SetEnabled(false);
    (this->*action)();
    timer_.SetEnabled(true);
}

void TetroGame::MoveLeftButton() { ButtonAction(&TetroGame::MoveLeft); }
void TetroGame::TurnButton() { ButtonAction(&TetroGame::TournePiece); }
void TetroGame::MoveRightButton() { ButtonAction(&TetroGame::MoveRight); }
void TetroGame::DropButton() { ButtonAction(&TetroGame::Drop); }

void TetroGame::Start() {
    if (started_) return;
    started_ = true;
    timer_.SetEnabled(true);
}

void TetroGame::TogglePause() {
    if (started_) timer_.SetEnabled(!timer_.Enabled());
}

void TetroGame::Reset() {
    if (!Running()) return;
    timer_.SetEnabled(false);
    EffacePiece();
    PieceTombe = false;
    Niveau = 1;
    Points = 0;
    EmptyBoard();
    BoardChanged();
    timer_.SetEnabled(true);
}

// ---- Moves ----------------------------------------------------------------

void TetroGame::MoveLeft() {
    if (Colonne <= 0) return;
    EffacePiece();
    --Colonne;
    if (!PlacePiece(mkLeft)) PlacePiece(mkPlace);
}

void TetroGame::MoveRight() {
    if (Colonne + LargeurPiece() >= kColumns) return;
    EffacePiece();
    ++Colonne;
    if (!PlacePiece(mkRight)) PlacePiece(mkPlace);
}

void TetroGame::Drop() {
    do {
        EffacePiece();
        ++Ligne;
    } while (PlacePiece(mkPlace));
    PlacePiece(mkPlace);   // the refused step took the piece off the board
    Points += 5;
}

void TetroGame::Land() {
    Points += PointsForme(TypePiece);
    for (const auto& palier : kPaliers)
        if (Points > palier.bound) Niveau = palier.level;
    timer_.SetInterval(LandingInterval(Niveau));
    PieceTombe = false;
}

void TetroGame::EndGame() {
    if (onGameOver) onGameOver();
    timer_.SetEnabled(false);
    started_ = false;
    PieceTombe = false;
    Niveau = 1;
    Points = 0;
    EmptyBoard();
    BoardChanged();
}

// ---- The piece and the board ----------------------------------------------

void TetroGame::NouvellePiece() {
    timer_.SetEnabled(false);
    TypePiece = TypeSuivant;
    CouleurPiece = CouleurSuivante;
    Colonne = 5;
    Ligne = 0;
    Orientation = 3;
    PieceCourante = Forme(TypePiece);
    ColorePiece();
    DrawNext();
    timer_.SetEnabled(true);
}

void TetroGame::DrawNext() {
    TypeSuivant = static_cast<std::uint8_t>(random_(kShapeCount));
    CouleurSuivante = static_cast<std::uint8_t>(1 + random_(7));
}

void TetroGame::EffacePiece() {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            int r = Ligne + i, c = Colonne + j;
            if (PieceCourante[i][j] && r >= 0 && r < kRows && c >= 0 && c < kColumns) Plateau[r][c] = 0;
        }
}

bool TetroGame::PlacePiece(MoveKind kind) {
    int width = LargeurPiece(), height = HauteurPiece();
    if (kind == mkPlace) {
        if (Ligne + height > kRows) {
            --Ligne;
            return false;
        }
        while (Colonne + width > kColumns) --Colonne;
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (!PieceCourante[i][j]) continue;
            int r = Ligne + i, c = Colonne + j;
            if (r >= 0 && r < kRows && c >= 0 && c < kColumns && Plateau[r][c] == 0) continue;
            switch (kind) {
                case mkPlace: --Ligne; break;
                case mkLeft: ++Colonne; break;
                case mkRight: --Colonne; break;
            }
            return false;
        }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (PieceCourante[i][j]) Plateau[Ligne + i][Colonne + j] = PieceCourante[i][j];
    BoardChanged();
    return true;
}

bool TetroGame::SupprimeLignes() {
    EffacePiece();
    for (int r = 0; r < kRows; ++r) {
        bool full = true;
        for (std::uint8_t cell : Plateau[r]) full = full && cell != 0;
        if (!full) continue;
        for (int k = r; k > 0; --k) Plateau[k] = Plateau[k - 1];
        Plateau[0] = {};
    }
    return PlacePiece(mkPlace);
}

void TetroGame::TournePiece() {
    EffacePiece();
    const std::uint8_t orientation = Orientation;
    const int colonne = Colonne, ligne = Ligne;
    Orientation = Orientation == 0 ? 3 : Orientation - 1;
    FormePiece();
    if (PlacePiece(mkPlace)) return;
    Orientation = orientation;
    Colonne = colonne;
    Ligne = ligne;
    FormePiece();
    PlacePiece(mkPlace);
}

void TetroGame::FormePiece() {
    PieceMatrix m = Forme(TypePiece);
    // Orientation + 1 clockwise quarter turns: 3 comes back to the base shape.
    for (int turn = 0; turn <= Orientation; ++turn) {
        PieceMatrix turned{};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) turned[i][j] = m[3 - j][i];
        m = turned;
    }
    // Keep the piece in the top-left corner of its box.
    for (int n = 0; n < 3 && RowEmpty(m, 0); ++n) {
        for (int i = 0; i < 3; ++i) m[i] = m[i + 1];
        m[3] = {};
    }
    for (int n = 0; n < 3 && ColumnEmpty(m, 0); ++n)
        for (auto& row : m) row = {row[1], row[2], row[3], 0};
    PieceCourante = m;
    ColorePiece();
}

void TetroGame::ColorePiece() {
    for (auto& row : PieceCourante)
        for (auto& cell : row)
            if (cell) cell = CouleurPiece;
}

int TetroGame::LargeurPiece() const {
    for (int j = 3; j >= 0; --j)
        if (!ColumnEmpty(PieceCourante, j)) return j + 1;
    return 0;
}

int TetroGame::HauteurPiece() const {
    for (int i = 3; i >= 0; --i)
        if (!RowEmpty(PieceCourante, i)) return i + 1;
    return 0;
}

void TetroGame::EmptyBoard() { Plateau = {}; }

void TetroGame::BoardChanged() {
    if (onBoardChanged) onBoardChanged();
}

}  // namespace quorvel
