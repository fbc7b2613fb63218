#include "ui/qt/title_fit.h"

#include <QFontMetrics>

namespace ui::qt {

namespace {
// The window icon and three buttons, with the gaps around them.
constexpr int Decorations = 130;
// A bold title face about a fifth larger than the text.
constexpr double TitleFace = 1.35;
}  // namespace

int widthForTitle(const QString& title, const QFont& font) {
    return static_cast<int>(QFontMetrics(font).horizontalAdvance(title) * TitleFace) + Decorations;
}

}  // namespace ui::qt
