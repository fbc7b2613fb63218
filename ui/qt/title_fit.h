#pragma once

#include <QFont>
#include <QString>

namespace ui::qt {

// The least width at which a window manager shows this title whole in a window's title bar,
// beside its icon and its buttons. Title bars use a bold face a little larger than the text of
// the window (`font`); the estimate, made with the window's own font so that no other font is
// loaded for it, errs on the wide side.
int widthForTitle(const QString& title, const QFont& font);

}  // namespace ui::qt
