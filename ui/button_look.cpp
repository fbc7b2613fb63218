#include "ui/button_look.h"

namespace ui {

void showPressed(Control& label) {
    label.setBorderStyle(1);
    label.setForeColor(colors::Green);
    label.setBackColor(colors::Grey);
}

void showReleased(Control& label) {
    label.setBorderStyle(0);
    label.setForeColor(colors::BrightGreen);
    label.setBackColor(colors::Black);
}

bool showsPressed(const Control& label) {
    return label.borderStyle() == 1 && label.foreColor() == colors::Green &&
           label.backColor() == colors::Grey;
}

void giveButtonLook(Control& label) {
    label.labelButton = true;
    label.onMouseDown = [&label](MouseButton button) {
        if (button == MouseButton::Left) {
            showPressed(label);
        }
    };
    label.onMouseUp = [&label](MouseButton button) {
        if (button == MouseButton::Left) {
            showReleased(label);
        }
    };
}

}  // namespace ui
