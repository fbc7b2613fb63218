// The checks of the computer player must hold on a sound game, quirks of the rules included, and
// catch a game that breaks them.
#include <gtest/gtest.h>

#include "game/game.h"
#include "tests/unit/autoplay/session_fixture.h"
#include "tools/autoplay/invariants.h"

namespace {

using namespace autoplay;

class InvariantsTest : public SessionFixture<InvariantsTest> {
public:
    // Plays a step that must go through and keep every rule.
    void play(const scenario::Step& step) {
        const Moment before = checks.moment(*session);
        ASSERT_FALSE(session->play(step)) << lineOf(step).toStdString();
        const auto broken = checks.check(*session, step, before);
        ASSERT_FALSE(broken) << lineOf(step).toStdString() << ": " << broken->rule.toStdString()
                             << ": " << broken->detail.toStdString();
    }
    // The rule the state breaks now, after a step that changed nothing.
    QString brokenRule() {
        const Moment before = checks.moment(*session);
        const auto broken = checks.check(*session, waitStep(0), before);
        return broken ? broken->rule : QString();
    }
    ui::Window& main() { return *session->game().find(QStringLiteral("Form1")); }

    Invariants checks;
};

TEST_F(InvariantsTest, PauseAndItsQuirkKeepTheClockRule) {
    play(menuStep(QStringLiteral("Form1"), QStringLiteral("mnuPause")));
    EXPECT_TRUE(checks.paused());
    // An About window opened during the pause starts the clock when it closes.
    play(menuStep(QStringLiteral("Form1"), QStringLiteral("mnuAuthor")));
    play(clickStep(QStringLiteral("frmAuthor")));
    EXPECT_FALSE(checks.paused());
    EXPECT_TRUE(main().control(QStringLiteral("Timer1")).enabled());
    EXPECT_FALSE(main().control(QStringLiteral("Command1")).enabled());
    play(menuStep(QStringLiteral("Form1"), QStringLiteral("mnuPause")));
    EXPECT_TRUE(checks.paused());
    play(waitStep(5000));
}

TEST_F(InvariantsTest, ShopsAndDaysKeepEveryRule) {
    play(clickStep(QStringLiteral("Form1"), QStringLiteral("Command6")));
    play(clickStep(QStringLiteral("FrmMagazine"), QStringLiteral("Command2")));
    play(selectStep(QStringLiteral("FrmMagazine"), QStringLiteral("List1"), 4));
    play(closeStep(QStringLiteral("FrmMagazine")));
    play(waitStep(1500 * 24 * 3));
    play(menuStep(QStringLiteral("Form1"), QStringLiteral("mnuNewGame")));
    play(waitStep(1500 * 30));
}

TEST_F(InvariantsTest, CatchesAClockRunningBehindAShop) {
    play(clickStep(QStringLiteral("Form1"), QStringLiteral("Command6")));
    main().control(QStringLiteral("Timer1")).setEnabled(true);
    EXPECT_EQ(brokenRule().toStdString(),
              "the clock runs exactly when no clock-stopping window is open and the game is not "
              "paused");
}

TEST_F(InvariantsTest, CatchesAMainWindowLeftDisabled) {
    main().setEnabled(false);
    EXPECT_EQ(brokenRule().toStdString(),
              "a disabled main window always has an open window above it");
}

TEST_F(InvariantsTest, CatchesCaptionsThatLie) {
    main().control(QStringLiteral("LblMoney")).setCaption(QStringLiteral("12 рублей"));
    EXPECT_EQ(brokenRule().toStdString(), "every caption that holds a number reads as one");
    main().control(QStringLiteral("LblMoney")).setCaption(QStringLiteral("12"));
    session->game().globals.CpuLevel = 2;
    EXPECT_EQ(brokenRule().toStdString(), "the main window shows what is installed");
    main().control(QStringLiteral("LblCPU")).setCaption(QStringLiteral("Intel Pentium 3"));
    EXPECT_TRUE(brokenRule().isEmpty());
    main().control(QStringLiteral("mnuVexa")).setEnabled(true);
    EXPECT_EQ(brokenRule().toStdString(),
              "mnuVexa is usable only while the in-game system is installed");
}

TEST_F(InvariantsTest, CatchesAGameThatGoesOnPastHunger) {
    main().control(QStringLiteral("LblEda")).setCaption(QStringLiteral("0"));
    // A clock that forgot its end conditions: it only moves the hour on.
    main().control(QStringLiteral("Timer1")).onTick = [this] {
        ++session->game().globals.Hour;
        main().control(QStringLiteral("LblClock")).setCaption(QStringLiteral("01:00"));
    };
    const Moment before = checks.moment(*session);
    const scenario::Step wait = waitStep(1500);
    ASSERT_FALSE(session->play(wait));
    const auto broken = checks.check(*session, wait, before);
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->rule.toStdString(),
              "the game ends at the first hour that meets an end condition");
    ASSERT_EQ(broken->expects.size(), 1u);
    EXPECT_EQ(lineOf(broken->expects[0]).toStdString(), "expect ended");
}

}  // namespace
