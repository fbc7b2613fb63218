#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "ui/application.h"

namespace ui::qt {

// Moves the scheduler's clock with the wall clock during play. One precise single-shot timer
// wakes it for the next due tick; time spent in a message box is taken out, so the game stands
// still while the player answers.
class RealTimeClock : public QObject, public ui::AppObserver {
    Q_OBJECT
public:
    explicit RealTimeClock(ui::Application& app);
    ~RealTimeClock() override;

    void windowOpened(ui::Window&) override {}
    void windowClosed(ui::Window&) override {}
    void modalStarted() override;
    void modalEnded() override;

private:
    void wake();
    void plan();
    qint64 gameTime() const;

    ui::Application& app_;
    QElapsedTimer wall_;
    QTimer timer_;
    qint64 stopped_ = 0;
    qint64 modalSince_ = 0;
    int modalDepth_ = 0;
};

}  // namespace ui::qt
