#include "ui/color.h"

#include <QStringList>

namespace ui {

QString Color::text() const {
    return QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b);
}

std::optional<Color> Color::parse(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 0 || values[i] > 255) {
            return std::nullopt;
        }
    }
    return Color{static_cast<std::uint8_t>(values[0]), static_cast<std::uint8_t>(values[1]),
                 static_cast<std::uint8_t>(values[2])};
}

}  // namespace ui
