#include "ui/qt/real_time_clock.h"

#include <algorithm>

namespace ui::qt {

namespace {
// A wake-up later than this (the machine slept, the window was dragged for long) is not made
// up with a burst of ticks: that time never passed in the game.
constexpr qint64 MaxLagMs = 1000;
}  // namespace

RealTimeClock::RealTimeClock(ui::Application& app, WallClock wall)
    : app_(app), wall_(std::move(wall)) {
    if (!wall_) {
        elapsed_.start();
        wall_ = [this] { return elapsed_.elapsed(); };
    }
    stopped_ = wall_();  // game time starts at nought whenever the wall clock began
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RealTimeClock::wake);
    app_.scheduler().setTimeSource([this] { return gameTime(); });
    app_.scheduler().setOnChange([this] { plan(); });
    plan();
}

RealTimeClock::~RealTimeClock() {
    app_.scheduler().setTimeSource({});
    app_.scheduler().setOnChange({});
}

qint64 RealTimeClock::gameTime() const {
    const qint64 now = wall_();
    return now - stopped_ - (modalDepth_ > 0 ? now - modalSince_ : 0);
}

void RealTimeClock::plan() {
    if (modalDepth_ > 0 || app_.ended()) {
        timer_.stop();
        return;
    }
    const auto due = app_.scheduler().nextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    const qint64 delay = std::max<qint64>(0, *due - gameTime());
    timer_.start(static_cast<int>(std::min<qint64>(delay, 24 * 3600 * 1000)));
}

void RealTimeClock::wake() {
    if (modalDepth_ > 0 || app_.ended()) {
        return;
    }
    const auto due = app_.scheduler().nextDue();
    if (due && gameTime() - *due > MaxLagMs) {
        stopped_ += gameTime() - *due;
    }
    app_.scheduler().advanceTo(gameTime());
    plan();
}

void RealTimeClock::modalStarted() {
    if (modalDepth_++ == 0) {
        modalSince_ = wall_();
        timer_.stop();
    }
}

void RealTimeClock::modalEnded() {
    if (--modalDepth_ == 0) {
        stopped_ += wall_() - modalSince_;
        plan();
    }
}

}  // namespace ui::qt
