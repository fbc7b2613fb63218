#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QStringList>
#include <functional>

#include "vexa_art.h"
#include "vexa_canvas.h"

namespace art::vexa {

namespace {

enum class Era { Classic, Flat, Bright, Glass };  // versions 3, 5, 6 and 7

Era eraOf(int level) {
    switch (level) {
        case 2:
            return Era::Flat;
        case 3:
            return Era::Bright;
        case 4:
            return Era::Glass;
        default:
            return Era::Classic;
    }
}

const QString Address = QStringLiteral("http://www.vexa.ru/");

// The browser's mark: a blue "e" with a golden ring around it.
void mark(QPainter& p, QPointF centre, double size) {
    p.save();
    p.translate(centre);
    p.rotate(-24);
    p.setPen(QPen(QColor(240, 180, 20), size * 0.09));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), size * 0.62, size * 0.3);
    p.restore();
    text(p, QRectF(centre.x() - size / 2, centre.y() - size * 0.62, size, size * 1.1),
         QStringLiteral("e"), sans(size * 1.15, true), QColor(30, 110, 220), Qt::AlignCenter);
}

// A round button with an arrow, as on the later versions' toolbars.
void roundArrow(QPainter& p, QPointF centre, double radius, const QColor& colour, bool back) {
    p.save();
    QLinearGradient g(centre - QPointF(0, radius), centre + QPointF(0, radius));
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(120));
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    const double s = radius * 0.5;
    const double d = back ? -1 : 1;
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(d * s, 0));
    arrow.lineTo(centre + QPointF(0, -s));
    arrow.lineTo(centre + QPointF(0, -s * 0.45));
    arrow.lineTo(centre + QPointF(-d * s, -s * 0.45));
    arrow.lineTo(centre + QPointF(-d * s, s * 0.45));
    arrow.lineTo(centre + QPointF(0, s * 0.45));
    arrow.lineTo(centre + QPointF(0, s));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.restore();
}

// A square toolbar button with an icon drawn by `icon` above its caption.
void squareButton(QPainter& p, const QRectF& box, const QString& caption, const QColor& face,
                  const QColor& ink, bool raised, const std::function<void(QPointF)>& icon) {
    if (raised) {
        bevel(p, box, face);
    }
    icon(QPointF(box.center().x(), box.top() + 13));
    text(p, QRectF(box.left(), box.bottom() - 14, box.width(), 12), caption, sans(9.5), ink,
         Qt::AlignCenter);
}

void arrowIcon(QPainter& p, QPointF at, const QColor& colour, bool back) {
    QPainterPath arrow;
    const double d = back ? -1 : 1;
    arrow.moveTo(at + QPointF(d * 8, 0));
    arrow.lineTo(at + QPointF(0, -7));
    arrow.lineTo(at + QPointF(0, -3));
    arrow.lineTo(at + QPointF(-d * 8, -3));
    arrow.lineTo(at + QPointF(-d * 8, 3));
    arrow.lineTo(at + QPointF(0, 3));
    arrow.lineTo(at + QPointF(0, 7));
    arrow.closeSubpath();
    p.save();
    p.setPen(QPen(colour.darker(170), 0.8));
    p.setBrush(colour);
    p.drawPath(arrow);
    p.restore();
}

void stopIcon(QPainter& p, QPointF at) {
    p.save();
    p.setPen(QPen(QColor(120, 0, 0), 0.8));
    p.setBrush(QColor(220, 40, 30));
    p.drawEllipse(at, 7, 7);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(at + QPointF(-3, -3), at + QPointF(3, 3));
    p.drawLine(at + QPointF(3, -3), at + QPointF(-3, 3));
    p.restore();
}

void homeIcon(QPainter& p, QPointF at) {
    p.save();
    QPainterPath house;
    house.moveTo(at + QPointF(-7, 0));
    house.lineTo(at + QPointF(0, -7));
    house.lineTo(at + QPointF(7, 0));
    house.lineTo(at + QPointF(5, 0));
    house.lineTo(at + QPointF(5, 7));
    house.lineTo(at + QPointF(-5, 7));
    house.lineTo(at + QPointF(-5, 0));
    house.closeSubpath();
    p.setPen(QPen(QColor(90, 60, 20), 0.8));
    p.setBrush(QColor(240, 200, 120));
    p.drawPath(house);
    p.fillRect(QRectF(at.x() - 1.5, at.y() + 2, 3, 5), QColor(160, 60, 30));
    p.restore();
}

void menuBar(QPainter& p, double y, const QColor& face, const QColor& ink, bool classic) {
    p.fillRect(QRectF(0, y, ProgramWidth, 18), face);
    const QStringList items = {"Файл",
                               "Правка",
                               "Вид",
                               classic ? "Переход" : "Избранное",
                               classic ? "Избранное" : "Сервис",
                               "Справка"};
    double x = 6;
    for (const QString& item : items) {
        text(p, QRectF(x, y, 80, 18), item, sans(11), ink);
        x += QFontMetricsF(sans(11)).horizontalAdvance(item) + 12;
    }
}

void addressBar(QPainter& p, double y, const QColor& face, const QColor& ink, bool withGo) {
    p.fillRect(QRectF(0, y, ProgramWidth, 24), face);
    text(p, QRectF(6, y, 50, 24), QStringLiteral("Адрес"), sans(11), ink);
    const QRectF field(48, y + 3, ProgramWidth - (withGo ? 130 : 56), 18);
    p.fillRect(field, Qt::white);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
    text(p, field.adjusted(20, 0, 0, 0), Address, sans(11), Qt::black);
    mark(p, QPointF(field.left() + 10, field.center().y()), 11);
    if (withGo) {
        const QPointF go(field.right() + 16, field.center().y());
        roundArrow(p, go, 8, QColor(40, 160, 40), false);
        text(p, QRectF(go.x() + 10, y, 60, 24), QStringLiteral("Переход"), sans(11), ink);
    }
}

// The page every version shows: a welcome page of the in-game web with a few links.
void page(QPainter& p, const QRectF& box, bool classic) {
    p.save();
    p.setClipRect(box);
    p.fillRect(box, classic ? QColor(192, 192, 192) : Qt::white);
    const double x = box.left() + 14;
    double y = box.top() + 10;
    text(p, QRectF(x, y, box.width() - 28, 26), QStringLiteral("Добро пожаловать в Интернет!"),
         classic ? serif(19, true) : sans(17, true),
         classic ? QColor(0, 0, 128) : QColor(20, 60, 140));
    y += 32;
    text(p, QRectF(x, y, box.width() - 28, 34),
         QStringLiteral("Здесь вы найдёте новости, анекдоты и программы для вашего компьютера."),
         classic ? serif(12) : sans(11), Qt::black,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    y += 38;
    const QStringList links = {"Новости дня", "Анекдоты", "Погода в городе", "Скачать программы"};
    QFont link = classic ? serif(12) : sans(11.5);
    link.setUnderline(true);
    for (const QString& words : links) {
        p.setPen(Qt::NoPen);
        p.setBrush(classic ? QColor(0, 0, 160) : QColor(30, 110, 220));
        p.drawEllipse(QPointF(x + 3, y + 8), 2.2, 2.2);
        text(p, QRectF(x + 12, y, 220, 16), words, link,
             classic ? QColor(0, 0, 238) : QColor(20, 90, 200));
        y += 19;
    }
    p.restore();
}

void statusBar(QPainter& p, const QColor& face, const QColor& ink) {
    const QRectF bar(0, ProgramHeight - 18, ProgramWidth, 18);
    p.fillRect(bar, face);
    text(p, bar.adjusted(6, 0, 0, 0), QStringLiteral("Готово"), sans(10.5), ink);
    text(p, bar.adjusted(0, 0, -8, 0), QStringLiteral("Интернет"), sans(10.5), ink,
         Qt::AlignRight | Qt::AlignVCenter);
}

void drawClassic(QPainter& p, bool flat) {
    const QColor face(192, 192, 192);
    p.fillRect(QRectF(0, 0, ProgramWidth, ProgramHeight), face);
    double y = TitleBar;
    menuBar(p, y, face, Qt::black, !flat);
    y += 18;
    // Big buttons with their names; the mark in a box at the right end.
    const double height = flat ? 40 : 44;
    const QStringList names = {"Назад", "Вперёд", "Стоп", "Обновить", "Домой", "Поиск"};
    for (int i = 0; i < names.size(); ++i) {
        const QRectF box(4 + 52 * i, y + 2, 50, height - 4);
        squareButton(p, box, names[i], face, Qt::black, !flat, [&](QPointF at) {
            switch (i) {
                case 0:
                case 1:
                    arrowIcon(p, at, flat ? QColor(40, 150, 40) : QColor(30, 30, 30), i == 0);
                    break;
                case 2:
                    stopIcon(p, at);
                    break;
                case 3:
                    arrowIcon(p, at, QColor(40, 110, 220), false);
                    break;
                case 4:
                    homeIcon(p, at);
                    break;
                default:
                    p.setPen(QPen(QColor(40, 40, 40), 2));
                    p.setBrush(QColor(200, 230, 255));
                    p.drawEllipse(at + QPointF(-2, -2), 5, 5);
                    p.drawLine(at + QPointF(2, 2), at + QPointF(7, 7));
                    break;
            }
        });
    }
    const QRectF brand(ProgramWidth - 48, y + 2, 44, height - 4);
    bevel(p, brand, flat ? face : QColor(0, 0, 0), true);
    if (!flat) {
        // The first versions showed the world turning behind the mark.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(brand.center(), 15, 15);
        p.setBrush(QColor(60, 170, 80));
        p.drawEllipse(brand.center() + QPointF(-4, -3), 7, 5);
        p.drawEllipse(brand.center() + QPointF(6, 5), 5, 6);
    }
    mark(p, brand.center(), 22);
    y += height;
    p.setPen(QColor(128, 128, 128));
    p.drawLine(QPointF(0, y), QPointF(ProgramWidth, y));
    addressBar(p, y + 1, face, Qt::black, flat);
    y += 25;
    if (flat) {
        p.fillRect(QRectF(0, y, ProgramWidth, 18), face);
        text(p, QRectF(6, y, 300, 18), QStringLiteral("Ссылки   » Новости   » Почта   » Погода"),
             sans(10.5), Qt::black);
        y += 18;
    }
    const QRectF view(2, y + 2, ProgramWidth - 4, ProgramHeight - 18 - y - 4);
    bevel(p, view.adjusted(-2, -2, 2, 2), face, true);
    page(p, view, !flat);
    statusBar(p, face, Qt::black);
}

void drawBright(QPainter& p) {
    const QColor face(236, 233, 216);
    p.fillRect(QRectF(0, 0, ProgramWidth, ProgramHeight), face);
    double y = TitleBar;
    menuBar(p, y, face, Qt::black, false);
    mark(p, QPointF(ProgramWidth - 16, y + 9), 14);
    y += 18;
    verticalGradient(p, QRectF(0, y, ProgramWidth, 34), QColor(250, 249, 243), face);
    roundArrow(p, QPointF(18, y + 17), 12, QColor(40, 160, 40), true);
    text(p, QRectF(33, y, 50, 34), QStringLiteral("Назад"), sans(11), Qt::black);
    roundArrow(p, QPointF(88, y + 17), 10, QColor(150, 170, 150), false);
    stopIcon(p, QPointF(120, y + 17));
    arrowIcon(p, QPointF(146, y + 17), QColor(40, 110, 220), false);
    homeIcon(p, QPointF(172, y + 17));
    text(p, QRectF(190, y, 60, 34), QStringLiteral("Поиск"), sans(11), Qt::black);
    text(p, QRectF(240, y, 80, 34), QStringLiteral("Избранное"), sans(11), Qt::black);
    y += 34;
    addressBar(p, y, face, Qt::black, true);
    y += 24;
    const QRectF view(0, y, ProgramWidth, ProgramHeight - 18 - y);
    // The task pane down the left side.
    verticalGradient(p, QRectF(0, y, 96, view.height()), QColor(120, 150, 220),
                     QColor(90, 120, 200));
    text(p, QRectF(8, y + 8, 84, 16), QStringLiteral("Поиск"), sans(11, true), Qt::white);
    p.fillRect(QRectF(8, y + 28, 80, 16), Qt::white);
    p.fillRect(QRectF(96, y, 1, view.height()), QColor(80, 100, 160));
    page(p, QRectF(97, y, ProgramWidth - 97, view.height()), false);
    statusBar(p, face, Qt::black);
}

void drawGlass(QPainter& p) {
    p.fillRect(QRectF(0, 0, ProgramWidth, ProgramHeight), QColor(220, 230, 240));
    double y = TitleBar;
    // Dark glass across the top, the address right beside the round buttons.
    verticalGradient(p, QRectF(0, y, ProgramWidth, 34), QColor(70, 110, 150), QColor(20, 40, 70));
    roundArrow(p, QPointF(18, y + 17), 12, QColor(40, 110, 200), true);
    roundArrow(p, QPointF(44, y + 17), 10, QColor(90, 120, 160), false);
    const QRectF field(60, y + 7, 230, 20);
    p.setPen(QColor(40, 60, 90));
    p.setBrush(Qt::white);
    p.drawRoundedRect(field, 3, 3);
    mark(p, QPointF(field.left() + 10, field.center().y()), 11);
    text(p, field.adjusted(20, 0, 0, 0), Address, sans(11), Qt::black);
    const QRectF search(298, y + 7, ProgramWidth - 306, 20);
    p.setBrush(QColor(240, 244, 250));
    p.drawRoundedRect(search, 3, 3);
    text(p, search.adjusted(6, 0, 0, 0), QStringLiteral("Поиск"), sans(11), QColor(130, 130, 140));
    y += 34;
    // Tabs: the page's own, and one to open a new one.
    verticalGradient(p, QRectF(0, y, ProgramWidth, 26), QColor(214, 226, 240),
                     QColor(190, 206, 226));
    const QRectF tab(28, y + 3, 170, 23);
    p.setPen(QColor(130, 150, 180));
    p.setBrush(Qt::white);
    p.drawRoundedRect(tab, 3, 3);
    mark(p, QPointF(tab.left() + 12, tab.center().y()), 11);
    text(p, tab.adjusted(24, 0, 0, 0), QStringLiteral("Добро пожаловать"), sans(11), Qt::black);
    p.drawRoundedRect(QRectF(202, y + 7, 26, 19), 3, 3);
    text(p, QRectF(4, y + 3, 22, 23), QStringLiteral("☆"), sans(15), QColor(230, 170, 20),
         Qt::AlignCenter);
    text(p, QRectF(ProgramWidth - 160, y + 3, 154, 23), QStringLiteral("Страница   Сервис"),
         sans(11), Qt::black, Qt::AlignRight | Qt::AlignVCenter);
    y += 26;
    page(p, QRectF(0, y, ProgramWidth, ProgramHeight - 18 - y), false);
    statusBar(p, QColor(214, 226, 240), Qt::black);
}

}  // namespace

QImage drawBrowser(int level, int scale) {
    const Era era = eraOf(level);
    return drawAt(ProgramWidth, ProgramHeight, scale, [era](QPainter& p) {
        switch (era) {
            case Era::Classic:
                drawClassic(p, false);
                break;
            case Era::Flat:
                drawClassic(p, true);
                break;
            case Era::Bright:
                drawBright(p);
                break;
            case Era::Glass:
                drawGlass(p);
                break;
        }
    });
}

}  // namespace art::vexa
