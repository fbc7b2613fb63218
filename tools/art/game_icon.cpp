#include "game_icon.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>

namespace art {
namespace {

// Everything is laid out on a canvas of 256 units, whatever the size drawn.
constexpr double Canvas = 256;

QColor green(int level, int alpha = 255) {
    return QColor(0, level, 0, alpha);
}
const QColor Neon(96, 255, 96);

// Where edges fall and what is drawn at one size. An edge between two pixels stays sharp; one
// in the middle of a pixel smears into a grey line, which at 16 pixels is the whole picture.
class Grid {
public:
    // 0 pixels: the scalable picture, nothing snapped and every detail drawn.
    explicit Grid(int pixels) : pixels_(pixels), unit_(pixels > 0 ? Canvas / pixels : 0) {}

    double snap(double units) const {
        return unit_ > 0 ? std::round(units / unit_) * unit_ : units;
    }
    QRectF rect(double left, double top, double right, double bottom) const {
        return QRectF(QPointF(snap(left), snap(top)), QPointF(snap(right), snap(bottom)));
    }
    // A line width in whole pixels, never less than one.
    double width(double units) const {
        return unit_ > 0 ? std::max(1.0, std::round(units / unit_)) * unit_ : units;
    }
    bool shows(int fromPixels) const { return pixels_ == 0 || pixels_ >= fromPixels; }

private:
    int pixels_;
    double unit_;
};

QPainterPath roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

constexpr double BodyRadius = 22;

QRectF bodyRect(const Grid& grid) {
    return grid.rect(16, 26, 240, 190);
}

QRectF screenRect(const Grid& grid) {
    const QRectF body = bodyRect(grid);
    const double bezel = grid.width(18);
    return body.adjusted(bezel, bezel, -bezel, -bezel);
}

// The stand first, so the monitor's glow falls over it.
void drawStand(QPainter& p, const Grid& grid) {
    // Small, the stand must stand out from a dark panel; large, it stays in the frame's shadow.
    QLinearGradient metal(0, 190, 0, 236);
    metal.setColorAt(0, green(grid.shows(48) ? 70 : 120));
    metal.setColorAt(1, green(grid.shows(48) ? 30 : 70));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    QPainterPath neck;
    neck.addRect(grid.rect(108, 186, 148, 214));
    p.drawPath(neck);
    p.drawPath(roundedRect(grid.rect(68, 212, 188, 232), grid.width(6)));
    if (grid.shows(48)) {
        p.setBrush(green(140));
        p.drawRect(grid.rect(76, 212, 180, 215));
    }
}

void drawBody(QPainter& p, const Grid& grid) {
    const QRectF body = bodyRect(grid);
    if (grid.shows(48)) {
        // The neon halo around the frame.
        for (int ring = 3; ring >= 1; --ring) {
            p.setPen(QPen(green(255, 22), ring * 5.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body, BodyRadius, BodyRadius);
        }
    }
    p.setPen(Qt::NoPen);
    QLinearGradient casing(0, body.top(), 0, body.bottom());
    casing.setColorAt(0, QColor(14, 22, 14));
    casing.setColorAt(1, QColor(4, 8, 4));
    p.setBrush(casing);
    p.drawPath(roundedRect(body, BodyRadius));
    // The frame is a glowing tube: a filled ring rather than a stroke, so its edges stay on
    // the pixel grid.
    const double tube = grid.width(8);
    const QRectF inner = body.adjusted(tube, tube, -tube, -tube);
    p.setBrush(Neon);
    p.drawPath(roundedRect(body, BodyRadius).subtracted(roundedRect(inner, BodyRadius - tube)));
    if (grid.shows(64)) {
        const QRectF core = body.adjusted(tube / 3, tube / 3, -tube / 3, -tube / 3);
        p.setPen(QPen(QColor(200, 255, 200), tube / 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(core, BodyRadius - tube / 3, BodyRadius - tube / 3);
        p.setPen(Qt::NoPen);
    }
}

struct Tower {
    double left;
    double right;
    double top;
};

// Left to right across the screen; the tallest carries the mast.
constexpr std::array<Tower, 5> Towers{{
    {40, 78, 116},
    {78, 118, 84},
    {118, 150, 124},
    {150, 196, 100},
    {196, 222, 132},
}};

void drawLitWindows(QPainter& p, const Grid& grid, const QRectF& tower, int seed) {
    // A fixed pattern, so every size shows the same lights.
    int lit = seed * 7 + 3;
    p.setPen(Qt::NoPen);
    for (double y = tower.top() + 8; y + 6 < tower.bottom() - 4; y += 12) {
        for (double x = tower.left() + 6; x + 6 <= tower.right() - 5; x += 10) {
            lit = (lit * 37 + 11) % 101;
            if (lit % 3 != 0) {
                p.setBrush(lit % 5 == 0 ? QColor(220, 255, 170) : green(235));
                p.drawRect(grid.rect(x, y, x + 6, y + 6));
            }
        }
    }
}

void drawScreen(QPainter& p, const Grid& grid) {
    const QRectF screen = screenRect(grid);
    QLinearGradient sky(0, screen.top(), 0, screen.bottom());
    sky.setColorAt(0, QColor(0, 0, 0));
    sky.setColorAt(1, green(48));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(screen);
    p.save();
    p.setClipRect(screen);

    if (grid.shows(24)) {
        // The moon, a crescent in the corner of the sky; a round blob of two pixels would only
        // blur, so the smallest moon is a square.
        const QPointF centre(screen.right() - 30, screen.top() + 26);
        p.setBrush(QColor(225, 235, 225));
        if (grid.shows(32)) {
            QPainterPath moon;
            moon.addEllipse(centre, 14, 14);
            QPainterPath shadow;
            shadow.addEllipse(centre + QPointF(-7, -4), 13, 13);
            p.drawPath(moon.subtracted(shadow));
        } else {
            p.drawRect(
                grid.rect(centre.x() - 11, centre.y() - 11, centre.x() + 11, centre.y() + 11));
        }
    }
    if (grid.shows(32)) {
        // The radio mast on the tallest tower and its beacon.
        const Tower& tallest = Towers[1];
        const double mast = (tallest.left + tallest.right) / 2;
        p.setBrush(green(150));
        p.drawRect(grid.rect(mast - 2, tallest.top - 26, mast + 2, tallest.top));
        if (grid.shows(48)) {
            QRadialGradient beacon(QPointF(mast, tallest.top - 30), 14);
            beacon.setColorAt(0, QColor(210, 255, 210));
            beacon.setColorAt(0.3, green(255, 170));
            beacon.setColorAt(1, green(255, 0));
            p.setBrush(beacon);
            p.drawEllipse(QPointF(mast, tallest.top - 30), 14, 14);
        } else {
            p.setBrush(QColor(210, 255, 210));
            p.drawRect(grid.rect(mast - 4, tallest.top - 34, mast + 4, tallest.top - 26));
        }
    }

    const double ground = screen.bottom();
    for (std::size_t n = 0; n < Towers.size(); ++n) {
        const Tower& tower = Towers[n];
        const QRectF rect = grid.rect(tower.left, tower.top, tower.right, ground);
        QLinearGradient wall(0, rect.top(), 0, rect.bottom());
        wall.setColorAt(0, green(grid.shows(48) ? 90 : 170));
        wall.setColorAt(1, green(grid.shows(48) ? 40 : 110));
        p.setBrush(wall);
        p.drawRect(rect);
        // A bright roof line marks each tower off from the next.
        p.setBrush(green(210));
        p.drawRect(QRectF(rect.left(), rect.top(), rect.width(), grid.width(4)));
        if (grid.shows(48)) {
            drawLitWindows(p, grid, rect, int(n));
        }
    }

    if (grid.shows(48)) {
        // A command prompt with its cursor: the screen is a computer's.
        const double left = screen.left() + 10;
        const double top = screen.top() + 12;
        QPainterPath chevron;
        chevron.moveTo(left, top);
        chevron.lineTo(left + 12, top + 9);
        chevron.lineTo(left, top + 18);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Neon, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(chevron);
        p.setPen(Qt::NoPen);
        p.setBrush(Neon);
        p.drawRect(QRectF(left + 20, top + 13, 14, 5));
    }
    p.restore();
}

void drawIcon(QPainter& p, const Grid& grid) {
    p.setRenderHint(QPainter::Antialiasing);
    drawStand(p, grid);
    drawBody(p, grid);
    drawScreen(p, grid);
}

}  // namespace

QImage drawGameIcon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(pixels / Canvas, pixels / Canvas);
    drawIcon(p, Grid(pixels));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray drawGameIconSvg() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(int(Canvas), int(Canvas)));
    svg.setViewBox(QRectF(0, 0, Canvas, Canvas));
    svg.setTitle(QStringLiteral("Tarnvik 2"));
    QPainter p(&svg);
    drawIcon(p, Grid(0));
    p.end();
    return bytes;
}

}  // namespace art
