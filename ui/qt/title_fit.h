#pragma once

#include <QString>

namespace ui::qt {

// The least width at which a window manager shows this title whole in a window's title bar,
// beside its icon and its buttons. Title bars use a bold face a little larger than the game's
// text; the estimate errs on the wide side.
int widthForTitle(const QString& title);

}  // namespace ui::qt
