#pragma once

#include <functional>

class QWidget;

namespace ui::qt {

// Calls `then` once, after a widget of `window` has first been painted, queued so that the paint
// is done by then. Any widget counts: a window made of several widgets is painted widget by
// widget, and the top-level one may be fully covered by its children. `window` is only compared,
// never used, so it may go away first (and `then` is never called).
void whenFirstPainted(QWidget* window, std::function<void()> then);

}  // namespace ui::qt
