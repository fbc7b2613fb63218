#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "vexa_art.h"
#include "vexa_canvas.h"

namespace art::vexa {

QImage drawLogo(int scale) {
    return drawAt(112, 112, scale, [](QPainter& p) { emblem(p, QRectF(4, 4, 104, 104)); });
}

QImage drawWallpaper(int scale) {
    constexpr int W = 800;
    constexpr int H = 570;
    return drawAt(W, H, scale, [](QPainter& p) {
        QLinearGradient sky(0, 0, W, H);
        sky.setColorAt(0, QColor(6, 34, 30));
        sky.setColorAt(0.55, QColor(3, 18, 20));
        sky.setColorAt(1, QColor(0, 6, 8));
        p.fillRect(QRectF(0, 0, W, H), sky);

        // Light from the top right, where the system's mark stands.
        QRadialGradient light(QPointF(600, 170), 420);
        light.setColorAt(0, QColor(0, 180, 110, 70));
        light.setColorAt(1, QColor(0, 180, 110, 0));
        p.fillRect(QRectF(0, 0, W, H), light);

        // A fine grid of dots, fading to the left.
        for (int y = 14; y < H; y += 22) {
            for (int x = 14; x < W; x += 22) {
                const int alpha = 8 + 26 * x / W;
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(120, 255, 190, alpha));
                p.drawEllipse(QPointF(x, y), 0.9, 0.9);
            }
        }

        // Sweeping arcs, like the trace of a signal.
        for (int i = 0; i < 6; ++i) {
            QPainterPath arc;
            const double lift = 40.0 * i;
            arc.moveTo(-20, H - 60 - lift);
            arc.cubicTo(220, H - 200 - lift, 480, H + 10 - lift, W + 20, H - 260 - lift);
            p.setPen(QPen(QColor(0, 220, 130, 46 - 6 * i), 1.6 + 0.6 * (5 - i)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arc);
        }

        // The mark, large and faint.
        p.save();
        p.setOpacity(0.22);
        emblem(p, QRectF(500, 70, 200, 200));
        p.restore();
    });
}

QImage drawRunIcon(int scale) {
    return drawAt(48, 48, scale, [](QPainter& p) {
        // A small window with a prompt and a run arrow.
        const QRectF frame(4, 7, 40, 34);
        p.setPen(QPen(QColor(150, 210, 180), 1.2));
        p.setBrush(QColor(16, 26, 22));
        p.drawRoundedRect(frame, 3, 3);
        p.fillRect(QRectF(4.6, 7.6, 38.8, 7), QColor(0, 110, 64));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 240, 230));
        p.drawEllipse(QPointF(39, 11), 1.4, 1.4);
        p.fillRect(QRectF(9, 21, 20, 5), QColor(230, 230, 230));
        p.fillRect(QRectF(9, 30, 12, 2), QColor(0, 200, 90));
        QPainterPath arrow;
        arrow.moveTo(31, 19);
        arrow.lineTo(41, 26);
        arrow.lineTo(31, 33);
        arrow.closeSubpath();
        p.setBrush(QColor(0, 230, 100));
        p.drawPath(arrow);
    });
}

QImage drawScriptIcon(int scale) {
    return drawAt(48, 48, scale, [](QPainter& p) {
        // A page of program lines with a folded corner and a green run mark.
        QPainterPath page;
        page.moveTo(9, 4);
        page.lineTo(31, 4);
        page.lineTo(40, 13);
        page.lineTo(40, 44);
        page.lineTo(9, 44);
        page.closeSubpath();
        p.setPen(QPen(QColor(150, 170, 160), 1.2));
        p.setBrush(QColor(236, 242, 238));
        p.drawPath(page);
        QPainterPath fold;
        fold.moveTo(31, 4);
        fold.lineTo(31, 13);
        fold.lineTo(40, 13);
        p.setBrush(QColor(196, 210, 202));
        p.drawPath(fold);
        const QColor ink(40, 70, 60);
        for (int line = 0; line < 5; ++line) {
            const double y = 18 + 5 * line;
            p.fillRect(QRectF(13, y, 4, 2), QColor(0, 150, 70));
            p.fillRect(QRectF(19, y, 14 - 3 * (line % 3), 2), ink);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 170, 80));
        p.drawEllipse(QPointF(36, 38), 8, 8);
        QPainterPath arrow;
        arrow.moveTo(33.5, 34);
        arrow.lineTo(40, 38);
        arrow.lineTo(33.5, 42);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
    });
}

QImage drawEmptyProgram(int scale) {
    return drawAt(ProgramWidth, ProgramHeight, scale, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, ProgramWidth, ProgramHeight), QColor(28, 32, 30));
        p.setOpacity(0.5);
        emblem(p, QRectF(170, 80, 80, 80));
        p.setOpacity(1);
        text(p, QRectF(0, 178, ProgramWidth, 26), QStringLiteral("Программа не установлена"),
             sans(17, true), QColor(220, 230, 225), Qt::AlignCenter);
        text(p, QRectF(30, 208, ProgramWidth - 60, 40),
             QStringLiteral("Купите её в магазине ПО, и она откроется здесь."), sans(12),
             QColor(150, 170, 160), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    });
}

}  // namespace art::vexa
