#pragma once

#include <QByteArray>

#include "tools/autoplay/dice.h"

namespace autoplay {

// A program for the in-game system's run window: lines of its four commands in every form the
// runner knows, capital letters, lines too short to be commands, Russian text in Windows-1251,
// and now and then an "end " that closes the game.
QByteArray randomScript(Dice& dice);

}  // namespace autoplay
