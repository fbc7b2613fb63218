// The planner's model of the rules, checked against the rules' own worked examples.
#include <gtest/gtest.h>

#include "tools/autoplay/economy.h"
#include "tools/autoplay/planner.h"

namespace {

using namespace autoplay;

TEST(Economy, ProcessorUpgradeSellsTheOldOne) {
    Player p;
    p.money = 600;
    p.cpu = 3;
    ASSERT_TRUE(p.apply({Deed::Hardware, 0}));  // "Intel Core 2 Duo" over "Intel Pentium 4"
    EXPECT_DOUBLE_EQ(p.money, 250);
    EXPECT_EQ(p.points, 4);
    EXPECT_FALSE(p.apply({Deed::Hardware, 1}));  // a lower one is refused
}

TEST(Economy, ANewDiskErasesSoftwareAndTheLanguage) {
    Player p;
    p.money = 1000;
    p.disk = 1;
    p.os = 1;
    p.language = 3;
    ASSERT_TRUE(p.apply({Deed::Hardware, 12}));
    EXPECT_EQ(p.points, 9);  // from 1000 MB to 16000 MB
    EXPECT_EQ(p.freeDisk, 16000);
    EXPECT_EQ(p.os + p.language, 0);
    EXPECT_DOUBLE_EQ(p.money, 1000 + 50 - 800);
}

TEST(Economy, LanguagesSystemsAndJobsEarnTheirLadderPoints) {
    Player p;
    p.money = 1000;
    p.os = 2;
    p.language = 3;
    p.freeDisk = 1000;
    ASSERT_TRUE(p.apply({Deed::Language, 4}));  // "Visual C#"
    EXPECT_EQ(p.points, 9);
    EXPECT_DOUBLE_EQ(p.money, 500);
    EXPECT_EQ(p.freeDisk, 600);

    Player q;
    q.job = 2;
    q.study[0] = q.study[1] = 5;
    q.study[2] = 3;
    q.language = 4;
    ASSERT_TRUE(q.apply({Deed::Job, 3}));
    EXPECT_EQ(q.points, 6);  // assistant straight to programmer
    EXPECT_EQ(q.salary(), 50);
}

TEST(Economy, FormattingGivesTheDiskBackForANewInstall) {
    Player p;
    p.money = 200;
    p.cpu = p.video = 3;
    p.ram = 2;
    p.disk = 2;
    p.freeDisk = 3000;
    ASSERT_TRUE(p.apply({Deed::Software, 1}));  // "Windows XP"
    ASSERT_TRUE(p.apply({Deed::Format, 0}));
    EXPECT_EQ(p.freeDisk, 3000);
    ASSERT_TRUE(p.apply({Deed::Software, 1}));
    EXPECT_EQ(p.points, 12);
}

TEST(Planner, BuysTheLastPointsWithWhatIsAtHand) {
    Player p;
    p.points = 150;
    p.money = 300;
    p.satiety = 0;  // and eats first
    const auto moves = finishNow(p, false);
    ASSERT_TRUE(moves);
    for (const Move& m : *moves) {
        ASSERT_TRUE(p.apply(m)) << describe(m).toStdString();
    }
    EXPECT_GE(p.points, 162);
    EXPECT_GT(p.satiety, 0);
    Player poor;
    poor.points = 100;
    poor.money = 100;
    EXPECT_FALSE(finishNow(poor, false));
}

}  // namespace
