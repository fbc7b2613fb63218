#pragma once

#include "ui/control.h"

namespace ui {

// The game's buttons are labels: pressed with the left button they show a grey, bordered face,
// released they return to bright green on black. The right button changes nothing.
void giveButtonLook(Control& label);

void showPressed(Control& label);
void showReleased(Control& label);
// The label shows the pressed look now.
bool showsPressed(const Control& label);

}  // namespace ui
