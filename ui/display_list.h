#pragma once

#include "ui/control.h"

namespace ui {

// A list that only shows values beside another list or beside buttons (prices, salaries):
// a click on a row leaves nothing selected.
inline void makeDisplayOnly(Control& list) {
    list.displayOnly = true;
    list.onClick = [&list] { list.setListIndex(-1); };
}

}  // namespace ui
