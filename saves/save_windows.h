#pragma once

namespace game {
class Game;
}

namespace saves {

// The save window of the menu, the save-on-exit window and the load window.
void registerSaveWindows(game::Game& game);

}  // namespace saves
