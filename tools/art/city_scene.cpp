#include "city_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "neon_sign.h"

namespace art {
namespace {

constexpr int GroundY = 184;  // where the buildings stand; the street lies below
const QColor Green(0, 192, 0);

// One fixed sequence of draws, so every run and both frames get the same city. Only colours
// may depend on the frame, never the number of draws.
class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int between(int low, int high) { return low + int(engine_() % unsigned(high - low + 1)); }
    bool chance(int percent) { return between(0, 99) < percent; }

private:
    std::mt19937 engine_;
};

QColor green(int level, int alpha = 255) {
    return QColor(0, level, 0, alpha);
}
QColor grey(int level, int alpha = 255) {
    return QColor(level, level, level, alpha);
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    QColor edge = colour;
    edge.setAlpha(0);
    gradient.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

void drawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, GroundY);
    sky.setColorAt(0, QColor(0, 0, 0));
    sky.setColorAt(0.55, green(7));
    sky.setColorAt(1, green(38));
    p.fillRect(0, 0, SceneWidth, GroundY, sky);
}

constexpr QPointF MoonCentre(374, 34);

void drawStars(QPainter& p, Dice& dice, int frame) {
    p.setPen(Qt::NoPen);
    for (int n = 0; n < 60; ++n) {
        const int x = dice.between(2, SceneWidth - 3);
        const int y = dice.between(3, 118);
        int level = dice.between(60, 190);
        const bool big = dice.chance(12);
        if (std::hypot(x - MoonCentre.x(), y - MoonCentre.y()) < 30) {
            continue;
        }
        // A few stars twinkle from one frame to the next.
        if (n % 17 == 5 && frame == 1) {
            level /= 2;
        }
        p.setBrush(grey(level));
        p.drawRect(x, y, 1, 1);
        if (big) {
            p.setBrush(grey(level / 2));
            p.drawRect(x - 1, y, 3, 1);
            p.drawRect(x, y - 1, 1, 3);
        }
    }
}

void drawMoon(QPainter& p) {
    glow(p, MoonCentre, 38, grey(150, 46));
    QPainterPath moon;
    moon.addEllipse(MoonCentre, 14, 14);
    QPainterPath shadow;
    shadow.addEllipse(MoonCentre + QPointF(-7, -4), 13, 13);
    p.setBrush(grey(206));
    p.drawPath(moon.subtracted(shadow));
}

// Low, hazy towers far away: lighter than the near ones, with few lights.
void drawFarSkyline(QPainter& p, Dice& dice) {
    int x = -6;
    while (x < SceneWidth) {
        const int width = dice.between(12, 28);
        const int height = dice.between(34, 88);
        const int top = GroundY - height;
        p.setPen(Qt::NoPen);
        p.setBrush(green(30));
        p.drawRect(x, top, width, height);
        if (dice.chance(25)) {
            p.setPen(green(40));
            p.drawLine(x + width / 2, top - dice.between(5, 14), x + width / 2, top);
            p.setPen(Qt::NoPen);
        }
        for (int wy = top + 4; wy < GroundY - 4; wy += 5) {
            for (int wx = x + 3; wx < x + width - 3; wx += 4) {
                if (dice.chance(9)) {
                    p.setBrush(green(dice.between(70, 105)));
                    p.drawRect(wx, wy, 2, 2);
                }
            }
        }
        x += width + dice.between(-4, 3);
    }
}

constexpr int MastX = 318;
constexpr int MastTop = 28;

// A lattice radio mast behind the town, its beacon blinking.
void drawMast(QPainter& p, int frame) {
    p.setPen(QPen(green(78), 1));
    const int base = GroundY;
    const double baseHalf = 7;
    const double topHalf = 1;
    auto halfAt = [&](double y) {
        return topHalf + (baseHalf - topHalf) * (y - MastTop) / (base - MastTop);
    };
    p.drawLine(QPointF(MastX - topHalf, MastTop), QPointF(MastX - baseHalf, base));
    p.drawLine(QPointF(MastX + topHalf, MastTop), QPointF(MastX + baseHalf, base));
    for (int y = MastTop + 8; y + 9 < base; y += 9) {
        const double a = halfAt(y);
        const double b = halfAt(y + 9);
        p.drawLine(QPointF(MastX - a, y), QPointF(MastX + b, y + 9));
        p.drawLine(QPointF(MastX + a, y), QPointF(MastX - b, y + 9));
    }
    p.drawLine(MastX, MastTop - 8, MastX, MastTop);
    const QPointF beacon(MastX, MastTop - 9);
    if (frame == 0) {
        glow(p, beacon, 13, green(220, 150));
        p.setBrush(QColor(200, 255, 200));
        p.drawEllipse(beacon, 1.6, 1.6);
    } else {
        p.setBrush(green(70));
        p.drawEllipse(beacon, 1.4, 1.4);
    }
}

struct Building {
    int x;
    int width;
    int height;
};

// Town blocks in front of the mast; the wide one in the middle carries the sign.
constexpr Building MidBuildings[] = {
    {106, 40, 92},  {144, 34, 66}, {176, 94, 106}, {268, 38, 84},
    {304, 28, 118}, {330, 48, 62}, {376, 36, 98},  {410, 30, 72},
};
constexpr int SignBuilding = 2;
constexpr int BlinkBuilding = 3;

QColor litWindow(Dice& dice) {
    const int kind = dice.between(0, 9);
    if (kind < 7) {
        return green(dice.between(140, 200));
    }
    if (kind < 9) {
        return grey(dice.between(130, 175));
    }
    return QColor(120, 200, 120);
}

void drawMidBuildings(QPainter& p, Dice& dice, int frame) {
    for (int b = 0; b < int(std::size(MidBuildings)); ++b) {
        const Building& building = MidBuildings[b];
        const int top = GroundY - building.height;
        p.setPen(Qt::NoPen);
        p.setBrush(green(13));
        p.drawRect(building.x, top, building.width, building.height);
        // Moonlight from the right catches the roof and one edge.
        p.setBrush(green(58));
        p.drawRect(building.x, top, building.width, 1);
        p.drawRect(building.x + building.width - 1, top, 1, building.height);
        if (b != SignBuilding && dice.chance(60)) {
            p.setBrush(grey(80));
            const int ax = building.x + dice.between(4, building.width - 5);
            p.drawRect(ax, top - dice.between(6, 13), 1, 13);
        }
        const bool strips = dice.chance(30);
        int row = 0;
        for (int wy = top + 5; wy + 5 < GroundY - 2; wy += 9, ++row) {
            int column = 0;
            for (int wx = building.x + 4; wx + 4 < building.x + building.width - 2;
                 wx += 7, ++column) {
                QColor colour = dice.chance(30) ? litWindow(dice) : green(28);
                if (b == BlinkBuilding && row == 3 && column == 2) {
                    // Someone switching a light on and off.
                    colour = frame == 0 ? green(200) : green(28);
                }
                if (b == BlinkBuilding + 1 && row == 6 && column == 1) {
                    // A television flickering grey.
                    colour = frame == 0 ? grey(175) : grey(110);
                }
                p.setBrush(colour);
                p.drawRect(wx, wy, strips ? 7 : 4, 5);
            }
        }
    }
}

void drawSign(QPainter& p) {
    const Building& building = MidBuildings[SignBuilding];
    const QString text = QStringLiteral("TARNVIK");
    const int scale = 2;
    const int width = neonTextWidth(text, scale) + 8;
    const int height = neonTextHeight(scale) + 8;
    const int left = building.x + (building.width - width) / 2;
    const int roof = GroundY - building.height;
    const int top = roof - height - 5;
    p.setPen(Qt::NoPen);
    p.setBrush(grey(70));
    p.drawRect(left + 10, top + height, 2, 5);
    p.drawRect(left + width - 12, top + height, 2, 5);
    glow(p, QPointF(left + width / 2.0, top + height / 2.0), width * 0.62, green(192, 40));
    p.setBrush(QColor(0, 9, 0));
    p.setPen(grey(85));
    p.drawRect(left, top, width - 1, height - 1);
    drawNeonText(p, QPoint(left + 4, top + 4), text, scale, Green);
}

// Mist rising from the streets softens the feet of the buildings.
void drawHaze(QPainter& p) {
    QLinearGradient haze(0, GroundY - 40, 0, GroundY);
    haze.setColorAt(0, green(30, 0));
    haze.setColorAt(1, green(40, 110));
    p.fillRect(0, GroundY - 40, SceneWidth, 40, haze);
}

constexpr int HouseRight = 100;
constexpr int HouseTop = 66;

// The student's room: the player at a desk, the monitor showing code and a blinking cursor.
void drawStudentRoom(QPainter& p, QRect window, int frame) {
    QLinearGradient light(window.topLeft(), window.bottomLeft());
    light.setColorAt(0, green(70));
    light.setColorAt(1, green(118));
    p.fillRect(window, light);
    p.setPen(Qt::NoPen);
    p.setBrush(green(14));
    p.drawRect(window.left(), window.top() + 3, window.width(), 1);
    p.setBrush(green(22));
    p.drawRect(window.left(), window.bottom() - 2, window.width(), 3);
    const QRect monitor(window.left() + 11, window.top() + 5, 12, 9);
    p.setBrush(grey(34));
    p.drawRect(monitor);
    p.drawRect(monitor.center().x() - 1, monitor.bottom() + 1, 3, 1);
    const QRect screen = monitor.adjusted(1, 1, -1, -1);
    p.setBrush(green(26));
    p.drawRect(screen);
    p.setBrush(Green);
    p.drawRect(screen.left() + 1, screen.top() + 1, 6, 1);
    p.drawRect(screen.left() + 2, screen.top() + 3, 4, 1);
    if (frame == 0) {
        p.drawRect(screen.left() + 1, screen.top() + 5, 2, 1);
    }
    p.setBrush(QColor(0, 12, 0));
    p.drawEllipse(QPointF(window.left() + 6.5, window.top() + 9.5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(window.left() + 2, window.top() + 12, 9, 8), 3, 3);
}

// The house in front, where the player rents a room.
void drawHouse(QPainter& p, Dice& dice, int frame) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 6, 0));
    p.drawRect(0, HouseTop, HouseRight, GroundY - HouseTop);
    p.setBrush(green(48));
    p.drawRect(0, HouseTop, HouseRight + 2, 2);
    p.drawRect(HouseRight - 1, HouseTop, 1, GroundY - HouseTop);
    // A water tank on the roof.
    p.setBrush(QColor(0, 12, 0));
    p.drawRect(16, HouseTop - 12, 18, 10);
    p.drawRect(18, HouseTop - 2, 2, 2);
    p.drawRect(30, HouseTop - 2, 2, 2);
    p.setBrush(green(48));
    p.drawRect(16, HouseTop - 12, 18, 1);

    constexpr int WindowWidth = 24;
    constexpr int WindowHeight = 18;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect window(7 + column * 32, HouseTop + 10 + row * 26, WindowWidth,
                               WindowHeight);
            const bool lit = dice.chance(25);
            const int level = dice.between(90, 140);
            if (row == 1 && column == 1) {
                drawStudentRoom(p, window, frame);
            } else if (lit) {
                QLinearGradient light(window.topLeft(), window.bottomLeft());
                light.setColorAt(0, green(level * 2 / 3));
                light.setColorAt(1, green(level));
                p.fillRect(window, light);
                // Curtains drawn half-way on both sides.
                p.setBrush(green(level / 3));
                p.drawRect(window.left(), window.top(), 4, window.height());
                p.drawRect(window.right() - 3, window.top(), 4, window.height());
            } else {
                QLinearGradient glass(window.topLeft(), window.bottomRight());
                glass.setColorAt(0, green(26));
                glass.setColorAt(1, green(10));
                p.fillRect(window, glass);
            }
            p.setBrush(green(44));
            p.drawRect(window.left() - 1, window.bottom() + 1, WindowWidth + 2, 1);
        }
    }
}

void drawStreetLamp(QPainter& p, int x) {
    p.setPen(Qt::NoPen);
    p.setBrush(grey(72));
    p.drawRect(x, 150, 2, GroundY + 6 - 150);
    p.drawRect(x - 7, 149, 9, 2);
    const QPointF lamp(x - 6, 152);
    glow(p, QPointF(lamp.x(), GroundY + 11), 26, green(192, 45));
    glow(p, lamp, 20, green(200, 90));
    p.setBrush(QColor(210, 255, 210));
    p.drawRect(QRectF(lamp.x() - 2, lamp.y() - 1, 4, 2));
}

void drawStreet(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(grey(26));
    p.drawRect(0, GroundY, SceneWidth, 7);
    p.setBrush(grey(74));
    p.drawRect(0, GroundY + 7, SceneWidth, 1);
    QLinearGradient road(0, GroundY + 8, 0, SceneHeight);
    road.setColorAt(0, QColor(12, 14, 12));
    road.setColorAt(1, QColor(4, 5, 4));
    p.fillRect(0, GroundY + 8, SceneWidth, SceneHeight - GroundY - 8, road);
    p.setBrush(grey(92));
    for (int x = 4; x < SceneWidth; x += 26) {
        p.drawRect(x, GroundY + 18, 14, 1);
    }
    for (int x : {150, 262, 386}) {
        drawStreetLamp(p, x);
    }
}

}  // namespace

QImage drawCity(int frame, int scale) {
    QImage image(SceneWidth * scale, SceneHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    // The painter draws the same scene in the same coordinates, at `scale` pixels per point.
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Dice dice(2026);
    drawSky(p);
    drawStars(p, dice, frame);
    drawMoon(p);
    drawFarSkyline(p, dice);
    drawMast(p, frame);
    drawMidBuildings(p, dice, frame);
    drawSign(p);
    drawHaze(p);
    drawHouse(p, dice, frame);
    drawStreet(p);
    return image;
}

}  // namespace art
