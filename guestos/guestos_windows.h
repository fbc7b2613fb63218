#pragma once

namespace game {
class Game;
}

namespace guestos {

// The in-game system "Vexa 2": boot screen, desktop and shutdown screen.
void registerGuestOsWindows(game::Game& game);

}  // namespace guestos
