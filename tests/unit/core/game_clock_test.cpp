#include "support/game_fixture.h"

namespace {

using testing_support::GameFixture;

const QString Hunger = QStringLiteral("Вы умерли от голода!");
const QString Gloom = QStringLiteral("Вы совершили саиоубийство!");
const QString Bankrupt = QStringLiteral("Вы банкрот!");
const QString Won = QStringLiteral("Вы изучили Компьютерную науку!");
const QString PauseOn = QStringLiteral("Пауза включена!");
const QString PauseOff = QStringLiteral("Пауза выключена!");

class GameClock : public GameFixture {
protected:
    static constexpr int Hour = 1500;

    void hours(int n) { game->scheduler().advance(static_cast<std::int64_t>(n) * Hour); }
    ui::Control& clock() { return game->clock(); }
    ui::Control& form1Control(const QString& name) { return game->form1().control(name); }
    void togglePause() { click("Form1", "mnuPause"); }

    // After a tick that ended the game: exactly this message (and, for the win, five beeps),
    // then the end; no save question.
    void expectEnd(const QString& message, int beeps = 0) {
        expectMessage(ui::MessageKind::Information, message);
        expectBeeps(beeps);
        auto end = services.take();
        ASSERT_TRUE(end.has_value()) << "the program did not end";
        EXPECT_EQ(end->type, ui::ServiceEvent::Ended);
        expectQuiet();
        EXPECT_TRUE(game->ended());
        EXPECT_TRUE(game->openWindows().empty());
    }
};

TEST_F(GameClock, OneTickIsOneHour) {
    game->scheduler().advance(Hour - 1);
    EXPECT_EQ(caption("LblClock"), "00:00");
    EXPECT_EQ(globals().Hour, 0);
    game->scheduler().advance(1);
    EXPECT_EQ(caption("LblClock"), "01:00");
    EXPECT_EQ(globals().Hour, 1);
    hours(8);
    EXPECT_EQ(caption("LblClock"), "09:00");
    hours(1);
    EXPECT_EQ(caption("LblClock"), "10:00");
    hours(7);
    EXPECT_EQ(caption("LblClock"), "17:00");
    expectQuiet();
}

TEST_F(GameClock, TheDayEndsOnTheTwentyFourthTick) {
    globals().Salary = 30;
    hours(23);
    EXPECT_EQ(caption("LblClock"), "23:00");
    EXPECT_EQ(caption("LblEda"), "50");
    hours(1);
    EXPECT_EQ(caption("LblClock"), "24:00");
    EXPECT_EQ(globals().Hour, 0);
    EXPECT_EQ(caption("LblEda"), "45");
    EXPECT_EQ(caption("LblRazvl"), "48");
    EXPECT_EQ(caption("LblMoney"), "230");
    hours(1);
    EXPECT_EQ(caption("LblClock"), "01:00");
    EXPECT_EQ(globals().Hour, 1);
    EXPECT_EQ(caption("LblEda"), "45");  // once a day, not once an hour
    hours(23);
    EXPECT_EQ(caption("LblClock"), "24:00");
    EXPECT_EQ(caption("LblEda"), "40");
    EXPECT_EQ(caption("LblRazvl"), "46");
    EXPECT_EQ(caption("LblMoney"), "260");
    expectQuiet();
}

TEST_F(GameClock, SalaryIsAddedToWhateverMoneyThereIs) {
    globals().Hour = 23;
    setCaption("LblMoney", "0");  // no salary: nothing changes, and 0 rubles is no bankruptcy
    hours(1);
    EXPECT_EQ(caption("LblMoney"), "0");

    globals().Hour = 23;
    setCaption("LblMoney", "-0.5");  // the loss is seen first: the salary comes after the check
    globals().Salary = 120;
    hours(1);
    expectEnd(Bankrupt);
}

TEST_F(GameClock, FractionalMoneyKeepsItsFractionThroughTheDay) {
    globals().Hour = 23;
    globals().Salary = 10;
    setCaption("LblMoney", "10.25");
    hours(1);
    EXPECT_EQ(game->number("LblMoney"), 20.25);
}

TEST_F(GameClock, CostsOfTheDayAreAnnouncedOneTickLater) {
    globals().Hour = 23;
    setCaption("LblEda", "5");
    hours(1);
    EXPECT_EQ(caption("LblEda"), "0");
    EXPECT_EQ(caption("LblClock"), "24:00");
    expectQuiet();
    EXPECT_FALSE(game->ended());

    hours(1);
    EXPECT_EQ(globals().Hour, 1);
    expectEnd(Hunger);
    // The end comes before the clock is moved on.
    EXPECT_EQ(caption("LblClock"), "24:00");
}

TEST_F(GameClock, MoodLostAtTheEndOfTheDayEndsTheGameNextTick) {
    globals().Hour = 23;
    setCaption("LblRazvl", "2");
    hours(1);
    EXPECT_EQ(caption("LblRazvl"), "0");
    expectQuiet();
    hours(1);
    expectEnd(Gloom);
}

struct EndCase {
    const char* label;
    const char* value;
    const QString* message;  // null: the game goes on
    int beeps;
};

void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.label << " " << c.value;
}

class EndConditions : public GameClock, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndConditions, AreCheckedOnTheNextTick) {
    const EndCase& c = GetParam();
    setCaption(c.label, QString::fromUtf8(c.value));
    game->scheduler().advance(Hour - 1);
    expectQuiet();
    game->scheduler().advance(1);
    if (c.message == nullptr) {
        expectQuiet();
        EXPECT_FALSE(game->ended());
        EXPECT_EQ(caption("LblClock"), "01:00");
        return;
    }
    expectEnd(*c.message, c.beeps);
    EXPECT_EQ(caption("LblClock"), "00:00");
    // After the end nothing more happens, whatever time passes.
    game->scheduler().advance(100 * Hour);
    EXPECT_TRUE(services.pending().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EndConditions,
    ::testing::Values(EndCase{"LblEda", "0", &Hunger, 0}, EndCase{"LblEda", "-3", &Hunger, 0},
                      EndCase{"LblEda", "0.5", nullptr, 0}, EndCase{"LblRazvl", "0", &Gloom, 0},
                      EndCase{"LblRazvl", "1", nullptr, 0}, EndCase{"LblMoney", "0", nullptr, 0},
                      EndCase{"LblMoney", "-1", &Bankrupt, 0},
                      EndCase{"LblMoney", "-0,01", &Bankrupt, 0},
                      EndCase{"LblCoint", "161", nullptr, 0}, EndCase{"LblCoint", "162", &Won, 5},
                      EndCase{"LblCoint", "300", &Won, 5}));

TEST_F(GameClock, OnlyTheFirstEndConditionThatHoldsIsAnnounced) {
    setCaption("LblEda", "0");
    setCaption("LblRazvl", "0");
    setCaption("LblMoney", "-10");
    setCaption("LblCoint", "162");
    hours(1);
    expectEnd(Hunger);
}

TEST_F(GameClock, EndConditionsGoInTheirFixedOrder) {
    setCaption("LblRazvl", "-1");
    setCaption("LblMoney", "-10");
    setCaption("LblCoint", "170");
    hours(1);
    expectEnd(Gloom);
}

TEST_F(GameClock, BankruptcyComesBeforeTheWin) {
    setCaption("LblMoney", "-10");
    setCaption("LblCoint", "170");
    hours(1);
    expectEnd(Bankrupt);
}

TEST_F(GameClock, AnEndLeavesNoSaveQuestionBehind) {
    setCaption("LblCoint", "162");
    hours(1);
    for (const ui::ServiceEvent& e : services.history()) {
        EXPECT_NE(e.kind, ui::MessageKind::Question) << e.text.toStdString();
    }
    EXPECT_FALSE(game->requestClose(game->form1()));
    // The state the player ended with can still be read.
    EXPECT_EQ(caption("LblCoint"), "162");
}

TEST_F(GameClock, AnHourBeyondTheDayLeavesTheClockTextAlone) {
    // Only a damaged game could hold such an hour; the clock must not show it.
    globals().Hour = 30;
    hours(1);
    EXPECT_EQ(globals().Hour, 31);
    EXPECT_EQ(caption("LblClock"), "00:00");
    EXPECT_EQ(caption("LblEda"), "50");
}

TEST_F(GameClock, EveryTickSetsTheInGameSystemMenuFromTheInstalledSystem) {
    ui::Control& vexa = form1Control("mnuVexa");
    globals().OsLevel = 5;
    EXPECT_FALSE(vexa.enabled());
    hours(1);
    EXPECT_TRUE(vexa.enabled());
    globals().OsLevel = 4;
    hours(1);
    EXPECT_FALSE(vexa.enabled());
}

TEST_F(GameClock, EachSpeedSetsTheLengthOfAnHour) {
    const int intervals[] = {1500, 700, 400, 200, 100, 50};
    EXPECT_TRUE(form1Control("mnu1").checked());
    for (int speed = 6; speed >= 1; --speed) {
        click("Form1", QStringLiteral("mnu%1").arg(speed));
        EXPECT_EQ(clock().interval(), intervals[speed - 1]);
        EXPECT_TRUE(clock().enabled());
        // The menu marks the speed chosen, and only that one.
        for (int other = 1; other <= 6; ++other) {
            EXPECT_EQ(form1Control(QStringLiteral("mnu%1").arg(other)).checked(), other == speed)
                << speed << " chosen, " << other << " marked";
        }
    }
    click("Form1", "mnu3");
    const int hourBefore = globals().Hour;
    game->scheduler().advance(400 * 5);
    EXPECT_EQ(globals().Hour, hourBefore + 5);
    expectQuiet();
}

TEST_F(GameClock, PauseStopsTheClockAndTheButtonsButNotFormatting) {
    hours(2);
    togglePause();
    expectMessage(ui::MessageKind::Information, PauseOn);
    EXPECT_FALSE(clock().enabled());
    // The title bar says why nothing moves; the caption the rules read stays.
    EXPECT_EQ(game->form1().title(), "Tarnvik 2 — Пауза");
    EXPECT_EQ(game->form1().caption(), "Tarnvik 2");
    for (int i = 1; i <= 7; ++i) {
        EXPECT_FALSE(form1Control(QStringLiteral("Command%1").arg(i)).enabled()) << i;
    }
    EXPECT_TRUE(form1Control("Command8").reachable());
    EXPECT_FALSE(form1Control("mnuVexa").enabled());
    hours(100);
    EXPECT_EQ(caption("LblClock"), "02:00");

    togglePause();
    expectMessage(ui::MessageKind::Information, PauseOff);
    EXPECT_TRUE(clock().enabled());
    EXPECT_EQ(game->form1().title(), "Tarnvik 2");
    for (int i = 1; i <= 7; ++i) {
        EXPECT_TRUE(form1Control(QStringLiteral("Command%1").arg(i)).reachable()) << i;
    }
    game->scheduler().advance(Hour - 1);
    EXPECT_EQ(caption("LblClock"), "02:00");
    game->scheduler().advance(1);
    EXPECT_EQ(caption("LblClock"), "03:00");
    expectQuiet();
}

TEST_F(GameClock, EndingThePauseSetsTheInGameSystemMenuFromTheInstalledSystem) {
    // Without the system the menu stays off: it must not open a system the player lacks.
    togglePause();
    togglePause();
    EXPECT_FALSE(form1Control("mnuVexa").enabled());

    globals().OsLevel = 5;
    togglePause();
    EXPECT_FALSE(form1Control("mnuVexa").enabled());
    togglePause();
    EXPECT_TRUE(form1Control("mnuVexa").enabled());
}

TEST_F(GameClock, ASpeedChosenDuringAPauseKeepsTheGamePaused) {
    togglePause();
    click("Form1", "mnu6");
    EXPECT_FALSE(clock().enabled());
    EXPECT_EQ(clock().interval(), 50);
    hours(10);
    EXPECT_EQ(caption("LblClock"), "00:00");

    togglePause();
    game->scheduler().advance(50);
    EXPECT_EQ(caption("LblClock"), "01:00");
    game->scheduler().advance(100);
    EXPECT_EQ(caption("LblClock"), "03:00");
}

TEST_F(GameClock, PicturesAlternateWhateverTheClockDoes) {
    const ui::Control& first = form1Control("Image1");
    const ui::Control& second = form1Control("Image2");
    auto expectShown = [&](const ui::Control& shown, int step) {
        EXPECT_TRUE(shown.visible()) << "step " << step;
        EXPECT_NE(first.visible(), second.visible()) << "step " << step;
    };
    int step = 0;
    auto swap = [&](const ui::Control& next) {
        game->scheduler().advance(200);
        expectShown(next, ++step);
    };
    expectShown(first, step);
    swap(second);
    swap(first);
    togglePause();
    swap(second);
    swap(first);
    click("Form1", "mnuAuthor");  // an activity window stops the clock, not the pictures
    ASSERT_NE(game->find("frmAuthor"), nullptr);
    swap(second);
    swap(first);
}

TEST_F(GameClock, ClosingAnAboutWindowDuringAPauseRestartsOnlyTheClock) {
    togglePause();
    expectMessage(ui::MessageKind::Information, PauseOn);
    click("Form1", "mnuAuthor");
    EXPECT_EQ(game->form1().title(), "Tarnvik 2 — Пауза");
    game->keyPressWindow(window("frmAuthor"), 13);
    EXPECT_TRUE(clock().enabled());
    EXPECT_EQ(game->form1().title(), "Tarnvik 2") << "the clock runs: no pause to show";
    EXPECT_FALSE(form1Control("Command1").enabled());
    EXPECT_FALSE(form1Control("Command7").enabled());
    hours(1);
    EXPECT_EQ(caption("LblClock"), "01:00");

    // The toggle looks only at the clock: the next one pauses again, the one after resumes.
    togglePause();
    expectMessage(ui::MessageKind::Information, PauseOn);
    EXPECT_FALSE(clock().enabled());
    togglePause();
    expectMessage(ui::MessageKind::Information, PauseOff);
    EXPECT_TRUE(clock().enabled());
    EXPECT_TRUE(form1Control("Command1").enabled());
    expectQuiet();
}

TEST_F(GameClock, NoHourPassesWhileThePauseMessageIsOpen) {
    game->scheduler().advance(Hour - 10);
    bool advanced = true;
    services.onEvent = [&](const ui::ServiceEvent&) {
        advanced = game->scheduler().advance(10 * Hour);
    };
    togglePause();
    togglePause();
    services.onEvent = nullptr;
    EXPECT_FALSE(advanced);
    EXPECT_EQ(caption("LblClock"), "00:00");
}

}  // namespace
