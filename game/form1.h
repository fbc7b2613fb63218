#pragma once

#include "ui/window.h"

namespace game {

class Game;

// The main window: the captions that hold the game state, the buttons that lead to the
// activities, the game menu and the two timers (game clock and picture swap).
class Form1 : public ui::Window {
public:
    static constexpr QStringView Name = u"Form1";

    explicit Form1(Game& game);

    static constexpr int Width = 577;
    static constexpr int Height = 687;

    void load() override;
    void queryUnload() override;

private:
    void layOutButtons();
    void layOutPictures();
    void layOutFrames();
    void layOutMenu();
    void connectHandlers();

    Game& game_;
};

}  // namespace game
