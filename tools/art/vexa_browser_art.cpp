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

// The toolbar's icons, the menu names and everything else a player could take for something to
// press is drawn as the disabled state of an older desktop: the colour drained and half faded
// into the face. The picture is only a picture; nothing in it answers a press.
void inert(QPainter& p, const QRectF& area, const std::function<void(QPainter&)>& draw) {
    const double scale = p.worldTransform().m11();
    QImage layer((area.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter q(&layer);
        q.setRenderHints(p.renderHints());
        q.scale(scale, scale);
        q.translate(-area.topLeft());
        draw(q);
    }
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int grey = qGray(line[x]);  // premultiplied: stays within its alpha
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    p.save();
    p.setOpacity(0.55);
    p.drawImage(area, layer);
    p.restore();
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

void searchIcon(QPainter& p, QPointF at) {
    p.save();
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(at + QPointF(-2, -2), 5, 5);
    p.drawLine(at + QPointF(2, 2), at + QPointF(7, 7));
    p.restore();
}

void menuBar(QPainter& p, double y, const QColor& face, bool classic) {
    p.fillRect(QRectF(0, y, ProgramWidth, 18), face);
    const QStringList items = {"Файл",
                               "Правка",
                               "Вид",
                               classic ? "Переход" : "Избранное",
                               classic ? "Избранное" : "Сервис",
                               "Справка"};
    inert(p, QRectF(0, y, 300, 18), [&](QPainter& q) {
        double x = 6;
        for (const QString& item : items) {
            text(q, QRectF(x, y, 80, 18), item, sans(11), Qt::black);
            x += QFontMetricsF(sans(11)).horizontalAdvance(item) + 12;
        }
    });
}

// The address, read only: written on a flat strip of the face, not in a box to type into.
void addressBar(QPainter& p, double y, const QColor& face, const QColor& ink) {
    p.fillRect(QRectF(0, y, ProgramWidth, 24), face);
    text(p, QRectF(6, y, 50, 24), QStringLiteral("Адрес"), sans(11), ink);
    const QRectF field(48, y + 3, ProgramWidth - 56, 18);
    p.fillRect(field, face.lighter(104));
    p.setPen(face.darker(125));
    p.drawLine(field.bottomLeft(), field.bottomRight());
    text(p, field.adjusted(20, 0, 0, 0), Address, sans(11), ink);
    mark(p, QPointF(field.left() + 10, field.center().y()), 11);
}

// The page every version shows: the welcome page of the in-game web with the day's headlines,
// in plain text: a headline here is news to read, not a link to follow.
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
    y += 40;
    text(p, QRectF(x, y, box.width() - 28, 18), QStringLiteral("Новости дня"),
         classic ? serif(13, true) : sans(12, true), Qt::black);
    y += 22;
    const QStringList news = {
        "09.12|В городе открылся компьютерный клуб", "09.12|Снег и −3 °C, к вечеру метель",
        "08.12|Студенты сдали сессию досрочно", "08.12|Вышла новая версия системы Vexa"};
    const QFont date = classic ? serif(11) : sans(10.5);
    const QFont words = classic ? serif(12) : sans(11.5);
    for (const QString& item : news) {
        const QStringList parts = item.split(u'|');
        text(p, QRectF(x, y, 40, 16), parts[0], date, QColor(110, 110, 110));
        text(p, QRectF(x + 40, y, box.width() - 68, 16), parts[1], words, Qt::black);
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
    menuBar(p, y, face, !flat);
    y += 18;
    // The toolbar: icons with their names on the face itself, no button around them; the mark
    // in a box at the right end.
    const double height = flat ? 40 : 44;
    const QStringList names = {"Назад", "Вперёд", "Стоп", "Обновить", "Домой", "Поиск"};
    inert(p, QRectF(0, y, 6 * 52 + 8, height), [&](QPainter& q) {
        for (int i = 0; i < names.size(); ++i) {
            const QRectF box(4 + 52 * i, y + 2, 50, height - 4);
            const QPointF at(box.center().x(), box.top() + 13);
            switch (i) {
                case 0:
                case 1:
                    arrowIcon(q, at, flat ? QColor(40, 150, 40) : QColor(30, 30, 30), i == 0);
                    break;
                case 2:
                    stopIcon(q, at);
                    break;
                case 3:
                    arrowIcon(q, at, QColor(40, 110, 220), false);
                    break;
                case 4:
                    homeIcon(q, at);
                    break;
                default:
                    searchIcon(q, at);
                    break;
            }
            text(q, QRectF(box.left(), box.bottom() - 14, box.width(), 12), names[i], sans(9.5),
                 Qt::black, Qt::AlignCenter);
        }
    });
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
    addressBar(p, y + 1, face, Qt::black);
    y += 25;
    const QRectF view(2, y + 2, ProgramWidth - 4, ProgramHeight - 18 - y - 4);
    bevel(p, view.adjusted(-2, -2, 2, 2), face, true);
    page(p, view, !flat);
    statusBar(p, face, Qt::black);
}

void drawBright(QPainter& p) {
    const QColor face(236, 233, 216);
    p.fillRect(QRectF(0, 0, ProgramWidth, ProgramHeight), face);
    double y = TitleBar;
    menuBar(p, y, face, false);
    mark(p, QPointF(ProgramWidth - 16, y + 9), 14);
    y += 18;
    verticalGradient(p, QRectF(0, y, ProgramWidth, 30), QColor(250, 249, 243), face);
    inert(p, QRectF(0, y, 320, 30), [y](QPainter& q) {
        arrowIcon(q, QPointF(16, y + 15), QColor(40, 160, 40), true);
        text(q, QRectF(28, y, 50, 30), QStringLiteral("Назад"), sans(11), Qt::black);
        arrowIcon(q, QPointF(84, y + 15), QColor(40, 160, 40), false);
        stopIcon(q, QPointF(112, y + 15));
        arrowIcon(q, QPointF(138, y + 15), QColor(40, 110, 220), false);
        homeIcon(q, QPointF(164, y + 15));
        searchIcon(q, QPointF(188, y + 15));
        text(q, QRectF(200, y, 60, 30), QStringLiteral("Поиск"), sans(11), Qt::black);
        text(q, QRectF(246, y, 80, 30), QStringLiteral("Избранное"), sans(11), Qt::black);
    });
    y += 30;
    addressBar(p, y, face, Qt::black);
    y += 24;
    const QRectF view(0, y, ProgramWidth, ProgramHeight - 18 - y);
    // The pane down the left side tells about the page.
    verticalGradient(p, QRectF(0, y, 96, view.height()), QColor(120, 150, 220),
                     QColor(90, 120, 200));
    text(p, QRectF(8, y + 8, 84, 16), QStringLiteral("Сведения"), sans(11, true), Qt::white);
    p.fillRect(QRectF(8, y + 27, 80, 1), QColor(200, 215, 245));
    text(p, QRectF(8, y + 34, 84, 100), QStringLiteral("Узел:\nwww.vexa.ru\n\nЗона:\nИнтернет"),
         sans(10.5), QColor(235, 240, 255), Qt::AlignLeft | Qt::AlignTop);
    p.fillRect(QRectF(96, y, 1, view.height()), QColor(80, 100, 160));
    page(p, QRectF(97, y, ProgramWidth - 97, view.height()), false);
    statusBar(p, face, Qt::black);
}

void drawGlass(QPainter& p) {
    p.fillRect(QRectF(0, 0, ProgramWidth, ProgramHeight), QColor(220, 230, 240));
    double y = TitleBar;
    // Dark glass across the top, the arrows and the address drawn into it.
    verticalGradient(p, QRectF(0, y, ProgramWidth, 34), QColor(70, 110, 150), QColor(20, 40, 70));
    inert(p, QRectF(0, y, 56, 34), [y](QPainter& q) {
        arrowIcon(q, QPointF(16, y + 17), QColor(235, 240, 250), true);
        arrowIcon(q, QPointF(40, y + 17), QColor(235, 240, 250), false);
    });
    const QRectF field(60, y + 7, ProgramWidth - 68, 20);
    p.fillRect(field, QColor(0, 0, 0, 50));
    mark(p, QPointF(field.left() + 10, field.center().y()), 11);
    text(p, field.adjusted(20, 0, 0, 0), Address, sans(11), QColor(235, 240, 250));
    y += 34;
    // The page's name across the window, where the tabs of the later versions would be.
    verticalGradient(p, QRectF(0, y, ProgramWidth, 26), QColor(214, 226, 240),
                     QColor(190, 206, 226));
    mark(p, QPointF(16, y + 13), 11);
    text(p, QRectF(28, y, ProgramWidth - 36, 26), QStringLiteral("Добро пожаловать — Vexa"),
         sans(11), QColor(40, 50, 70));
    y += 26;
    p.fillRect(QRectF(0, y - 1, ProgramWidth, 1), QColor(150, 170, 200));
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
