#pragma once

#include "ui/window.h"

namespace game {
class Game;
struct Treat;
}  // namespace game

namespace life {

// "Магазин": three meals that cost money and fill the player up; beside each button its price
// and what it adds to satiety.
class FrmMagazine : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmMagazine";

    explicit FrmMagazine(game::Game& game);

    void load() override;
    void unload() override;

private:
    void buyMeal(const game::Treat& meal);

    game::Game& game_;
};

}  // namespace life
