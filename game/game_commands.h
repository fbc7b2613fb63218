#pragma once

namespace game {

class Game;

// The main window's Load: the introduction, a seeded random generator, the starting values.
void startGame(Game& game);
void newGame(Game& game);
// Closing the main window: offers to save, then the program ends (after the save, if any).
void offerSaveOnExit(Game& game);
void formatDisk(Game& game);
// The sound switch of the game menu: beeps are heard or not, nothing else changes.
void switchSound(Game& game);

}  // namespace game
