#pragma once

#include <memory>

#include "tools/scenario/player.h"

namespace game {
class Game;
}

namespace scenario {

// The player's input through the real Qt windows of the game (a QApplication must exist):
// mouse and keys go to the widgets, message boxes are real and answered by the driver. Time
// stays virtual. The player must go before the game.
std::unique_ptr<Player> makeQtPlayer(game::Game& game);

}  // namespace scenario
