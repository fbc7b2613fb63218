#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "saves/save_format.h"

namespace game {
class Game;
}

namespace saves {

// The twenty values of the game as it stands now.
SaveRecord takeRecord(const game::Game& game);

// Reads a saved game's bytes and, only when every line has been read and checked, puts the
// values in place and rebuilds the rest. On a failure the game is left exactly as it was.
std::optional<LoadFailure> loadGame(game::Game& game, QByteArrayView bytes);

// What the player is told when a load fails.
QString failureMessage(const LoadFailure& failure);

}  // namespace saves
