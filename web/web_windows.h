#pragma once

namespace game {
class Game;
}

namespace web {

// The browser and the download window.
void registerWebWindows(game::Game& game);

}  // namespace web
