#include "ui/qt/title_fit.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>

namespace ui::qt {

namespace {
// The window icon and three buttons, with the gaps around them.
constexpr int Decorations = 130;
}  // namespace

int widthForTitle(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    return QFontMetrics(font).horizontalAdvance(title) + Decorations;
}

}  // namespace ui::qt
