#include <gtest/gtest.h>

#include "game/ruble_word.h"

namespace {

TEST(RubleWord, ChoosesTheWordForEachAmount) {
    const QString one = QStringLiteral(" рубль");
    const QString few = QStringLiteral(" рубля");
    const QString many = QStringLiteral(" рублей");

    EXPECT_EQ(game::RubleWord(0), many);
    EXPECT_EQ(game::RubleWord(1), one);
    for (int amount : {2, 3, 4}) {
        EXPECT_EQ(game::RubleWord(amount), few) << amount;
    }
    for (int amount = 5; amount <= 10; ++amount) {
        EXPECT_EQ(game::RubleWord(amount), many) << amount;
    }
}

TEST(RubleWord, GivesNoWordFromElevenOn) {
    // Eleven and more never come from the offers; the rule leaves them without a word, and
    // 21 or 22 must not be mistaken for 1 or 2 by a last-digit rule.
    for (int amount : {11, 12, 14, 15, 21, 22, 100, 255}) {
        EXPECT_TRUE(game::RubleWord(amount).isEmpty()) << amount;
    }
}

}  // namespace
