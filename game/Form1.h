#pragma once

#include "game/GameStyle.h"
#include "game/Rnd.h"
#include "ui/MainWindowDesign.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

// The main window: the game's state, its rules of play and the handlers of its events.
class Form1 : public QMainWindow, public ui::MainWindowDesign {
    Q_OBJECT
public:
    // Random values come from the given source, or from the game's own generator.
    explicit Form1(std::unique_ptr<game::RandomSource> random = nullptr);
    ~Form1() override;

    double gu = 0;
    std::int16_t gss = 0;
    double ulim = 0;
    game::GameStyle gamestle = game::GameStyle::Standard;
    std::int16_t tries = 0;

    void about_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Dynamic_Click();
    void exit_Click();
    void Form_Load();
    void gamehlp_Click();
    void License_Click();
    void Noupper_Click();
    void Standargame_Click();
    void Text2_Change();
    void Text3_Click();
    void Text3_KeyPress(short& KeyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void bindEvents();
    // How the upper limit of a game is found: typed, or drawn as a count of values from the
    // lower limit.
    struct UpperLimit {
        bool drawn = false;
        double value = 0;
    };

    void ShowCount();
    void reseedAndDraw(double lower, const UpperLimit& upperLimit);
    void drawGameSecret(double lower);
    // The redraw keeps the promise of the draw at GO, whatever style has been chosen since.
    void redrawSecret(double lower);
    void showLimitEntry(bool upperLimitShown);

    std::unique_ptr<game::RandomSource> random_;
    UpperLimit gameUpperLimit_;
};
