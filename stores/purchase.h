#pragma once

#include <QString>
#include <QStringList>

namespace game {
class Game;
}

namespace stores {

// What a level of any ladder is worth: T(n) = n(n + 1) / 2, so owning level n always means
// holding T(n) points for that ladder however it was climbed.
int levelPoints(int level);

// Climbing a ladder from level `from` to level `to` adds the difference of their worth to the
// points on LblCoint; a level above the new one (only a damaged save holds one) takes none away.
void awardClimb(game::Game& game, int from, int to);

// The names of a store's rows of one ladder by level, level n at row n - 1, for the rows that
// `inLadder` picks.
template <class Rows, class Pick>
QStringList namesByLevel(const Rows& rows, Pick inLadder) {
    QStringList names;
    for (const auto& row : rows) {
        if (inLadder(row)) {
            if (names.size() < row.level) {
                names.resize(row.level);
            }
            names[row.level - 1] = QString::fromUtf8(row.name);
        }
    }
    return names;
}

// Money is the number on LblMoney.
double money(const game::Game& game);
void setMoney(game::Game& game, double rubles);

// The refusals every store shares.
QString moneyShortRefusal();
QString lowDiskRefusal(int mb);

}  // namespace stores
