#include "web_pages.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <initializer_list>

#include "neon_sign.h"

namespace art {
namespace {

const QColor Green(0, 192, 0);
const QColor PaleGreen(160, 232, 160);
const QColor SiteBack(0, 24, 0);  // the home site's page colour

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// A closed outline through the points in order.
QPainterPath outline(std::initializer_list<QPointF> points) {
    QPainterPath path(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it) {
        path.lineTo(*it);
    }
    path.closeSubpath();
    return path;
}

QFont sans(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Printed-circuit traces: straight runs with a right-angle bend and a pad at each end.
void drawTraces(QPainter& p, int width, int height) {
    p.setPen(QPen(QColor(0, 70, 0), 2));
    p.setBrush(QColor(0, 90, 0));
    for (int n = 0; n < 14; ++n) {
        const int y = 10 + (n * 37) % (height - 20);
        const int x = 250 + (n * 53) % (width - 270);
        const int run = 30 + (n * 29) % 60;
        const int drop = (n % 2 == 0 ? 1 : -1) * (8 + n % 3 * 6);
        QPainterPath path(QPointF(x, y));
        path.lineTo(x + run, y);
        path.lineTo(x + run + 10, y + drop);
        path.lineTo(x + run + 40, y + drop);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(QColor(0, 110, 0));
        p.drawEllipse(QPointF(x, y), 3, 3);
        p.drawEllipse(QPointF(x + run + 40, y + drop), 3, 3);
    }
}

}  // namespace

QImage drawSiteBanner() {
    constexpr int W = 584;
    constexpr int H = 120;
    QImage image = canvas(W, H, SiteBack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient back(0, 0, 0, H);
    back.setColorAt(0, QColor(0, 8, 0));
    back.setColorAt(1, QColor(0, 40, 0));
    p.fillRect(0, 0, W, H, back);
    drawTraces(p, W, H);

    // The sign of the game's own site, as on the city's roofs.
    const int scale = 5;
    const QString name = QStringLiteral("TARNVIK");
    const int signWidth = neonTextWidth(name, scale);
    p.fillRect(14, 14, signWidth + 20, neonTextHeight(scale) + 20, QColor(0, 0, 0, 200));
    p.setPen(QPen(QColor(0, 110, 0), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(14, 14, signWidth + 20, neonTextHeight(scale) + 20);
    drawNeonText(p, QPoint(24, 24), name, scale, Green);

    p.setFont(sans(17, true));
    p.setPen(PaleGreen);
    p.drawText(QRect(24, 78, 360, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Официальный сайт игры"));
    p.setFont(sans(13, false));
    p.setPen(QColor(0, 170, 0));
    p.drawText(QRect(24, 98, 420, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("новости  •  возможности  •  файлы"));

    // A line under the banner, where the page begins.
    p.fillRect(0, H - 2, W, 2, QColor(0, 128, 0));
    return image;
}

QImage drawVexaOffer() {
    constexpr int W = 160;
    constexpr int H = 120;
    QImage image = canvas(W, H, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A monitor showing the in-game system's boot screen: its name and a filling bar.
    const QRectF body(22, 6, 116, 88);
    QLinearGradient plastic(body.topLeft(), body.bottomLeft());
    plastic.setColorAt(0, QColor(200, 200, 190));
    plastic.setColorAt(1, QColor(140, 140, 132));
    p.setPen(QPen(QColor(70, 70, 66), 1.5));
    p.setBrush(plastic);
    p.drawRoundedRect(body, 8, 8);
    const QRectF screen = body.adjusted(10, 9, -10, -15);
    p.setBrush(Qt::black);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawRoundedRect(screen, 4, 4);
    QRadialGradient shine(screen.center() - QPointF(18, 14), 70);
    shine.setColorAt(0, QColor(255, 255, 255, 28));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(screen, 4, 4);

    p.setFont(sans(18, true));
    p.setPen(Qt::white);
    p.drawText(screen.adjusted(0, 6, 0, -22), Qt::AlignCenter, QStringLiteral("Vexa 2"));
    const QRectF bar(screen.left() + 12, screen.bottom() - 16, screen.width() - 24, 7);
    p.setPen(QPen(QColor(220, 220, 220), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);
    p.fillRect(bar.adjusted(1.5, 1.5, -bar.width() * 0.35, -1.5), QColor(0, 192, 0));

    // The power light and the stand.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 220, 0));
    p.drawEllipse(QPointF(body.right() - 14, body.bottom() - 7), 2.5, 2.5);
    p.setBrush(QColor(120, 120, 114));
    p.drawRect(QRectF(68, 94, 24, 10));
    p.drawRoundedRect(QRectF(46, 104, 68, 8), 3, 3);

    // A ribbon across the corner: the offer is new.
    p.save();
    p.translate(W - 26, 18);
    p.rotate(40);
    p.fillRect(QRectF(-40, -9, 80, 18), QColor(200, 30, 30));
    p.setFont(sans(11, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(-40, -9, 80, 18), Qt::AlignCenter, QStringLiteral("НОВИНКА"));
    p.restore();
    return image;
}

QImage drawMissingPage() {
    constexpr int S = 96;
    QImage image = canvas(S, S, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A sheet with a folded corner, torn in two; its lines of text stop at the tear.
    const QPainterPath left =
        outline({{14, 8}, {42, 8}, {37, 28}, {45, 46}, {35, 64}, {41, 84}, {14, 84}});
    const QPainterPath right =
        outline({{47, 8}, {62, 8}, {76, 22}, {76, 84}, {47, 84}, {41, 64}, {51, 46}, {43, 28}});
    p.setPen(QPen(QColor(0, 110, 0), 1.5));
    p.setBrush(QColor(200, 236, 200));
    p.drawPath(left);
    p.save();
    p.translate(5, 3);
    p.rotate(4);
    p.drawPath(right);
    p.setBrush(QColor(150, 200, 150));
    p.drawPath(outline({{62, 8}, {62, 22}, {76, 22}}));
    p.setPen(QPen(QColor(0, 120, 0), 2));
    for (int y = 32; y <= 60; y += 7) {
        p.drawLine(52, y, 68, y);
    }
    p.restore();
    p.setPen(QPen(QColor(0, 120, 0), 2));
    for (int y = 18; y <= 74; y += 7) {
        p.drawLine(19, y, 33, y);
    }

    // A red badge with the question the page cannot answer.
    const QPointF badge(70, 72);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(badge, 16, 16);
    p.setFont(sans(24, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(badge.x() - 16, badge.y() - 16, 32, 32), Qt::AlignCenter,
               QStringLiteral("?"));
    return image;
}

QImage drawDownloadIcon() {
    constexpr int S = 48;
    QImage image = canvas(S, S, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // An arrow coming down into a tray.
    const QPainterPath arrow =
        outline({{19, 4}, {29, 4}, {29, 20}, {37, 20}, {24, 33}, {11, 20}, {19, 20}});
    QLinearGradient fill(0, 4, 0, 33);
    fill.setColorAt(0, QColor(120, 240, 120));
    fill.setColorAt(1, QColor(0, 150, 0));
    p.setPen(QPen(QColor(0, 90, 0), 1.5));
    p.setBrush(fill);
    p.drawPath(arrow);

    QPainterPath tray;
    tray.moveTo(5, 30);
    tray.lineTo(5, 43);
    tray.lineTo(43, 43);
    tray.lineTo(43, 30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 192, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tray);
    return image;
}

}  // namespace art
