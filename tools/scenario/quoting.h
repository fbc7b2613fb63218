#pragma once

#include <QByteArray>
#include <QString>

namespace scenario {

// Texts in the scenario syntax, so that a printed line can be pasted back into a scenario:
// double quotes, with \r \n \t \" \\ and \xHH for other control characters.
QString quoted(const QString& text);
// File contents: valid UTF-8 shows as text, any other byte as \xHH.
QString quotedBytes(const QByteArray& bytes);

}  // namespace scenario
