#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

// Helpers for the pictures of the in-game system "Vexa 2". Every picture is drawn in points
// and rendered at a scale (1 and 2), so that it is sharp on any screen.
namespace art::vexa {

// A transparent picture of width x height points at `scale` pixels per point; `draw` paints
// on it in points.
QImage drawAt(int width, int height, int scale, const std::function<void(QPainter&)>& draw);

QFont sans(double pixels, bool bold = false);
QFont serif(double pixels, bool bold = false);

// Text in a box, aligned as given.
void text(QPainter& p, const QRectF& box, const QString& words, const QFont& font,
          const QColor& colour, int align = Qt::AlignLeft | Qt::AlignVCenter);

// A raised (or sunken) face with light and dark edges, as the buttons of older desktops.
void bevel(QPainter& p, const QRectF& box, const QColor& face, bool sunken = false);

// The emblem of "Vexa 2": a bright "V" of two strokes in a dark rounded square.
void emblem(QPainter& p, const QRectF& box);

// A rectangle filled with a vertical gradient.
void verticalGradient(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom);

}  // namespace art::vexa
