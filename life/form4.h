#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace life {

// "Выбор работы": the career ladder with its salaries; the selected job's salary and
// requirements show under the lists, and it is applied for.
class Form4 : public ui::Window {
public:
    static constexpr QStringView Name = u"Form4";

    explicit Form4(game::Game& game);

    void queryUnload() override;

private:
    void apply();
    // Label3: the chosen job's salary and requirements, or a hint while none is chosen.
    void describeChosenJob();

    game::Game& game_;
};

}  // namespace life
