#include "ui/qt/placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui::qt {

QPoint placeWithin(const QRect& over, const QSize& frame, const QRect& area) {
    const QPoint centred = over.topLeft() + QPoint((over.width() - frame.width()) / 2,
                                                   (over.height() - frame.height()) / 2);
    // The right and bottom edges first: a frame too large for the area then gives way at
    // those edges, never at the title bar's.
    const int x = std::max(area.left(), std::min(centred.x(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(centred.y(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

namespace {

QSize frameAround(const QWidget* window) {
    return window->frameGeometry().size() - window->size();
}

// What the window system will add around a window it has not framed yet: as much as around
// the owner, or else around any window it has framed already; nothing before the first.
QSize frameGuess(const QWidget* owner) {
    if (owner != nullptr) {
        return frameAround(owner);
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && !frameAround(other).isNull()) {
            return frameAround(other);
        }
    }
    return {0, 0};
}

}  // namespace

void placeOverOwner(QWidget* window) {
    const QWidget* owner = window->parentWidget();
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = window->size() + frameGuess(owner);
    // move() places the frame, title bar included: the window system puts it there once it has
    // framed the window, whatever its frame turns out to be.
    window->move(placeWithin(owner != nullptr ? owner->frameGeometry() : area, frame, area));
}

}  // namespace ui::qt
