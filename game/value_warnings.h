#pragma once

#include <cstdint>

#include "ui/control.h"

namespace game {

class Game;

// How near satiety or mood is to ending the game: at 15 or below it is low, at 5 or below
// critical (a day takes 5 satiety and 2 mood).
ui::Warning needWarning(double value);

// How near money is to ending the game: below the price of the cheapest meal at this job it
// is low, at 0 or below critical.
ui::Warning moneyWarning(double rubles, std::uint8_t jobLevel);

// Puts the warnings of satiety, mood and money on the main window's labels (LblEda, LblRazvl,
// LblMoney), from what they show now. The game does it after every event.
void showWarnings(Game& game);

}  // namespace game
