#pragma once

#include <QFont>
#include <QPalette>
#include <QWidget>

#include "ui/color.h"

namespace ui::qt {

// The game's text: Arial (or the metric twin the system puts in its place), 10 points.
QFont gameFont();

// What Qt draws of its own, message boxes and menus, in the game's colours: its bright green on
// black, buttons with a dark green face, a dark green highlight under white text.
QPalette gamePalette();

// Every menu in those colours and the game's font: the menu bars' and Qt's own context menus
// of text boxes alike.
void giveMenusTheGameLook();

// A window's or a control's colours: its text and its background, a faded text when disabled,
// and the game's green for the chosen row.
void applyColors(QWidget* widget, ui::Color fore, ui::Color back);

// Text boxes: Fusion draws their edge a shade darker than the window colour, which on black
// is black. The window colour of a box is used for nothing else, so it is set to a green that
// makes the edge visible, and the focused edge is bright.
void showBoxEdges(QWidget* box);

}  // namespace ui::qt
