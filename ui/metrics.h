#pragma once

namespace ui {

// Text lines in lists and multi-line text boxes have one fixed height on screen (the Qt view
// holds its widgets to it), so that a window can stand a button level with a row or line.
inline constexpr int LineHeight = 15;
// A list's frame above its first row.
inline constexpr int ListBorder = 1;
// A multi-line text box's frame and margin above its first line.
inline constexpr int TextBoxInset = 5;

// The height of a list box that shows this many rows without a scroll bar.
inline constexpr int listHeight(int rows) {
    return 2 * ListBorder + LineHeight * rows;
}

// The top of a control of the given height that stands level with a row of a list at listTop.
inline constexpr int levelWithRow(int listTop, int row, int height) {
    return listTop + ListBorder + LineHeight * row + (LineHeight - height) / 2;
}

// The same for a line of a multi-line text box at boxTop.
inline constexpr int levelWithLine(int boxTop, int line, int height) {
    return boxTop + TextBoxInset + LineHeight * line + (LineHeight - height) / 2;
}

}  // namespace ui
