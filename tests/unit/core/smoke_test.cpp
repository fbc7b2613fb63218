#include "support/game_fixture.h"

using testing_support::GameFixture;

TEST_F(GameFixture, MainWindowOpensAfterTheName) {
    EXPECT_NE(game->find("Form1"), nullptr);
    EXPECT_EQ(game->find("FrmLogin"), nullptr);
    EXPECT_EQ(caption("LblMoney"), "200");
}
