#include <map>

#include "support/game_fixture.h"

namespace {

using testing_support::GameFixture;

const QString NewGameQuestion = QStringLiteral("Хотите начать новую игру?");
const QString FormatQuestion = QStringLiteral("Хотите отформатировать винчестер?");
const QString NoDisk = QStringLiteral("У вас нет винчестера!");
const QString SaveQuestion = QStringLiteral("Хотите сохранить игру?");
const QString None = QStringLiteral("Нет");

const char* const GlobalNames[] = {
    "Salary",       "JobLevel",       "CpuLevel",      "RamLevel",         "VideoLevel",
    "OsLevel",      "AntivirusLevel", "ModemLevel",    "ModemSpeed",       "InternetConnected",
    "OfferPrice",   "SchoolPoints",   "EnglishPoints", "UniversityPoints", "BrowserLevel",
    "DownloadName", "DownloadSize",   "DownloadDone",  "DownloadKind",     "FreeDiskMb",
    "DiskLevel",    "Hour",           "LanguageLevel",
};

class GameCommands : public GameFixture {
protected:
    // A game some days in: a job, a computer with software, a connection, a download.
    void playSomeDays() {
        game::GameGlobals& v = globals();
        const std::map<QString, QString> labels = {
            {"LblMoney", "1234.5"}, {"LblCoint", "97"},   {"LblWork", "Программист"},
            {"LblEda", "71"},       {"LblRazvl", "64"},   {"Lbl1", "10"},
            {"Lbl2", "7"},          {"Lbl3", "3"},        {"LblCPU", "Pentium"},
            {"LblModem", "56k"},    {"LblRam", "64 MB"},  {"LblHD", "3 GB"},
            {"LblVideo", "Riva"},   {"LblOS", "Windows"}, {"LblAV", "NOD32"},
            {"LblIB", "Explorer"},  {"LblPL", "Pascal"},  {"LblHDF", "1700 MB"},
            {"Lbllogin", "Вася"},
        };
        for (const auto& [label, text] : labels) {
            setCaption(label, text);
        }
        game->form1().control("Command4").setCaption("Войти в интернет");
        v.Salary = 95;
        v.JobLevel = 7;
        v.CpuLevel = 3;
        v.RamLevel = 2;
        v.VideoLevel = "2";
        v.OsLevel = 3;
        v.AntivirusLevel = 1;
        v.ModemLevel = 2;
        v.ModemSpeed = 10;
        v.InternetConnected = 1;
        v.OfferPrice = 4;
        v.SchoolPoints = 10;
        v.EnglishPoints = 7;
        v.UniversityPoints = 3;
        v.BrowserLevel = 2;
        v.DownloadName = "Vexa 2";
        v.DownloadSize = 300;
        v.DownloadDone = 120;
        v.DownloadKind = 1;
        v.FreeDiskMb = 1700;
        v.DiskLevel = "2";
        v.Hour = 13;
        v.LanguageLevel = "4";
    }

    // Everything a command could change: each control's caption and state, each variable.
    QStringList snapshot() {
        QStringList state;
        for (const auto& c : game->form1().controls()) {
            state << QStringLiteral("%1=%2/%3/%4/%5")
                         .arg(c->name(), c->caption())
                         .arg(int(c->enabled()))
                         .arg(int(c->visible()))
                         .arg(c->interval());
        }
        for (const char* name : GlobalNames) {
            state << QStringLiteral("%1=%2").arg(name, *game::readGlobal(globals(), name));
        }
        state << QStringLiteral("Form1=%1").arg(int(game->form1().enabled()));
        return state;
    }

    void answer(bool yes) { services.queueAnswer(yes); }
    ui::Control& form1Control(const QString& name) { return game->form1().control(name); }
    void hours(int n) { game->scheduler().advance(static_cast<std::int64_t>(n) * 1500); }
};

TEST_F(GameCommands, EveryGlobalIsCoveredBySnapshots) {
    for (const char* name : GlobalNames) {
        EXPECT_TRUE(game::isGlobalName(name)) << name;
    }
}

TEST_F(GameCommands, NewGameAnsweredNoChangesNothing) {
    playSomeDays();
    const QStringList before = snapshot();
    answer(false);
    click("Form1", "mnuNewGame");
    expectMessage(ui::MessageKind::Question, NewGameQuestion);
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(GameCommands, NewGameStartsOverFromTwoHundredRubles) {
    playSomeDays();
    answer(true);
    click("Form1", "mnuNewGame");
    expectMessage(ui::MessageKind::Question, NewGameQuestion);
    expectQuiet();

    const std::map<QString, QString> reset = {
        {"LblMoney", "200"}, {"LblCoint", "0"},      {"LblWork", None},  {"LblEda", "50"},
        {"LblRazvl", "50"},  {"LblClock", " 00:00"}, {"Lbl1", "Незнаю"}, {"Lbl2", "Незнаю"},
        {"Lbl3", "Незнаю"},  {"LblCPU", None},       {"LblModem", None}, {"LblRam", None},
        {"LblHD", None},     {"LblOS", None},        {"LblAV", None},    {"LblIB", None},
        {"LblHDF", "0 MB"},
    };
    for (const auto& [label, text] : reset) {
        EXPECT_EQ(caption(label), text) << label.toStdString();
    }
    const game::GameGlobals& v = globals();
    EXPECT_EQ(v.Salary, 0);
    EXPECT_EQ(v.JobLevel, 0);
    EXPECT_EQ(v.CpuLevel, 0);
    EXPECT_EQ(v.RamLevel, 0);
    EXPECT_EQ(v.OsLevel, 0);
    EXPECT_EQ(v.AntivirusLevel, 0);
    EXPECT_EQ(v.ModemLevel, 0);
    EXPECT_EQ(v.ModemSpeed, 0);
    EXPECT_EQ(v.BrowserLevel, 0);
    EXPECT_EQ(v.DiskLevel, "0");
    EXPECT_EQ(v.FreeDiskMb, 0);
    EXPECT_EQ(v.Hour, 0);
    EXPECT_EQ(v.InternetConnected, 0);
    EXPECT_EQ(v.SchoolPoints, 0);
    EXPECT_EQ(v.EnglishPoints, 0);
    EXPECT_EQ(v.UniversityPoints, 0);
}

TEST_F(GameCommands, NewGameKeepsTheVideoCardTheLanguageTheNameAndTheDownload) {
    playSomeDays();
    click("Form1", "mnu4");
    answer(true);
    click("Form1", "mnuNewGame");

    const game::GameGlobals& v = globals();
    EXPECT_EQ(caption("LblVideo"), "Riva");
    EXPECT_EQ(v.VideoLevel, "2");
    EXPECT_EQ(caption("LblPL"), "Pascal");
    EXPECT_EQ(v.LanguageLevel, "4");
    EXPECT_EQ(caption("Lbllogin"), "Вася");
    // The button still reads as if connected; the connection itself is gone.
    EXPECT_EQ(form1Control("Command4").caption(), "Войти в интернет");
    EXPECT_EQ(v.DownloadName, "Vexa 2");
    EXPECT_EQ(v.DownloadSize, 300);
    EXPECT_EQ(v.DownloadDone, 120);
    EXPECT_EQ(v.DownloadKind, 1);
    EXPECT_EQ(game->clock().interval(), 200);
    EXPECT_TRUE(game->clock().enabled());
}

TEST_F(GameCommands, AfterANewGameTheClockStartsTheDayAgain) {
    playSomeDays();
    globals().OsLevel = 5;
    hours(1);
    EXPECT_EQ(caption("LblClock"), "14:00");
    ASSERT_TRUE(form1Control("mnuVexa").enabled());

    answer(true);
    click("Form1", "mnuNewGame");
    // The system is gone, and its menu item with it, before any hour passes.
    EXPECT_FALSE(form1Control("mnuVexa").enabled());
    hours(1);
    EXPECT_EQ(caption("LblClock"), "01:00");
    EXPECT_FALSE(form1Control("mnuVexa").enabled());
    hours(23);
    EXPECT_EQ(caption("LblClock"), "24:00");
    EXPECT_EQ(caption("LblEda"), "45");
    EXPECT_EQ(caption("LblMoney"), "200") << "the old job's salary was still paid";
}

TEST_F(GameCommands, NewGameDuringAPauseStaysPaused) {
    hours(5);
    click("Form1", "mnuPause");
    answer(true);
    click("Form1", "mnuNewGame");
    EXPECT_FALSE(game->clock().enabled());
    EXPECT_EQ(caption("LblClock"), " 00:00");
    EXPECT_FALSE(form1Control("Command6").enabled());
    hours(10);
    EXPECT_EQ(caption("LblClock"), " 00:00");

    click("Form1", "mnuPause");
    hours(1);
    EXPECT_EQ(caption("LblClock"), "01:00");
}

TEST_F(GameCommands, FormattingWithoutADiskIsRefused) {
    setCaption("LblOS", "Windows");
    globals().OsLevel = 2;
    const QStringList before = snapshot();
    click("Form1", "Command8");
    expectMessage(ui::MessageKind::Critical, NoDisk);
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(GameCommands, FormattingAnsweredNoChangesNothing) {
    playSomeDays();
    const QStringList before = snapshot();
    answer(false);
    click("Form1", "Command8");
    expectMessage(ui::MessageKind::Question, FormatQuestion);
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

struct DiskCase {
    const char* level;
    int capacity;
};

void PrintTo(const DiskCase& c, std::ostream* os) {
    *os << "disk " << c.level;
}

class Formatting : public GameCommands, public ::testing::WithParamInterface<DiskCase> {};

TEST_P(Formatting, FreesTheWholeDiskAndRemovesTheSoftware) {
    playSomeDays();
    globals().DiskLevel = GetParam().level;
    const QStringList before = snapshot();
    answer(true);
    click("Form1", "Command8");
    expectMessage(ui::MessageKind::Question, FormatQuestion);
    expectQuiet();

    const QString free = QStringLiteral("%1 MB").arg(GetParam().capacity);
    EXPECT_EQ(caption("LblHDF"), free);
    EXPECT_EQ(globals().FreeDiskMb, GetParam().capacity);
    EXPECT_EQ(caption("LblOS"), None);
    EXPECT_EQ(caption("LblAV"), None);
    EXPECT_EQ(caption("LblIB"), None);
    EXPECT_EQ(globals().OsLevel, 0);
    EXPECT_EQ(globals().AntivirusLevel, 0);
    EXPECT_EQ(globals().BrowserLevel, 0);

    // Nothing else moves: hardware, language, money, points, connection, clock.
    QStringList expected = before;
    for (QString& line : expected) {
        const QString key = line.section(u'=', 0, 0);
        if (key == "LblHDF") {
            line = QStringLiteral("LblHDF=%1/1/1/0").arg(free);
        } else if (key == "LblOS" || key == "LblAV" || key == "LblIB") {
            line = key + QStringLiteral("=Нет/1/1/0");
        } else if (key == "OsLevel" || key == "AntivirusLevel" || key == "BrowserLevel") {
            line = key + QStringLiteral("=0");
        } else if (key == "FreeDiskMb") {
            line = QStringLiteral("FreeDiskMb=%1").arg(GetParam().capacity);
        }
    }
    EXPECT_EQ(snapshot(), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryDisk, Formatting,
                         ::testing::Values(DiskCase{"1", 1000}, DiskCase{"2", 3000},
                                           DiskCase{"3", 5500}, DiskCase{"4", 16000}));

TEST_F(GameCommands, FormattingAwayTheInGameSystemDisablesItsMenuAtOnce) {
    playSomeDays();
    globals().OsLevel = 5;
    hours(1);
    ASSERT_TRUE(form1Control("mnuVexa").enabled());
    answer(true);
    click("Form1", "Command8");
    EXPECT_FALSE(form1Control("mnuVexa").enabled());
    EXPECT_TRUE(game->clock().enabled()) << "formatting does not stop the clock";
}

TEST_F(GameCommands, FormattingWorksDuringAPause) {
    playSomeDays();
    click("Form1", "mnuPause");
    services.clearPending();
    answer(true);
    click("Form1", "Command8");
    expectMessage(ui::MessageKind::Question, FormatQuestion);
    EXPECT_EQ(caption("LblHDF"), "3000 MB");
    EXPECT_FALSE(game->clock().enabled()) << "formatting does not end the pause";
}

TEST_F(GameCommands, ClosingTheMainWindowAnsweredNoEndsWithoutSaving) {
    bool saveWindowShown = false;
    game->registerWindow("FrmSaveEnd", [this, &saveWindowShown] {
        saveWindowShown = true;
        return std::make_unique<ui::Window>(*game, "FrmSaveEnd", "", 10, 10);
    });
    setCaption("LblMoney", "777");
    answer(false);
    ASSERT_TRUE(game->requestClose(window("Form1")));
    expectMessage(ui::MessageKind::Question, SaveQuestion);
    auto end = services.take();
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->type, ui::ServiceEvent::Ended);
    expectQuiet();
    EXPECT_FALSE(saveWindowShown);
    EXPECT_TRUE(game->ended());
    EXPECT_TRUE(game->openWindows().empty());
    EXPECT_EQ(caption("LblMoney"), "777");
}

TEST_F(GameCommands, ClosingTheMainWindowAnsweredYesHandsOverToTheSaveWindow) {
    game->registerWindow("FrmSaveEnd", [this] {
        return std::make_unique<ui::Window>(*game, "FrmSaveEnd", "", 10, 10);
    });
    setCaption("LblMoney", "777");
    answer(true);
    ASSERT_TRUE(game->requestClose(window("Form1")));
    expectMessage(ui::MessageKind::Question, SaveQuestion);
    expectQuiet();
    EXPECT_FALSE(game->ended());
    EXPECT_EQ(game->find("Form1"), nullptr);
    EXPECT_NE(game->find("FrmSaveEnd"), nullptr);
    // The save window still reads the state the player quit with, and time has stopped.
    EXPECT_EQ(caption("LblMoney"), "777");
    hours(5);
    EXPECT_EQ(caption("LblClock"), "00:00");
}

TEST_F(GameCommands, TheMainWindowCannotBeClosedWhileAnActivityIsOpen) {
    click("Form1", "mnuAuthor");
    EXPECT_FALSE(game->requestClose(window("Form1")));
    expectQuiet();
    EXPECT_NE(game->find("Form1"), nullptr);
}

}  // namespace
