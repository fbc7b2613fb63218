#pragma once

#include <QIcon>

class QWidget;

namespace ui::qt {

// The game's icon at every size it is drawn in, from the resources.
QIcon gameIcon();

// Gives every window of the game its icon once `first` has been painted (at once when there is
// no first window): reading the icon's pictures before then would hold up the first window.
void showGameIconAfterFirstPaint(QWidget* first);

}  // namespace ui::qt
