#include "vexa_canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace art::vexa {

QImage drawAt(int width, int height, int scale, const std::function<void(QPainter&)>& draw) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    draw(p);
    p.end();
    return image;
}

QFont sans(double pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    // A picture has 96 dots to the inch: a point is three quarters of a pixel.
    font.setPointSizeF(pixels * 0.75);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont serif(double pixels, bool bold) {
    QFont font = sans(pixels, bold);
    font.setFamily(QStringLiteral("Liberation Serif"));
    return font;
}

void text(QPainter& p, const QRectF& box, const QString& words, const QFont& font,
          const QColor& colour, int align) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, align, words);
    p.restore();
}

void bevel(QPainter& p, const QRectF& box, const QColor& face, bool sunken) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(box, face);
    const QColor light = sunken ? face.darker(160) : face.lighter(135);
    const QColor dark = sunken ? face.lighter(135) : face.darker(160);
    p.setPen(light);
    p.drawLine(box.topLeft(), box.topRight() - QPointF(1, 0));
    p.drawLine(box.topLeft(), box.bottomLeft() - QPointF(0, 1));
    p.setPen(dark);
    p.drawLine(box.bottomLeft() - QPointF(0, 1), box.bottomRight() - QPointF(1, 1));
    p.drawLine(box.topRight() - QPointF(1, 0), box.bottomRight() - QPointF(1, 1));
    p.restore();
}

void emblem(QPainter& p, const QRectF& box) {
    p.save();
    const double r = box.width() * 0.2;
    QLinearGradient face(box.topLeft(), box.bottomRight());
    face.setColorAt(0, QColor(18, 40, 30));
    face.setColorAt(1, QColor(4, 12, 8));
    QPainterPath square;
    square.addRoundedRect(box, r, r);
    p.fillPath(square, face);
    p.setPen(QPen(QColor(0, 150, 60), box.width() * 0.03));
    p.drawPath(square);

    // A soft glow behind the letter.
    QRadialGradient glow(box.center(), box.width() * 0.45);
    glow.setColorAt(0, QColor(0, 220, 90, 90));
    glow.setColorAt(1, QColor(0, 220, 90, 0));
    p.fillPath(square, glow);

    const double w = box.width();
    const QPointF left(box.left() + w * 0.24, box.top() + w * 0.26);
    const QPointF bottom(box.center().x(), box.top() + w * 0.76);
    const QPointF right(box.left() + w * 0.76, box.top() + w * 0.26);
    QPen stroke(QColor(0, 230, 100), w * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stroke);
    p.drawLine(left, bottom);
    stroke.setColor(QColor(150, 255, 190));
    p.setPen(stroke);
    p.drawLine(bottom, right);
    p.restore();
}

void verticalGradient(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(box, g);
}

}  // namespace art::vexa
