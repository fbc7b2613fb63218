#pragma once

namespace game {

class Game;

// The main window's internet button (Command4). Until a connection is bought it offers one at
// a small random price; once bought it opens the browser, provided the computer has what a
// browser needs.
void pressInternetButton(Game& game);

}  // namespace game
