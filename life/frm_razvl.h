#pragma once

#include "ui/window.h"

namespace game {
class Game;
struct Treat;
}  // namespace game

namespace life {

// "Развлечения": the cafe and the cinema lift the mood for money, each with its price and what
// it adds to mood beside it; "Пойти домой" leaves.
class FrmRazvl : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmRazvl";

    explicit FrmRazvl(game::Game& game);

    void load() override;
    void queryUnload() override;

private:
    void goOut(const game::Treat& outing, const QString& afterwards);
    void goHome();

    game::Game& game_;
};

}  // namespace life
