#pragma once

namespace game {
class Game;
}

namespace life {

// Food shop, entertainment, education and jobs.
void registerLifeWindows(game::Game& game);

}  // namespace life
