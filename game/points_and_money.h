#pragma once

#include <QString>

namespace game {

class Game;

// What a level of any ladder is worth: T(n) = n(n + 1) / 2, so owning level n always means
// holding T(n) points for that ladder however it was climbed.
int levelPoints(int level);

// Climbing a ladder from level `from` to level `to` adds the difference of their worth to the
// points on LblCoint; a level above the new one (only a damaged save holds one) takes none away.
void awardClimb(Game& game, int from, int to);

// Money is the number on LblMoney.
double money(const Game& game);
void setMoney(Game& game, double rubles);

// The refusals every store and the web share.
QString moneyShortRefusal();
QString lowDiskRefusal(int mb);

}  // namespace game
