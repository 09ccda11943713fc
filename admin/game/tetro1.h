// TTetro1, "Pavlun 2D": the window of the falling-blocks game. It draws the
// well, shows the level and the score, and hands keys, buttons and the fall
// timer's ticks to the game's rules (TetroGame).
//
// Each `new TTetro1` is a separate game: the window shows itself at once,
// is not waited for, and frees itself when it is closed ("&Fermer").
#pragma once

#include "admin/game/tetro_game.h"
#include "ui/bevel.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/handles.h"
#include "ui/timer.h"

#include <array>
#include <functional>

namespace quorvel {

class TTetro1 : public ui::Form {
public:
    // `random(n)` replaces the game's dice (0 to n - 1); by default they are
    // seeded from the clock.
    explicit TTetro1(std::function<int(int)> random = {});

private:
    // The glyphs that the move buttons show; they outlive the buttons.
    std::array<ui::IconHandle, 4> glyphs_;

public:
    // Components, in design order.
    ui::FormWindow window_;
    ui::Bevel Bevel1;   // the well's frame
    ui::Button SpeedButton5, SpeedButton6, SpeedButton7;
    ui::Button SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4;
    ui::Label Label1;
    ui::Bevel Bevel2;
    ui::Label Label3;
    ui::Label Label2;
    ui::Bevel Bevel3;
    ui::Label Label4;
    ui::Button SpeedButton8;
    ui::Timer Timer1;

    // The board as it was last drawn, shared like the board itself.
    Board& PlateauAffiche = SharedBoard().PlateauAffiche;
    // Draws the cells of the well that differ from PlateauAffiche.
    void DessinePlateau(HDC dc);

private:
    // Timer1, as the game drives it.
    class Timer1Clock final : public FallTimer {
    public:
        explicit Timer1Clock(ui::Timer& timer) : timer_(timer) {}
        void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }
        bool Enabled() const override { return timer_.Enabled(); }
        void SetInterval(unsigned milliseconds) override { timer_.SetInterval(milliseconds); }
        unsigned Interval() const override { return timer_.Interval(); }

    private:
        ui::Timer& timer_;
    };
    Timer1Clock clock_{Timer1};

public:
    TetroGame Jeu;

protected:
    // Only the window itself frees itself, when it is closed.
    ~TTetro1() override;

    void FormPaint(HDC dc) override;
    bool FormKeyDown(WORD key, ui::ShiftState shift) override;
    bool OnClose() override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void FormCreate();
    void Timer1Timer();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();

    void AfficheScore();
    void FinDuJeu();
    void RedessinePlateau();
    void ActiveBoutons();
    void Libere();
};

}  // namespace quorvel
