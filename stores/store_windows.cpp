#include "stores/store_windows.h"

#include "game/game.h"

namespace stores {

void registerStoreWindows(game::Game& game) {
    (void)game;
}

}  // namespace stores
