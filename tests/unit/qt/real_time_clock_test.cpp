// The clock of play on a stand-in wall clock: ticks come when they are due by the wall, time in
// a message box is no game time, and the timer that wakes it is a precise one.
#include <QTimer>

#include "qt_fixture.h"
#include "ui/qt/real_time_clock.h"
#include "unit/core/probe_window.h"

namespace {

class RealTimeClock : public ::testing::Test {
protected:
    void SetUp() override {
        window = &probe.show("A");
        timer = &window->control("Timer1");
        timer->setInterval(1500);
        timer->onTick = [this] { ++ticks; };
        clock = std::make_unique<ui::qt::RealTimeClock>(app, [this] { return wall; });
        timer->setEnabled(true);
    }
    // The wall clock moves on and the clock's timer fires.
    void passWall(qint64 ms) {
        wall += ms;
        clock->wake();
    }

    ui::ScriptedServices services;
    core_tests::ProbeApp probe{services};
    ui::Application& app = probe.app;
    ui::Window* window = nullptr;
    ui::Control* timer = nullptr;
    qint64 wall = 100000;  // the wall clock did not begin with the game
    std::unique_ptr<ui::qt::RealTimeClock> clock;
    int ticks = 0;
};

TEST_F(RealTimeClock, WakesPreciselyWhenTheNextTickIsDue) {
    EXPECT_EQ(clock->timer().timerType(), Qt::PreciseTimer)
        << "a coarse timer may wake 5 % late and drift the fastest speed";
    EXPECT_TRUE(clock->timer().isActive());
    EXPECT_EQ(clock->timer().interval(), 1500);
    passWall(1499);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(clock->timer().interval(), 1);
    passWall(1);
    EXPECT_EQ(ticks, 1);
    // The next hour is due one interval after the last was due, whatever the wake-up's delay.
    passWall(1520);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(clock->timer().interval(), 1480);
}

TEST_F(RealTimeClock, TimeInAMessageBoxIsNoGameTime) {
    passWall(1000);
    clock->modalStarted();
    EXPECT_FALSE(clock->timer().isActive());
    wall += 60000;  // the player reads the message for a minute
    clock->modalEnded();
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(clock->timer().interval(), 500) << "the hour goes on where the box stopped it";
    passWall(499);
    EXPECT_EQ(ticks, 0);
    passWall(1);
    EXPECT_EQ(ticks, 1);
}

TEST_F(RealTimeClock, AClockStartedByAClickCountsItsHourFromTheClick) {
    timer->setEnabled(false);  // a shop is opened...
    wall += 700;               // ...and closed 0.7 s later, between two wake-ups
    timer->setEnabled(true);
    EXPECT_EQ(clock->timer().interval(), 1500);
    passWall(1499);
    EXPECT_EQ(ticks, 0);
    passWall(1);
    EXPECT_EQ(ticks, 1);
}

TEST_F(RealTimeClock, ALongStallIsNotMadeUpWithABurstOfHours) {
    passWall(30000);  // the machine slept
    EXPECT_EQ(ticks, 1);
    passWall(1500);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
