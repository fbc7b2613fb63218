#include "game/points_and_money.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "game/game.h"

namespace game {

int levelPoints(int level) {
    // Below 1 is none: a damaged save can hold any level text, and its worth must not overflow.
    const long long n = std::max(level, 0);
    return static_cast<int>(std::min(n * (n + 1) / 2, static_cast<long long>(INT_MAX)));
}

void awardClimb(Game& game, int from, int to) {
    // A climb never takes points away, not even from a level no store sells (a damaged save).
    const int gain = levelPoints(to) - levelPoints(from);
    if (gain > 0) {
        game.setNumber("LblCoint", game.number("LblCoint") + gain);
    }
}

double money(const Game& game) {
    return game.number("LblMoney");
}

void setMoney(Game& game, double rubles) {
    game.setNumber("LblMoney", rubles);
}

QString moneyShortRefusal() {
    return QStringLiteral("Нехватает денег!");
}

QString lowDiskRefusal(int mb) {
    return QStringLiteral("Нехватает места на жёстком диске, нужно %1 MB").arg(mb);
}

}  // namespace game
