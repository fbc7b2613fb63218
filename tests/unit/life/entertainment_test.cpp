#include "life_fixture.h"

namespace life_tests {
namespace {

using ui::MessageKind;

const QString AfterCafe = "Сходив в кафе, у вас улучшилось настроение!";
const QString AfterCinema = "Посмотрев фильм, у вас улучшилось настроение!";

class Entertainment : public LifeFixture {
protected:
    QStringList prices() { return control("FrmRazvl", "List1").items(); }
};

TEST_F(Entertainment, UnemployedPayAndGainFiveAndTen) {
    open("FrmRazvl");
    EXPECT_EQ(prices(), QStringList({"", "5", "", "", "10"}));
    EXPECT_EQ(control("FrmRazvl", "Label2").caption(), "50");

    click("FrmRazvl", "Command1");
    expectMessage(MessageKind::Information, AfterCafe);
    EXPECT_EQ(caption("LblMoney"), "195");
    EXPECT_EQ(caption("LblRazvl"), "55");
    EXPECT_EQ(control("FrmRazvl", "Label2").caption(), "55");

    click("FrmRazvl", "Command2");
    expectMessage(MessageKind::Information, AfterCinema);
    EXPECT_EQ(caption("LblMoney"), "185");
    EXPECT_EQ(caption("LblRazvl"), "65");
    expectQuiet();
}

TEST_F(Entertainment, PricesAndEffectsGrowWithTheJob) {
    globals().JobLevel = 6;
    setCaption("LblRazvl", "10");
    open("FrmRazvl");
    EXPECT_EQ(prices(), QStringList({"", "30", "", "", "60"}));
    click("FrmRazvl", "Command1");
    expectMessage(MessageKind::Information, AfterCafe);
    click("FrmRazvl", "Command2");
    expectMessage(MessageKind::Information, AfterCinema);
    EXPECT_EQ(caption("LblMoney"), "110");
    EXPECT_EQ(caption("LblRazvl"), "100");
}

TEST_F(Entertainment, MoodMayReachButNotPassOneHundred) {
    setCaption("LblRazvl", "95");
    open("FrmRazvl");
    const auto before = snapshot();
    click("FrmRazvl", "Command2");
    expectMessage(MessageKind::Information, "У вас максимальное настроение!");
    EXPECT_EQ(snapshot(), before);

    click("FrmRazvl", "Command1");
    expectMessage(MessageKind::Information, AfterCafe);
    EXPECT_EQ(caption("LblRazvl"), "100");
    EXPECT_EQ(caption("LblMoney"), "195");
    expectQuiet();
}

TEST_F(Entertainment, TheLastRublesPayForTheCinema) {
    setCaption("LblMoney", "10");
    open("FrmRazvl");
    click("FrmRazvl", "Command2");
    expectMessage(MessageKind::Information, AfterCinema);
    EXPECT_EQ(caption("LblMoney"), "0");
}

TEST_F(Entertainment, MoneyIsCheckedBeforeMood) {
    setCaption("LblMoney", "4");
    setCaption("LblRazvl", "100");
    open("FrmRazvl");
    const auto before = snapshot();
    click("FrmRazvl", "Command1");
    expectMessage(MessageKind::Exclamation, "Нехватает денег!");
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Entertainment, GoingHomeClosesFirstThenBeepsTwice) {
    open("FrmRazvl");
    std::vector<bool> openAtBeep;
    services.onEvent = [this, &openAtBeep](const ui::ServiceEvent& e) {
        if (e.type == ui::ServiceEvent::Beep) {
            openAtBeep.push_back(game->find("FrmRazvl") != nullptr || !game->form1().enabled() ||
                                 !game->clock().enabled());
        }
    };
    click("FrmRazvl", "Command3");
    expectBeeps(2);
    expectQuiet();
    EXPECT_EQ(openAtBeep, std::vector<bool>({false, false}));
    services.onEvent = nullptr;

    game->scheduler().advance(Hour);
    EXPECT_EQ(caption("LblClock"), "01:00");
}

TEST_F(Entertainment, ClickingAPriceRowSelectsNothing) {
    open("FrmRazvl");
    for (int row = 0; row < 5; ++row) {
        selectRow("FrmRazvl", "List1", row);
        EXPECT_EQ(control("FrmRazvl", "List1").listIndex(), -1) << row;
    }
}

}  // namespace
}  // namespace life_tests
