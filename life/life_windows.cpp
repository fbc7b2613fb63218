#include "life/life_windows.h"

#include "game/game.h"

namespace life {

void registerLifeWindows(game::Game& game) {
    (void)game;
}

}  // namespace life
