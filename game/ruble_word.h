#pragma once

#include <QString>

namespace game {

// The word after an amount of rubles, with its leading blank: " рубль", " рубля", " рублей",
// or nothing for 11 and more.
QString RubleWord(int amount);

}  // namespace game
