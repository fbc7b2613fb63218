#pragma once

namespace game {
class Game;
}

namespace stores {

// Hardware store, software store and programming-language store.
void registerStoreWindows(game::Game& game);

}  // namespace stores
