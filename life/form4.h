#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace life {

// "Выбор работы": the career ladder with its salaries; the selected job is applied for.
class Form4 : public ui::Window {
public:
    static constexpr QStringView Name = u"Form4";

    explicit Form4(game::Game& game);

    void queryUnload() override;

private:
    void apply();

    game::Game& game_;
};

}  // namespace life
