#pragma once

#include <QString>

#include "ui/control.h"

namespace ui {

// What a screen reader says of a control: made from the relations its window set with the
// layout (Control::labelledBy and the fields after it) and from what the control shows now.
// The front end only hands these texts on.

// A value label says what it is and its value ("Деньги: 200", "Время: 00:00"), and its
// warning after them ("Сытость: 12, Мало"); a box, a list or a picture is named by its
// introduction; a button, a frame and any other label by its caption. A decorative picture
// has no name.
QString spokenName(const Control& control);
// What is said after the name: a label's warning in words, or a button's values beside it.
QString spokenDescription(const Control& control);
// The values the columns beside a control show in one row, each with its heading:
// "Цена, руб.: 5, Сытость: +10". Empty when they show none there.
QString valuesBeside(const Control& control, int row);
// A warning in words: "Мало", "Очень мало"; empty for none.
QString warningWord(Warning warning);
// Whether what is said of `control` changes with `other` (it introduces it, or shows values
// beside it).
bool speaksOf(const Control& control, const Control& other);

}  // namespace ui
