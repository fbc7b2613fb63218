#pragma once

#include <QString>
#include <QStringList>

namespace game {

// The names of a catalogue's rows of one ladder by level, level n at row n - 1, for the rows
// that `inLadder` picks.
template <class Rows, class Pick>
QStringList namesByLevel(const Rows& rows, Pick inLadder) {
    QStringList names;
    for (const auto& row : rows) {
        if (inLadder(row)) {
            if (names.size() < row.level) {
                names.resize(row.level);
            }
            names[row.level - 1] = QString::fromUtf8(row.name);
        }
    }
    return names;
}

}  // namespace game
