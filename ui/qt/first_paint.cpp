#include "ui/qt/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui::qt {

namespace {

// Watches every event of the application until the first paint, then goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> then)
        : QObject(QCoreApplication::instance()), window_(window), then_(std::move(then)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            seen_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    then_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> then_;
    bool seen_ = false;
};

}  // namespace

void whenFirstPainted(QWidget* window, std::function<void()> then) {
    new FirstPaintWatch(window, std::move(then));
}

}  // namespace ui::qt
