#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace guestos {

// The boot screen of "Vexa 2": ten steps of the progress bar, one a second, then the desktop.
class FrmLoadGUI : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmLoadGUI";

    explicit FrmLoadGUI(game::Game& game);

    void unload() override;

private:
    void bootStep();

    game::Game& game_;
    bool booted_ = false;
};

}  // namespace guestos
