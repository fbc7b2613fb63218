#include "bench/startup/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

constexpr int GiveUpMs = 30000;

// Watches every event of the application: a window made of several widgets is painted widget by
// widget, and the top-level one may be fully covered by its children.
class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QWidget* window) : window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            seen_ = true;
            // Queued, so the whole window is painted and flushed before the figure is taken.
            QMetaObject::invokeMethod(this, &FirstPaintWatcher::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const char* spawned = std::getenv(SpawnTimeVariable);
        if (spawned != nullptr) {
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
            const double ms = static_cast<double>(now - std::strtoll(spawned, nullptr, 10)) / 1e6;
            std::printf("first-paint-ms %.3f\n", ms);
            std::fflush(stdout);
        }
        QCoreApplication::quit();
    }

    QWidget* window_;
    bool seen_ = false;
};

}  // namespace

void quitAfterFirstPaint(QWidget* window) {
    auto* watcher = new FirstPaintWatcher(window);
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
    QTimer::singleShot(GiveUpMs, watcher, [] {
        std::fprintf(stderr, "no window was painted within %d ms\n", GiveUpMs);
        QCoreApplication::exit(3);
    });
}

}  // namespace bench
