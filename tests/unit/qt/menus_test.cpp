// The main window's menus on screen: Alt mnemonics of their own on every level, the keys of
// the commands shown beside them, the current speed checked, the pause in the title bar; every
// menu, a text box's own too, in the game's look.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

#include "qt_fixture.h"
#include "ui/qt/menu_text.h"

namespace {

using qt_tests::QtGame;

TEST(MenuText, EveryItemOfALevelGetsAKeyOfItsOwn) {
    const QStringList marked = ui::qt::withMnemonics(
        {QStringLiteral("Игра"), QStringLiteral("Запустить"), QStringLiteral("Информация")});
    EXPECT_EQ(marked, (QStringList{"&Игра", "&Запустить", "И&нформация"}));
    EXPECT_EQ(ui::qt::withMnemonics({QStringLiteral("1-X"), QStringLiteral("2-X")}),
              (QStringList{"&1-X", "&2-X"}));
    EXPECT_EQ(ui::qt::withMnemonics({QStringLiteral("A & B")}), QStringList{"&A && B"});
    for (const QString& text : marked) {
        EXPECT_EQ(ui::qt::withMnemonics({ui::qt::withoutMnemonic(text)}).size(), 1);
    }
    EXPECT_EQ(ui::qt::withoutMnemonic(QStringLiteral("И&нформация")), "Информация");
    EXPECT_EQ(ui::qt::withoutMnemonic(QStringLiteral("&A && B")), "A & B");
}

class Menus : public QtGame {
protected:
    void SetUp() override {
        QtGame::SetUp();
        startPlaying();
    }
    QAction* action(const char* item) const { return view("Form1")->action(item); }
};

TEST_F(Menus, NoTwoItemsOfOneMenuShareAMnemonic) {
    QList<QMenu*> menus = view("Form1")->findChildren<QMenu*>();
    QList<QWidget*> levels{view("Form1")->findChild<QMenuBar*>()};
    for (QMenu* menu : menus) {
        levels.append(menu);
    }
    for (QWidget* level : levels) {
        QSet<QChar> keys;
        for (QAction* a : level->actions()) {
            const qsizetype mark = a->text().indexOf(u'&');
            ASSERT_GE(mark, 0) << a->text().toStdString() << " has no mnemonic";
            const QChar key = a->text().at(mark + 1).toLower();
            EXPECT_FALSE(keys.contains(key)) << a->text().toStdString();
            keys.insert(key);
        }
    }
}

TEST_F(Menus, TheScreenShowsTheGamesCaptions) {
    for (const char* item : {"mnuGame", "mnuPause", "mnuOb", "mnu6", "mnuSound"}) {
        EXPECT_EQ(view("Form1")->shownText(item), control("Form1", item).caption()) << item;
    }
}

TEST_F(Menus, TheCommandsShowTheirKeys) {
    const std::vector<std::pair<const char*, const char*>> keys = {
        {"mnuNewGame", "Ctrl+N"}, {"mnusave", "Ctrl+S"}, {"mnuload", "Ctrl+O"},
        {"mnuExit", "Ctrl+Q"},    {"mnuPause", "P"},     {"mnu1", "Ctrl+1"},
        {"mnu6", "Ctrl+6"},
    };
    for (const auto& [item, key] : keys) {
        EXPECT_EQ(action(item)->shortcut(), QKeySequence(QString::fromUtf8(key))) << item;
    }
}

TEST_F(Menus, TheSpeedChosenIsCheckedAndOnlyIt) {
    EXPECT_TRUE(action("mnu1")->isChecked());
    action("mnu4")->trigger();
    for (int speed = 1; speed <= 6; ++speed) {
        EXPECT_EQ(view("Form1")->action(QStringLiteral("mnu%1").arg(speed))->isChecked(),
                  speed == 4)
            << speed;
    }
    action("mnu4")->trigger();  // choosing it again leaves it checked
    EXPECT_TRUE(action("mnu4")->isChecked());
    EXPECT_EQ(game->clock().interval(), 200);
}

TEST_F(Menus, APauseShowsInTheTitleBar) {
    activate("Form1");
    QTest::keyClick(view("Form1"), Qt::Key_P);
    EXPECT_FALSE(game->clock().enabled());
    EXPECT_EQ(view("Form1")->windowTitle(), "Tarnvik 2 — Пауза");
    action("mnuPause")->trigger();
    EXPECT_EQ(view("Form1")->windowTitle(), "Tarnvik 2");
}

TEST_F(Menus, ControlQAsksTheQuitTimeQuestion) {
    activate("Form1");
    QTest::keyClick(view("Form1"), Qt::Key_Q, Qt::ControlModifier);
    const auto& events = services.pending();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text, "Хотите сохранить игру?");
    EXPECT_EQ(events[1].type, ui::ServiceEvent::Ended) << "answered No, the program ends";
}

TEST_F(Menus, TheSoundSwitchIsChecked) {
    EXPECT_TRUE(action("mnuSound")->isCheckable());
    EXPECT_TRUE(action("mnuSound")->isChecked());
    action("mnuSound")->trigger();
    EXPECT_FALSE(action("mnuSound")->isChecked());
    EXPECT_FALSE(services.soundOn());
}

}  // namespace

namespace {

// WCAG's contrast ratio of two colours, 1 to 21: text wants 4.5 at least.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A menu in the game's font and colours, its items readable as they are, chosen or greyed.
void expectTheGamesLook(QMenu* menu, const std::string& which) {
    menu->ensurePolished();  // as before it first shows
    EXPECT_EQ(menu->font(), ui::qt::gameFont()) << which;
    const QPalette& p = menu->palette();
    EXPECT_EQ(p.color(QPalette::Base), QColor(Qt::black)) << which;
    EXPECT_EQ(p.color(QPalette::Text), QColor(0, 192, 0)) << which;
    EXPECT_GE(contrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)), 4.5)
        << which;
    EXPECT_GE(contrast(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Base)), 4.5)
        << which;
}

TEST_F(Menus, EveryMenuIsInTheGamesLookTheTextBoxesOwnToo) {
    for (QMenu* menu : view("Form1")->findChildren<QMenu*>()) {
        expectTheGamesLook(menu, ui::qt::withoutMnemonic(menu->title()).toStdString());
    }
    QLineEdit box;
    const std::unique_ptr<QMenu> own(box.createStandardContextMenu());
    expectTheGamesLook(own.get(), "a text box's own menu");
    // Drawn so, edge included: not Fusion's light face.
    own->popup({0, 0});
    const QImage picture = own->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() - 4), QColor(Qt::black));
    EXPECT_GT(picture.pixelColor(0, picture.height() / 2).green(), 64) << "no edge";
}

}  // namespace
