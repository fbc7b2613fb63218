#pragma once

namespace game {

class Game;
class Form1;

// One tick of the game clock: one game hour, the end conditions, the clock text and, at the
// end of a day, the day's costs and the salary.
void hourStep(Game& game);
void DayRollover(Game& game);

// Interval of the game clock for speed 1..6 ("1-X" .. "6-X").
int speedInterval(int speed);
void chooseSpeed(Game& game, int speed);

void togglePause(Game& game);

// The picture area shows one of its two pictures at a time.
void swapPictures(Form1& form);

}  // namespace game
