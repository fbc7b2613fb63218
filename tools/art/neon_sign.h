#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QStringView>

namespace art {

// Text in a 5 x 7 pixel font drawn as glowing tubes; each font pixel becomes scale x scale
// pixels. Only the capital letters a sign needs are known; others are left blank.
void drawNeonText(QPainter& painter, QPoint topLeft, QStringView text, int scale,
                  const QColor& color);
int neonTextWidth(QStringView text, int scale);
int neonTextHeight(int scale);

}  // namespace art
