#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace guestos {

// Scripts are Windows-1251 text, the code page their Cyrillic was typed in. Every byte has a
// character (the one unassigned byte passes through as the control character of its value),
// so decoding never fails.
QString decodeWindows1251(QByteArrayView bytes);

// The table behind the decoding, used where the system's converter is missing.
QString decodeWindows1251ByTable(QByteArrayView bytes);

// The reverse, for the scripts the game writes itself; a character the code page lacks
// becomes "?".
QByteArray encodeWindows1251(const QString& text);

}  // namespace guestos
