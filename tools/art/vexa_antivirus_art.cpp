#include <QPainterPath>
#include <QStringList>

#include "vexa_art.h"
#include "vexa_canvas.h"

namespace art::vexa {

namespace {

// What tells the two antivirus versions apart: their colours, name and what they guard.
struct AntivirusLook {
    QString name;
    QString slogan;
    QString version;
    QColor header;
    QColor accent;
    QColor sidebar;
    QStringList rows;
    bool scanning;
};

AntivirusLook lookOf(int level) {
    if (level == 2) {
        return {QStringLiteral("NOD64"),
                QStringLiteral("Защита нового поколения"),
                QStringLiteral("версия 4.0"),
                QColor(20, 44, 92),
                QColor(70, 150, 255),
                QColor(28, 36, 52),
                {QStringLiteral("Файлы:|включена"), QStringLiteral("Почта:|включена"),
                 QStringLiteral("Интернет:|включена"), QStringLiteral("Файервол:|включён"),
                 QStringLiteral("База сигнатур:|4096 (09.12)")},
                true};
    }
    return {QStringLiteral("NOD32"),
            QStringLiteral("Антивирусная система"),
            QStringLiteral("версия 2.7"),
            QColor(14, 64, 60),
            QColor(0, 200, 150),
            QColor(30, 40, 38),
            {QStringLiteral("Файлы:|включена"), QStringLiteral("Почта:|включена"),
             QStringLiteral("Интернет:|включена"), QStringLiteral("База сигнатур:|2481 (09.12)")},
            false};
}

// The product's mark: a ring with a pupil, an eye that watches the computer.
void eye(QPainter& p, QPointF centre, double radius, const QColor& accent) {
    p.save();
    p.setPen(QPen(accent, radius * 0.28));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.38, radius * 0.38);
    p.restore();
}

void shield(QPainter& p, const QRectF& box, const QColor& colour) {
    QPainterPath path;
    const double w = box.width();
    const double h = box.height();
    path.moveTo(box.left() + w / 2, box.top());
    path.lineTo(box.right(), box.top() + h * 0.18);
    path.cubicTo(box.right(), box.top() + h * 0.62, box.left() + w * 0.7, box.top() + h * 0.88,
                 box.left() + w / 2, box.bottom());
    path.cubicTo(box.left() + w * 0.3, box.top() + h * 0.88, box.left(), box.top() + h * 0.62,
                 box.left(), box.top() + h * 0.18);
    path.closeSubpath();
    p.save();
    p.setPen(QPen(colour.lighter(140), 1.5));
    p.setBrush(colour);
    p.drawPath(path);
    // The tick of a computer found clean.
    QPainterPath tick;
    tick.moveTo(box.left() + w * 0.28, box.top() + h * 0.5);
    tick.lineTo(box.left() + w * 0.45, box.top() + h * 0.66);
    tick.lineTo(box.left() + w * 0.74, box.top() + h * 0.34);
    p.setPen(QPen(Qt::white, w * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.restore();
}

}  // namespace

QImage drawAntivirus(int level, int scale) {
    const AntivirusLook look = lookOf(level);
    return drawAt(ProgramWidth, ProgramHeight, scale, [&look](QPainter& p) {
        constexpr double W = ProgramWidth;
        constexpr double H = ProgramHeight;
        p.fillRect(QRectF(0, 0, W, H), QColor(40, 44, 48));

        // Header with the mark and the name. Nothing in the picture may look pressable: the
        // program window shows it, and a press on it does nothing.
        verticalGradient(p, QRectF(0, TitleBar, W, 50), look.header.lighter(130), look.header);
        eye(p, QPointF(30, TitleBar + 25), 13, look.accent);
        text(p, QRectF(52, TitleBar + 6, 200, 24), look.name, sans(22, true), Qt::white);
        text(p, QRectF(53, TitleBar + 30, 220, 14), look.slogan, sans(10.5), QColor(200, 220, 220));
        text(p, QRectF(W - 160, TitleBar + 6, 150, 14), look.version, sans(10),
             QColor(150, 175, 175), Qt::AlignRight | Qt::AlignVCenter);

        // A summary down the left side: figures under their names, no sections to choose.
        const double top = TitleBar + 50;
        p.fillRect(QRectF(0, top, 112, H - top), look.sidebar);
        const QStringList summary = {"Угроз найдено|0", "В карантине|пусто",
                                     "Обновление|09.12, 09:00", "Лицензия|до 31.12"};
        for (int i = 0; i < summary.size(); ++i) {
            const QStringList parts = summary[i].split(u'|');
            const double y = top + 14 + 46 * i;
            text(p, QRectF(12, y, 96, 14), parts[0], sans(10), QColor(150, 165, 170));
            text(p, QRectF(12, y + 15, 96, 18), parts[1], sans(12.5, true),
                 i == 0 ? look.accent : QColor(225, 232, 235));
        }

        // The state of the protection.
        const double left = 124;
        shield(p, QRectF(left, top + 14, 46, 54), QColor(30, 150, 70));
        text(p, QRectF(left + 58, top + 16, 230, 24), QStringLiteral("Вы защищены"), sans(20, true),
             QColor(120, 230, 140));
        text(p, QRectF(left + 58, top + 42, 230, 16), QStringLiteral("Максимальная защита"),
             sans(11), QColor(200, 210, 210));

        double y = top + 84;
        p.setPen(QColor(70, 78, 84));
        p.drawLine(QPointF(left, y - 6), QPointF(W - 14, y - 6));
        for (const QString& row : look.rows) {
            const QStringList parts = row.split(u'|');
            text(p, QRectF(left, y, 140, 18), parts[0], sans(11.5), QColor(190, 200, 205));
            text(p, QRectF(left + 130, y, 150, 18), parts[1], sans(11.5, true),
                 parts[1].startsWith(QStringLiteral("вкл")) ? QColor(110, 220, 130) : Qt::white);
            y += 21;
        }

        // Scanning in progress on the newer version; the last scan's outcome on the older.
        const double bottom = H - 44;
        if (look.scanning) {
            text(p, QRectF(left, bottom - 18, 280, 16), QStringLiteral("Проверено файлов: 128 064"),
                 sans(10.5), QColor(190, 200, 205));
            p.fillRect(QRectF(left, bottom, W - left - 14, 12), QColor(24, 28, 32));
            p.fillRect(QRectF(left, bottom, (W - left - 14) * 0.64, 12), look.accent);
            text(p, QRectF(left, bottom + 16, 280, 16), QStringLiteral("Сканирование... 64 %"),
                 sans(10.5, true), Qt::white);
        } else {
            p.setPen(QColor(70, 78, 84));
            p.drawLine(QPointF(left, bottom - 16), QPointF(W - 14, bottom - 16));
            text(p, QRectF(left, bottom - 8, 280, 16),
                 QStringLiteral("Последняя проверка: 09.12, 14:20"), sans(11),
                 QColor(190, 200, 205));
            QPainterPath tick;
            tick.moveTo(left + 1, bottom + 19);
            tick.lineTo(left + 5, bottom + 23);
            tick.lineTo(left + 12, bottom + 14);
            p.setPen(QPen(QColor(110, 220, 130), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
            text(p, QRectF(left + 20, bottom + 10, 260, 18), QStringLiteral("Угроз не найдено"),
                 sans(12, true), QColor(110, 220, 130));
        }
    });
}

}  // namespace art::vexa
