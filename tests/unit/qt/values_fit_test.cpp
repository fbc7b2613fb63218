// Every value the main window can show fits its place whole, at the default font and (run again
// by ctest with QT_SCALE_FACTOR) at 1.5 and 2 times the size. The values are the game's own
// texts: the names the stores and the job list write into the labels. The About windows' texts
// fit their windows too.
#include <QHelpEvent>
#include <QImage>
#include <QPixmap>
#include <QToolTip>
#include <cmath>

#include "qt_fixture.h"
#include "ui/qt/widgets.h"

namespace {

using qt_tests::QtGame;

struct Shown {
    const char* label;
    std::vector<const char*> values;
};

const std::vector<Shown>& everyValue() {
    static const std::vector<Shown> all = {
        {"LblMoney", {"200", "-1250", "104850", "1234,5"}},
        {"LblCoint", {"0", "162"}},
        {"LblWork",
         {"Стажер", "Помощник програмиста", "Млачший програмист", "Програмист",
          "Старший програмист", "Администратор", "Старший администратор", "Начальник отдела",
          "Директор"}},
        {"LblEda", {"50", "100", "-5"}},
        {"LblRazvl", {"50", "100", "-2"}},
        {"LblClock", {"00:00", " 00:00", "24:00"}},
        {"Lbl1", {"0", "10", "Незнаю"}},
        {"Lbl2", {"0", "10", "Незнаю"}},
        {"Lbl3", {"0", "10", "Незнаю"}},
        {"LblCPU", {"Intel Core 2 Duo", "Intel Pentium 4", "Intel Pentium 3", "Intel Pentium 2"}},
        {"LblModem", {"Modem 14 kb/s", "Modem 28 kb/s", "Modem 56 kb/s"}},
        {"LblRam", {"DDR16", "DDR32"}},
        {"LblHD",
         {"Винчестер 1000 MB", "Винчестер 3000 MB", "Винчестер 5500 MB", "Винчестер 16000 MB"}},
        {"LblVideo", {"Video 64MB", "Video 128MB", "Video 256MB", "Video 512MB"}},
        {"LblOS", {"Windows Vista", "Windows XP", "Windows 2000", "Windows 98", "Vexa 2"}},
        {"LblAV", {"NOD32", "NOD64"}},
        {"LblIB",
         {"Inernet Explorer 3", "Inernet Explorer 5", "Inernet Explorer 6", "Inernet Explorer 7"}},
        {"LblPL",
         {"Basic", "QBasic", "Visual Basic", "Visual Basic .NET", "Visual C#", "Visual J#",
          "Visual C", "Visual C++", "Visual C++ .NET"}},
        {"LblHDF", {"0 MB", "16000 MB", "15950 MB"}},
        {"Command4", {"Подключится к интернету", "Войти в интернет"}},
        // The captions beside the values.
        {"Label1", {"Имя:"}},
        {"Label2", {"Деньги: "}},
        {"Label3", {"Очки:"}},
        {"Label4", {"Работа: "}},
        {"Label5", {"Сытость:"}},
        {"Label6", {"Настроение:"}},
        {"Label7", {"Среднее образование:"}},
        {"Label8", {"Английский:"}},
        {"Label9", {"Высшее образование:"}},
        {"Label10", {"Процессор: "}},
        {"Label11", {"Модем:"}},
        {"Label12", {"Ram: "}},
        {"Label13", {"Винчестер:"}},
        {"Label14", {"Видео Карта:"}},
        {"Label15", {"ОС: "}},
        {"Label16", {"Антивирус: "}},
        {"Label17", {"Интернет Браузер:"}},
        {"Label18", {"Язык программирования:"}},
        {"Label19", {"Свободно:"}},
    };
    return all;
}

// How far to the right the text reaches when drawn, in points: measured on the drawn pixels,
// at the screen's own scale, where the glyphs may come out a little wider than at 1.
int inkWidth(const QLabel& label, const QString& text) {
    ui::qt::LabelWidget probe(nullptr);
    probe.setFont(label.font());
    probe.setText(text);
    probe.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    probe.setFixedSize(4 * label.width() + 100, label.height());
    probe.setStyleSheet(QStringLiteral("background: black; color: white"));
    const QImage image = probe.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) > 40) {
                return static_cast<int>(std::ceil((x + 1) / ratio));
            }
        }
    }
    return 0;
}

class ValuesFit : public QtGame {};

TEST_F(ValuesFit, EveryValueOfTheMainWindowFitsItsPlaceWhole) {
    startPlaying();
    for (const Shown& shown : everyValue()) {
        const QString name = QString::fromUtf8(shown.label);
        auto* label = qobject_cast<ui::qt::LabelWidget*>(widget("Form1", name));
        ASSERT_NE(label, nullptr) << shown.label;
        for (const char* value : shown.values) {
            const QString text = QString::fromUtf8(value);
            control("Form1", name).setCaption(text);
            EXPECT_FALSE(label->elided()) << shown.label << " cuts " << value;
            EXPECT_LE(inkWidth(*label, text), label->contentsRect().width())
                << shown.label << " has no room for " << value << " at scale "
                << label->devicePixelRatioF();
        }
    }
}

TEST_F(ValuesFit, ALongNameEndsInAnEllipsisAndShowsWholeInItsTooltip) {
    startPlaying();
    const QString name = QStringLiteral("Константин Константинопольский-Задунайский");
    control("Form1", "Lbllogin").setCaption(name);
    auto* label = qobject_cast<ui::qt::LabelWidget*>(widget("Form1", "Lbllogin"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->elided());
    // The scenario driver and the tooltip read the whole name.
    EXPECT_EQ(view("Form1")->shownText("Lbllogin"), name);
    const QImage drawn = label->grab().toImage();
    EXPECT_FALSE(drawn.isNull());
    QHelpEvent help(QEvent::ToolTip, label->rect().center(), label->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(label, &help);
    EXPECT_EQ(QToolTip::text(), name);

    control("Form1", "Lbllogin").setCaption(QStringLiteral("Вася"));
    EXPECT_FALSE(label->elided());
}

// How far right and down a wrapped text reaches when drawn in a label of the given width, in
// points, measured on the drawn pixels as above.
QPoint wrappedInkReach(const QLabel& label, const QString& text) {
    ui::qt::LabelWidget probe(nullptr);
    probe.setFont(label.font());
    probe.setWordWrap(true);
    probe.setText(text);
    probe.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    probe.setFixedSize(label.width(), 3 * label.height());
    probe.setStyleSheet(QStringLiteral("background: black; color: white"));
    const QImage image = probe.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    QPoint reach;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 40) {
                reach.setX(std::max(reach.x(), static_cast<int>(std::ceil((x + 1) / ratio))));
                reach.setY(static_cast<int>(std::ceil((y + 1) / ratio)));
            }
        }
    }
    return reach;
}

TEST_F(ValuesFit, TheAboutWindowsShowTheirTextsWhole) {
    startPlaying();
    for (const QString& window : {QStringLiteral("frmAuthor"), QStringLiteral("FrmProgramm")}) {
        game->openActivity(window);
        settle();
        auto* label = qobject_cast<ui::qt::LabelWidget*>(widget(window, "Label1"));
        ASSERT_NE(label, nullptr);
        const QPoint reach = wrappedInkReach(*label, control(window, "Label1").caption());
        EXPECT_LE(reach.x(), label->contentsRect().width()) << window.toStdString();
        EXPECT_LE(reach.y(), label->contentsRect().height())
            << window.toStdString() << " is cut at scale " << label->devicePixelRatioF();
        game->keyPressWindow(*game->find(window), ' ');
        settle();
    }
}

}  // namespace
