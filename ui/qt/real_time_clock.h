#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "ui/application.h"

namespace ui::qt {

// Moves the scheduler's clock with the wall clock during play. One precise single-shot timer
// wakes it for the next due tick; time spent in a message box is taken out, so the game stands
// still while the player answers.
class RealTimeClock : public QObject, public ui::AppObserver {
    Q_OBJECT
public:
    // Milliseconds of wall time since some fixed moment; by default a monotonic clock.
    using WallClock = std::function<qint64()>;

    explicit RealTimeClock(ui::Application& app, WallClock wall = {});
    ~RealTimeClock() override;

    void windowOpened(ui::Window&) override {}
    void windowClosed(ui::Window&) override {}
    void modalStarted() override;
    void modalEnded() override;

    // The timer's call: delivers the ticks due by now and sets the timer for the next one.
    void wake();
    // The single-shot timer that wakes the clock (its kind and the delay it was set for).
    const QTimer& timer() const { return timer_; }

private:
    void plan();
    qint64 gameTime() const;

    ui::Application& app_;
    QElapsedTimer elapsed_;
    WallClock wall_;
    QTimer timer_;
    qint64 stopped_ = 0;
    qint64 modalSince_ = 0;
    int modalDepth_ = 0;
};

}  // namespace ui::qt
