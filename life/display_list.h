#pragma once

#include "ui/color.h"
#include "ui/control.h"

namespace life {

// A line of text at the windows' default font (Arial 10) is this many pixels high, in a list
// row and in a multi-line text box alike.
inline constexpr int ListRowHeight = 15;
// The list's one-pixel frame above its first row.
inline constexpr int ListBorder = 1;
// A multi-line text box's frame and document margin above its first line.
inline constexpr int TextBoxInset = 5;

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
