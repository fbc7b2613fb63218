#pragma once

namespace ui::qt {

// Tells a screen reader what the game's own widgets are: a window view is a window, or a dialog
// of its owner; a label button is a push button that "Press" presses as a click does; a picture
// is an image (a decorative one is passed over) and a container of other controls a panel. The
// names and descriptions come from the model (ui/spoken.h) through the binders. Installed once;
// calling it again does nothing.
void installAccessibility();

}  // namespace ui::qt
