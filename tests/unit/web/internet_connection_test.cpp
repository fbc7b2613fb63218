#include "web_fixture.h"

namespace {

using ui::MessageKind;

class InternetConnection : public web_tests::WebFixture {
protected:
    // A random draw that makes the offer this many rubles.
    void queuePrice(int rubles) { services.queueRandom((rubles - 1) / 10.0 + 0.05); }
    QString button() { return control("Form1", "Command4").caption(); }
};

// The word after each price, as the question and the confirmation write it.
struct Offer {
    int price;
    const char* word;
};
const Offer Offers[] = {{1, " рубль"},  {2, " рубля"},  {3, " рубля"},  {4, " рубля"},
                        {5, " рублей"}, {6, " рублей"}, {7, " рублей"}, {8, " рублей"},
                        {9, " рублей"}, {10, " рублей"}};

TEST_F(InternetConnection, EveryPriceIsAskedAndConfirmedWithItsWord) {
    for (const Offer& offer : Offers) {
        globals().InternetConnected = 0;
        setCaption("LblMoney", "100");
        setCaption("LblCoint", "0");
        queuePrice(offer.price);
        services.queueAnswer(true);
        click("Form1", "Command4");
        const QString amount = QString::number(offer.price) + QString::fromUtf8(offer.word);
        expectMessage(MessageKind::Question, "Хотите подключится к интернету за " + amount + "?");
        expectMessage(MessageKind::Information, "Вы подключены к интернету за " + amount);
        expectQuiet();
        EXPECT_EQ(caption("LblMoney"), QString::number(100 - offer.price)) << offer.price;
        EXPECT_EQ(caption("LblCoint"), "5");
        EXPECT_EQ(globals().InternetConnected, 1);
        EXPECT_EQ(globals().OfferPrice, offer.price);
        EXPECT_EQ(button(), "Войти в интернет");
        EXPECT_TRUE(game->clock().enabled());
    }
}

TEST_F(InternetConnection, TheLowestAndHighestDrawsGiveOneAndTenRubles) {
    services.queueRandom(0.0);
    click("Form1", "Command4");
    expectMessage(MessageKind::Question, "Хотите подключится к интернету за 1 рубль?");
    services.queueRandom(0.99999);
    click("Form1", "Command4");
    expectMessage(MessageKind::Question, "Хотите подключится к интернету за 10 рублей?");
}

TEST_F(InternetConnection, DecliningChangesNothingAndTheNextPressDrawsAgain) {
    setCaption("LblMoney", "150");
    setCaption("LblCoint", "12");
    queuePrice(3);
    services.queueAnswer(false);
    click("Form1", "Command4");
    expectMessage(MessageKind::Question, "Хотите подключится к интернету за 3 рубля?");
    expectQuiet();
    EXPECT_EQ(caption("LblMoney"), "150");
    EXPECT_EQ(caption("LblCoint"), "12");
    EXPECT_EQ(button(), "Подключится к интернету");
    EXPECT_EQ(globals().InternetConnected, 0);
    EXPECT_TRUE(game->clock().enabled());

    queuePrice(8);
    services.queueAnswer(false);
    click("Form1", "Command4");
    expectMessage(MessageKind::Question, "Хотите подключится к интернету за 8 рублей?");
}

TEST_F(InternetConnection, NoGameTimePassesWhileTheQuestionIsOpen) {
    std::vector<bool> clockAtMessages;
    services.onEvent = [&](const ui::ServiceEvent&) {
        clockAtMessages.push_back(game->clock().enabled());
    };
    services.queueAnswer(true);
    click("Form1", "Command4");
    click("Form1", "Command4");  // connected now: goes online, and is refused for want of a CPU
    EXPECT_EQ(clockAtMessages, (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(game->clock().enabled());
    game->scheduler().advance(1500);
    EXPECT_EQ(caption("LblClock"), "01:00");
}

TEST_F(InternetConnection, TheLastRublesBuyItAndTheNextHourBankrupts) {
    setCaption("LblMoney", "3");
    queuePrice(7);
    services.queueAnswer(true);
    click("Form1", "Command4");
    services.clearPending();
    EXPECT_EQ(caption("LblMoney"), "-4");
    game->scheduler().advance(1500);
    expectMessage(MessageKind::Information, "Вы банкрот!");
    EXPECT_TRUE(game->ended());
}

TEST_F(InternetConnection, GoingOnlineNamesOnlyTheFirstThingMissingInOrder) {
    game::GameGlobals& v = globals();
    v.InternetConnected = 1;
    struct Need {
        std::uint8_t game::GameGlobals::*level;
        MessageKind kind;
        const char* refusal;
    };
    const Need needs[] = {
        {&game::GameGlobals::CpuLevel, MessageKind::Critical, "У вас нет процессора!"},
        {&game::GameGlobals::RamLevel, MessageKind::Critical, "У вас нет Ram!"},
        {&game::GameGlobals::ModemLevel, MessageKind::Critical, "У вас нет модема!"},
        {&game::GameGlobals::OsLevel, MessageKind::Critical, "У вас нет ОС"},
        {&game::GameGlobals::BrowserLevel, MessageKind::Exclamation,
         "У вас нет интернет браузера!"},
    };
    for (const Need& need : needs) {
        click("Form1", "Command4");
        expectMessage(need.kind, QString::fromUtf8(need.refusal));
        expectQuiet();
        EXPECT_EQ(game->find("FrmInternet"), nullptr);
        EXPECT_TRUE(game->form1().enabled());
        EXPECT_TRUE(game->clock().enabled());
        v.*need.level = 1;
    }
    click("Form1", "Command4");
    expectQuiet();
    EXPECT_NE(game->find("FrmInternet"), nullptr);
    EXPECT_FALSE(game->form1().enabled());
    EXPECT_FALSE(game->clock().enabled());
}

TEST_F(InternetConnection, APriceIsDrawnOnEveryPressAlsoWhenOnline) {
    equip();
    services.queueRandom(0.35);
    click("Form1", "Command4");
    expectQuiet();
    EXPECT_EQ(globals().OfferPrice, 4);
    EXPECT_EQ(caption("LblMoney"), "1000");
}

TEST_F(InternetConnection, ANewGameOffersTheConnectionAgainUnderTheOldCaption) {
    services.queueAnswer(true);
    click("Form1", "Command4");
    services.queueAnswer(true);
    click("Form1", "mnuNewGame");
    services.clearPending();
    EXPECT_EQ(button(), "Войти в интернет");
    queuePrice(2);
    services.queueAnswer(false);
    click("Form1", "Command4");
    expectMessage(MessageKind::Question, "Хотите подключится к интернету за 2 рубля?");
}

}  // namespace
