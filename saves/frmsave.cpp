#include "saves/frmsave.h"

#include "game/game.h"

namespace saves {

Frmsave::Frmsave(game::Game& game) : SaveWindow(game, Name) {}

void Frmsave::queryUnload() {
    game_.endActivity(false);  // the clock was never stopped
}

void Frmsave::saved(bool replaced) {
    // Replacing a save asked first; a new one is announced.
    if (!replaced) {
        game_.info(QStringLiteral("Игра сохранена!"));
    }
    game_.close(*this);
}

}  // namespace saves
