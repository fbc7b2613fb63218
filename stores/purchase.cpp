#include "stores/purchase.h"

#include <cstdint>

#include "game/game.h"

namespace stores {

int levelPoints(int level) {
    return level * (level + 1) / 2;
}

void awardClimb(game::Game& game, int from, int to) {
    game.setNumber("LblCoint", game.number("LblCoint") + levelPoints(to) - levelPoints(from));
}

double money(const game::Game& game) {
    return game.number("LblMoney");
}

void setMoney(game::Game& game, double rubles) {
    game.setNumber("LblMoney", rubles);
}

QString moneyShortRefusal() {
    return QStringLiteral("Нехватает денег!");
}

QString lowDiskRefusal(int mb) {
    return QStringLiteral("Нехватает места на жёстком диске, нужно %1 MB").arg(mb);
}

}  // namespace stores
