#include <array>
#include <map>
#include <vector>

#include "support/game_fixture.h"

namespace {

using testing_support::GameFixture;

// Stands in for a window of another part of the game: closing it gives the main window back
// the way every activity window does.
class StandIn : public ui::Window {
public:
    StandIn(game::Game& game, const QString& name, bool startClock)
        : ui::Window(game, name, name, 100, 100), game_(game), startClock_(startClock) {}
    void unload() override { game_.endActivity(startClock_); }

private:
    game::Game& game_;
    bool startClock_;
};

class MainWindow : public GameFixture {
protected:
    void standIn(const QString& name, bool startClock = true) {
        game->registerWindow(name, [this, name, startClock] {
            return std::make_unique<StandIn>(*game, name, startClock);
        });
    }
    ui::Control& clock() { return game->clock(); }
    ui::Window& form1() { return window("Form1"); }
};

TEST_F(MainWindow, StartsWithTheStateOfANewArrival) {
    const std::map<QString, QString> labels = {
        {"Lbllogin", "Игрок"}, {"LblMoney", "200"}, {"LblCoint", "0"},     {"LblWork", "Нет"},
        {"LblEda", "50"},      {"LblRazvl", "50"},  {"LblClock", "00:00"}, {"Lbl1", "0"},
        {"Lbl2", "0"},         {"Lbl3", "0"},       {"LblCPU", "Нет"},     {"LblModem", "Нет"},
        {"LblRam", "Нет"},     {"LblHD", "Нет"},    {"LblVideo", "Нет"},   {"LblOS", "Нет"},
        {"LblAV", "Нет"},      {"LblIB", "Нет"},    {"LblPL", "Нет"},      {"LblHDF", "0 MB"},
    };
    for (const auto& [label, text] : labels) {
        EXPECT_EQ(caption(label), text) << label.toStdString();
    }
    EXPECT_EQ(form1().caption(), "Tarnvik 2");
    EXPECT_EQ(form1().width(), 577);
    EXPECT_EQ(form1().height(), 687);
    EXPECT_TRUE(form1().enabled());
}

TEST_F(MainWindow, ShowsEveryValueBesideItsName) {
    // Each value label sits in its frame right of the text that names it.
    const std::map<QString, std::pair<QString, QString>> rows = {
        {"Lbllogin", {"Frame3", "Имя:"}},
        {"LblMoney", {"Frame3", "Деньги: "}},
        {"LblCoint", {"Frame3", "Очки:"}},
        {"LblWork", {"Frame3", "Работа: "}},
        {"LblEda", {"Frame3", "Сытость:"}},
        {"LblRazvl", {"Frame3", "Настроение:"}},
        {"Lbl1", {"Frame5", "Среднее образование:"}},
        {"Lbl2", {"Frame5", "Английский:"}},
        {"Lbl3", {"Frame5", "Высшее образование:"}},
        {"LblCPU", {"Frame1", "Процессор: "}},
        {"LblModem", {"Frame1", "Модем:"}},
        {"LblRam", {"Frame1", "Ram: "}},
        {"LblHD", {"Frame1", "Винчестер:"}},
        {"LblVideo", {"Frame1", "Видео Карта:"}},
        {"LblOS", {"Frame2", "ОС: "}},
        {"LblAV", {"Frame2", "Антивирус: "}},
        {"LblIB", {"Frame2", "Интернет Браузер:"}},
        {"LblPL", {"Frame2", "Язык программирования:"}},
        {"LblHDF", {"Frame2", "Свободно:"}},
    };
    for (const auto& [label, where] : rows) {
        const ui::Control& value = form1().control(label);
        ASSERT_NE(value.parent(), nullptr) << label.toStdString();
        EXPECT_EQ(value.parent()->name(), where.first) << label.toStdString();
        const ui::Control* name = nullptr;
        for (const auto& c : form1().controls()) {
            if (c->parent() == value.parent() && c->caption() == where.second) {
                name = c.get();
            }
        }
        ASSERT_NE(name, nullptr) << where.second.toStdString();
        EXPECT_EQ(name->geometry().y, value.geometry().y) << label.toStdString();
        EXPECT_LE(name->geometry().x + name->geometry().width, value.geometry().x)
            << label.toStdString();
    }
    EXPECT_EQ(form1().control("LblClock").parent()->name(), "Frame3");
    EXPECT_EQ(form1().control("Command8").parent()->name(), "Frame2");
    EXPECT_EQ(form1().control("Frame3").caption(), "Личные Данные");
    EXPECT_EQ(form1().control("Frame5").caption(), "Обучение");
    EXPECT_EQ(form1().control("Frame1").caption(), "Компьютер");
    EXPECT_EQ(form1().control("Frame2").caption(), "Программы");
}

TEST_F(MainWindow, HasItsButtonsMenusTimersAndPictures) {
    const std::map<QString, QString> buttons = {
        {"Command1", "Апгрейд"},      {"Command2", "Купить ПО"},
        {"Command3", "Найти работу"}, {"Command4", "Подключится к интернету"},
        {"Command5", "Развлечения"},  {"Command6", "Магазин"},
        {"Command7", "Обучение"},     {"Command8", "Форматировать"},
    };
    for (const auto& [name, text] : buttons) {
        EXPECT_EQ(form1().control(name).caption(), text) << name.toStdString();
        EXPECT_TRUE(form1().control(name).reachable()) << name.toStdString();
    }
    EXPECT_EQ(form1().control("Command4").geometry().width,
              2 * form1().control("Command5").geometry().width + 7);

    // Menu item, its caption and the item it hangs under.
    const std::vector<std::array<const char*, 3>> menus = {
        {"mnuGame", "Игра", nullptr},         {"mnuNewGame", "Новая игра", "mnuGame"},
        {"mnufile", "Сохранение", "mnuGame"}, {"mnusave", "Сохранить", "mnufile"},
        {"mnuload", "Загрузить", "mnufile"},  {"mnuPause", "Пауза Вк./Выкл.", "mnuGame"},
        {"mnuSpeed", "Скорость", "mnuGame"},  {"mnu1", "1-X", "mnuSpeed"},
        {"mnu6", "6-X", "mnuSpeed"},          {"mnuRun", "Запустить", nullptr},
        {"mnuVexa", "Vexa 2", "mnuRun"},      {"mnuOb", "Информация", nullptr},
        {"mnuAuthor", "Об авторе", "mnuOb"},  {"mnuProgramm", "О программе", "mnuOb"},
    };
    for (const auto& [name, text, parent] : menus) {
        const ui::Control& item = form1().control(name);
        EXPECT_EQ(item.kind(), ui::ControlKind::MenuItem) << name;
        EXPECT_EQ(item.caption(), QString::fromUtf8(text)) << name;
        if (parent == nullptr) {
            EXPECT_EQ(item.parent(), nullptr) << name;
        } else {
            ASSERT_NE(item.parent(), nullptr) << name;
            EXPECT_EQ(item.parent()->name(), parent) << name;
        }
    }
    EXPECT_FALSE(form1().control("mnuVexa").enabled());
    EXPECT_TRUE(form1().control("mnuNewGame").reachable());

    EXPECT_TRUE(form1().control("Timer1").enabled());
    EXPECT_EQ(form1().control("Timer1").interval(), 1500);
    EXPECT_TRUE(form1().control("Timer2").enabled());
    EXPECT_EQ(form1().control("Timer2").interval(), 200);
    const ui::Control& first = form1().control("Image1");
    const ui::Control& second = form1().control("Image2");
    EXPECT_TRUE(first.visible());
    EXPECT_FALSE(second.visible());
    EXPECT_EQ(first.geometry().width, 425);
    EXPECT_EQ(first.geometry().height, 213);
    EXPECT_EQ(first.geometry().x, second.geometry().x);
    EXPECT_EQ(first.geometry().y, second.geometry().y);
    EXPECT_FALSE(first.picture().isEmpty());
    EXPECT_NE(first.picture(), second.picture());
}

TEST_F(MainWindow, ActivityButtonsStopTheClockWhileTheirWindowIsOpen) {
    const std::map<QString, QString> activities = {
        {"Command1", "Form2"},    {"Command2", "Form3"},       {"Command3", "Form4"},
        {"Command5", "FrmRazvl"}, {"Command6", "FrmMagazine"}, {"Command7", "FrmTeach"},
    };
    for (const auto& [button, name] : activities) {
        standIn(name);
        click("Form1", button);
        ASSERT_NE(game->find(name), nullptr) << button.toStdString();
        EXPECT_FALSE(clock().enabled()) << button.toStdString();
        EXPECT_FALSE(form1().enabled()) << button.toStdString();
        game->scheduler().advance(10000);
        EXPECT_EQ(caption("LblClock"), "00:00") << "time passed while " << name.toStdString();

        ASSERT_TRUE(game->requestClose(window(name)));
        EXPECT_TRUE(form1().enabled());
        EXPECT_TRUE(clock().enabled());
    }
    // The clock starts afresh: a whole hour after the last window closed.
    game->scheduler().advance(1499);
    EXPECT_EQ(caption("LblClock"), "00:00");
    game->scheduler().advance(1);
    EXPECT_EQ(caption("LblClock"), "01:00");
    expectQuiet();
}

TEST_F(MainWindow, SaveAndTheInGameSystemLeaveTheClockRunning) {
    standIn("Frmsave", false);
    standIn("FrmLoadGUI", false);
    click("Form1", "mnusave");
    ASSERT_NE(game->find("Frmsave"), nullptr);
    EXPECT_FALSE(form1().enabled());
    EXPECT_TRUE(clock().enabled());
    game->scheduler().advance(3000);
    EXPECT_EQ(caption("LblClock"), "02:00");
    game->requestClose(window("Frmsave"));
    EXPECT_TRUE(form1().enabled());

    globals().OsLevel = 5;
    game->scheduler().advance(1500);
    click("Form1", "mnuVexa");
    ASSERT_NE(game->find("FrmLoadGUI"), nullptr);
    EXPECT_FALSE(form1().enabled());
    game->scheduler().advance(1500);
    EXPECT_EQ(caption("LblClock"), "04:00");
}

TEST_F(MainWindow, LoadStopsTheClock) {
    standIn("Frmload");
    click("Form1", "mnuload");
    ASSERT_NE(game->find("Frmload"), nullptr);
    EXPECT_FALSE(clock().enabled());
    EXPECT_FALSE(form1().enabled());
}

TEST_F(MainWindow, AWindowThatIsNotPartOfTheGameIsNotOpened) {
    game->openActivity("NoSuchWindow");
    EXPECT_TRUE(clock().enabled());
    EXPECT_TRUE(form1().enabled());
    EXPECT_EQ(game->openWindows().size(), 1u);
}

TEST_F(MainWindow, AboutWindowsCloseOnAnyPressAndGiveTheClockBack) {
    struct Way {
        const char* menu;
        const char* window;
        const char* caption;
    };
    for (const Way& way : {Way{"mnuAuthor", "frmAuthor", "Об авторе"},
                           Way{"mnuProgramm", "FrmProgramm", "О программе"}}) {
        for (int how = 0; how < 4; ++how) {
            click("Form1", way.menu);
            ui::Window& about = window(way.window);
            EXPECT_EQ(about.caption(), way.caption);
            EXPECT_FALSE(about.control("Label1").caption().isEmpty());
            EXPECT_FALSE(clock().enabled());
            EXPECT_FALSE(form1().enabled());
            switch (how) {
                case 0:
                    game->keyPressWindow(about, 'x');
                    break;
                case 1:
                    game->mouseDownWindow(about, ui::MouseButton::Right);
                    break;
                case 2:
                    game->mouseDown(about.control("Label1"), ui::MouseButton::Left);
                    break;
                default:
                    game->requestClose(about);
                    break;
            }
            EXPECT_EQ(game->find(way.window), nullptr) << way.window << " way " << how;
            EXPECT_TRUE(clock().enabled()) << way.window << " way " << how;
            EXPECT_TRUE(form1().enabled()) << way.window << " way " << how;
        }
    }
    expectQuiet();
}

// The guide in "О программе" names the score that wins the game.
TEST_F(MainWindow, TheProgramsGuideNamesTheWinningScore) {
    click("Form1", "mnuProgramm");
    EXPECT_TRUE(window("FrmProgramm").control("Label1").caption().contains(u"162"));
}

}  // namespace
