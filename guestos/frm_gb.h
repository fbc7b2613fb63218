#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace guestos {

// The shutdown screen of "Vexa 2". It stays until the player closes it (the window system's
// close command, a click or any key) and then gives the main window and the clock back.
class FrmGB : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmGB";

    explicit FrmGB(game::Game& game);

    void unload() override;

private:
    void dismiss();

    game::Game& game_;
};

}  // namespace guestos
