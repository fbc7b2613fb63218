#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui::qt {

// Where a window whose frame has the given size opens: centred over `over` (its owner's frame,
// or the screen's area for a window that stands alone), then moved inside `area`. A frame
// larger than the area keeps its top left corner at the area's, so that its title bar and menu
// bar stay on screen.
QPoint placeWithin(const QRect& over, const QSize& frame, const QRect& area);

// Places a top-level widget that is about to be shown: over its owner (its parent widget), or
// over the primary screen, inside the available area of that screen. Its frame is guessed from
// the owner's until the window system has shown it.
void placeOverOwner(QWidget* window);

}  // namespace ui::qt
