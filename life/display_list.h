#pragma once

#include "ui/color.h"
#include "ui/control.h"

namespace life {

// Rows of a list box drawn beside the buttons; about this many pixels each at the default font,
// below a thin border.
inline constexpr int ListRowHeight = 16;
inline constexpr int ListBorder = 2;

// A list that only shows values (prices, salaries): a click on a row leaves nothing selected.
inline void makeDisplayOnly(ui::Control& list) {
    list.onClick = [&list] { list.setListIndex(-1); };
}

// The height of a list box that shows this many rows without a scroll bar.
inline constexpr int listHeight(int rows) {
    return 2 * ListBorder + ListRowHeight * rows;
}

// The top of a button that stands level with the given row of a list at listTop.
inline int levelWithRow(int listTop, int row, int buttonHeight) {
    return listTop + ListBorder + ListRowHeight * row + (ListRowHeight - buttonHeight) / 2;
}

}  // namespace life
