#pragma once

#include <memory>

#include "game/game.h"

namespace app {

// A game with every window it can show.
std::unique_ptr<game::Game> makeGame(ui::Services& services);

}  // namespace app
