#pragma once

#include "ui/window.h"

namespace game {

class Game;

// The first window: the player's name, taken over by the main window on "Принять".
class FrmLogin : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmLogin";

    explicit FrmLogin(Game& game);

private:
    void accept();

    Game& game_;
};

}  // namespace game
