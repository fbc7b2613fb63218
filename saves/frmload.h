#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace saves {

// "Загрузка": the saved games of the game folder; the chosen one replaces the game being
// played, or, when it is damaged, nothing changes and the player is told why.
class Frmload : public ui::Window {
public:
    static constexpr QStringView Name = u"Frmload";

    explicit Frmload(game::Game& game);

    void load() override;
    void queryUnload() override;

private:
    void loadChosen();

    game::Game& game_;
};

}  // namespace saves
