#include "ui/qt/game_icon.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "ui/qt/first_paint.h"

namespace ui::qt {

namespace {

// Should the first window never be painted (hidden at once, no screen), the icon comes anyway.
constexpr int LatestMs = 2000;

}  // namespace

QIcon gameIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/tarnvik2-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void showGameIconAfterFirstPaint(QWidget* first) {
    auto setOnce = [set = std::make_shared<bool>(false)] {
        if (!*set) {
            *set = true;
            QApplication::setWindowIcon(gameIcon());
        }
    };
    if (first == nullptr) {
        setOnce();
        return;
    }
    whenFirstPainted(first, setOnce);
    QTimer::singleShot(LatestMs, QCoreApplication::instance(), setOnce);
}

}  // namespace ui::qt
