#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace life {

// "Магазин": three meals that cost money and fill the player up.
class FrmMagazine : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmMagazine";

    explicit FrmMagazine(game::Game& game);

    void load() override;
    void unload() override;

private:
    void buyMeal(int factor);

    game::Game& game_;
};

}  // namespace life
