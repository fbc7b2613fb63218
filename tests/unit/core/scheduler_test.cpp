#include <gtest/gtest.h>

#include "probe_window.h"

namespace {

using core_tests::ProbeApp;
using core_tests::ProbeWindow;

// Scripted services whose message boxes let a test act while the box is "open".
class BoxServices : public ui::ScriptedServices {
public:
    ui::Answer messageBox(const QString& text, ui::MessageKind kind,
                          const QString& title) override {
        if (whileOpen) {
            whileOpen();
        }
        return ui::ScriptedServices::messageBox(text, kind, title);
    }
    std::function<void()> whileOpen;
};

class SchedulerTest : public ::testing::Test {
protected:
    void SetUp() override {
        a = &probe.show("A");
        b = &probe.show("B");
    }

    // Starts a window's timer with an interval; every tick is logged as "A@300".
    ui::Control& run(ProbeWindow& w, int interval) {
        ui::Control& timer = w.control("Timer1");
        timer.onTick = [this, &w] { log(w.name()); };
        timer.setInterval(interval);
        timer.setEnabled(true);
        return timer;
    }
    void log(const QString& name) {
        ticks << QStringLiteral("%1@%2").arg(name).arg(scheduler().now());
    }
    ui::Scheduler& scheduler() { return probe.app.scheduler(); }

    BoxServices services;
    ProbeApp probe{services};
    ProbeWindow* a = nullptr;
    ProbeWindow* b = nullptr;
    QStringList ticks;
};

const QStringList TwoTimers = {"B@200", "A@300", "B@400",  "A@600",  "B@600",
                               "B@800", "A@900", "B@1000", "A@1200", "B@1200"};

TEST_F(SchedulerTest, DeliversTicksInOrderOfDueTimeWithTiesInStartingOrder) {
    run(*a, 300);
    run(*b, 200);
    EXPECT_EQ(scheduler().nextDue(), 200);
    EXPECT_TRUE(scheduler().advance(1200));
    EXPECT_EQ(ticks, TwoTimers);
    EXPECT_EQ(scheduler().now(), 1200);
    EXPECT_EQ(scheduler().nextDue(), 1400);
}

TEST_F(SchedulerTest, SmallStepsGiveTheSameTicksAsOneLargeStep) {
    // Ticks are due one interval after the previous due time, not after the step that
    // delivered them, so a clock moved in uneven steps does not drift.
    run(*a, 300);
    run(*b, 200);
    for (int t = 7; t < 1200; t += 7) {
        scheduler().advanceTo(t);
    }
    scheduler().advanceTo(1200);
    EXPECT_EQ(ticks, TwoTimers);
}

TEST_F(SchedulerTest, ANewIntervalCountsFromTheMomentItIsSet) {
    ui::Control& timer = run(*a, 300);
    scheduler().advance(250);
    timer.setInterval(100);  // as a speed chosen from the menu between two ticks
    scheduler().advance(300);
    EXPECT_EQ(ticks, (QStringList{"A@350", "A@450", "A@550"}));
}

TEST_F(SchedulerTest, AnIntervalChangedInsideItsOwnTickIsHonouredAtOnce) {
    ui::Control& timer = run(*a, 300);
    timer.onTick = [&] {
        log("A");
        timer.setInterval(1000);
    };
    scheduler().advance(2500);
    EXPECT_EQ(ticks, (QStringList{"A@300", "A@1300", "A@2300"}));
}

TEST_F(SchedulerTest, ATimerStoppedByAnotherTickDoesNotTickEvenWhenDueAtTheSameTime) {
    ui::Control& first = run(*a, 300);
    ui::Control& second = run(*b, 300);
    first.onTick = [&] {
        log("A");
        second.setEnabled(false);
    };
    scheduler().advance(500);
    EXPECT_EQ(ticks, QStringList{"A@300"});
    // Started again, it waits a whole interval.
    first.setEnabled(false);
    second.setEnabled(true);
    scheduler().advance(400);
    EXPECT_EQ(ticks, (QStringList{"A@300", "B@800"}));
}

TEST_F(SchedulerTest, StoppedTimersAndTimersWithoutIntervalNeverTick) {
    ui::Control& timer = run(*a, 0);
    scheduler().advance(10000);
    timer.setInterval(100);
    timer.setEnabled(false);
    scheduler().advance(10000);
    EXPECT_TRUE(ticks.isEmpty());
    EXPECT_FALSE(scheduler().nextDue().has_value());
    EXPECT_EQ(scheduler().now(), 20000);
}

TEST_F(SchedulerTest, SkippedTimeDeliversNothingAndMovesEveryDueTime) {
    run(*a, 300);
    scheduler().advance(100);
    scheduler().shift(1000);
    EXPECT_TRUE(ticks.isEmpty());
    EXPECT_EQ(scheduler().now(), 1100);
    scheduler().advance(199);
    EXPECT_TRUE(ticks.isEmpty());
    scheduler().advance(1);
    EXPECT_EQ(ticks, QStringList{"A@1300"});
}

TEST_F(SchedulerTest, TimeStandsStillWhileAMessageBoxIsOpen) {
    run(*a, 300);
    bool advancedDuringBox = true;
    services.whileOpen = [&] { advancedDuringBox = scheduler().advance(5000); };
    a->control("Command1").onClick = [&] { probe.app.info("Пауза включена!"); };
    scheduler().advance(100);
    probe.app.click(a->control("Command1"));
    services.whileOpen = nullptr;

    EXPECT_FALSE(advancedDuringBox);
    EXPECT_TRUE(ticks.isEmpty());
    EXPECT_EQ(scheduler().now(), 100) << "the time the box was open must not count";
    scheduler().advance(199);
    EXPECT_TRUE(ticks.isEmpty());
    scheduler().advance(1);
    EXPECT_EQ(ticks, QStringList{"A@300"});
}

TEST_F(SchedulerTest, ABoxShownByATickHoldsBackEveryOtherTick) {
    ui::Control& timer = run(*a, 300);
    run(*b, 100);
    int depth = 0;
    int deepest = 0;
    int heldBack = 0;
    timer.onTick = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        log("A");
        probe.app.info("tick");
        --depth;
    };
    services.whileOpen = [&] {
        const qsizetype before = ticks.size();
        if (!scheduler().advance(1000)) {
            ++heldBack;
        }
        EXPECT_EQ(ticks.size(), before) << "a tick was delivered while a box was open";
    };
    scheduler().advance(600);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(heldBack, 2);
    EXPECT_EQ(ticks, (QStringList{"B@100", "B@200", "A@300", "B@300", "B@400", "B@500", "A@600",
                                  "B@600"}));
}

TEST_F(SchedulerTest, NoTickAfterTheProgramEnded) {
    run(*a, 300);
    a->control("Timer1").onTick = [&] {
        log("A");
        probe.app.endProgram();
    };
    run(*b, 300);
    scheduler().advance(3000);
    EXPECT_EQ(ticks, QStringList{"A@300"});
    EXPECT_FALSE(scheduler().nextDue().has_value());
}

}  // namespace
