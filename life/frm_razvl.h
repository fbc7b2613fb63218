#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace life {

// "Развлечения": the cafe and the cinema lift the mood for money; "Пойти домой" leaves.
class FrmRazvl : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmRazvl";

    explicit FrmRazvl(game::Game& game);

    void load() override;
    void queryUnload() override;

private:
    void goOut(int factor, const QString& afterwards);
    void goHome();

    game::Game& game_;
};

}  // namespace life
