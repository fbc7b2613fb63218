#include "game/ruble_word.h"

namespace game {

QString RubleWord(int amount) {
    if (amount == 0 || (amount >= 5 && amount <= 10)) {
        return QStringLiteral(" рублей");
    }
    if (amount == 1) {
        return QStringLiteral(" рубль");
    }
    if (amount >= 2 && amount <= 4) {
        return QStringLiteral(" рубля");
    }
    return {};
}

}  // namespace game
