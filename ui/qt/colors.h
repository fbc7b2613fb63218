#pragma once

#include <QWidget>

#include "ui/color.h"

namespace ui::qt {

// A window's or a control's colours: its text and its background, a faded text when disabled,
// and the game's green for the chosen row.
void applyColors(QWidget* widget, ui::Color fore, ui::Color back);

// Text boxes: Fusion draws their edge a shade darker than the window colour, which on black
// is black. The window colour of a box is used for nothing else, so it is set to a green that
// makes the edge visible, and the focused edge is bright.
void showBoxEdges(QWidget* box);

}  // namespace ui::qt
