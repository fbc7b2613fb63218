#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace web {

// "Загрузка": the download window. It receives the modem's speed in MB every second once
// "Сохранить" is pressed, and on the tick after the last MB installs what the file holds,
// awards its points and charges the traffic, a ruble a MB.
class FrmDL : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmDL";

    explicit FrmDL(game::Game& game);

    void load() override;
    void queryUnload() override;

private:
    void start();
    void cancel();
    void step();
    void complete();
    void showProgress();

    game::Game& game_;
};

}  // namespace web
