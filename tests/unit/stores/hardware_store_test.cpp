#include <QLocale>

#include "store_fixture.h"

namespace {

using ui::MessageKind;

class HardwareStore : public store_tests::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        open("Form2");
    }
    // A purchase that must go through, selling the old part when there is one to sell.
    void buyPart(int row) {
        const char* label = row <= 3    ? "LblCPU"
                            : row <= 5  ? "LblRam"
                            : row <= 8  ? "LblModem"
                            : row <= 12 ? "LblHD"
                                        : "LblVideo";
        if (caption(label) != "Нет") {
            services.queueAnswer(true);
        }
        buy("Form2", row);
        ASSERT_EQ(services.history().back().text.toStdString(), "Апгрейд совершён!") << row;
        ASSERT_EQ(services.pendingAnswers(), 0u);
        services.clearPending();
    }
};

TEST_F(HardwareStore, RefusalsComeOneAtATimeInTheirOrder) {
    setMoney(0);
    expectRefusal("Form2", -1, MessageKind::Exclamation, "Выберете железо!");
    expectRefusal("Form2", 3, MessageKind::Exclamation, "Нехватает денег!");

    setMoney(1000);
    buyPart(1);  // Intel Pentium 4
    setMoney(0);
    // Owning the part and having no money shows only the part's refusal.
    expectRefusal("Form2", 1, MessageKind::Exclamation, "У вас Этот Процессор установлен!");
    expectRefusal("Form2", 3, MessageKind::Exclamation, "У вас стоит процессор лучше этого");

    // The old processor would fetch 150, but the new one must be paid for in full.
    setMoney(499);
    expectRefusal("Form2", 0, MessageKind::Exclamation, "Нехватает денег!");
}

TEST_F(HardwareStore, EachKindRefusesTheSameAndALowerModel) {
    setMoney(10000);
    for (int row : {5, 8, 12, 16}) {  // the best memory, modem, disk and video card
        buyPart(row);
    }
    expectRefusal("Form2", 5, MessageKind::Exclamation, "У вас эта Ram установлена!");
    expectRefusal("Form2", 4, MessageKind::Exclamation, "У вас стоит Ram лучше этой!");
    expectRefusal("Form2", 8, MessageKind::Exclamation, "У вас этот модем установлен!");
    expectRefusal("Form2", 7, MessageKind::Exclamation, "У вас стоит модем лучше этого!");
    expectRefusal("Form2", 12, MessageKind::Exclamation, "У вас этот винчестер установлен!");
    expectRefusal("Form2", 9, MessageKind::Exclamation, "У вас стоит винчестер лучше этого!");
    expectRefusal("Form2", 16, MessageKind::Exclamation, "У вас Эта видео карта установлен!");
    expectRefusal("Form2", 13, MessageKind::Exclamation, "У вас стоит видео карта лучше этой");
}

TEST_F(HardwareStore, MoneyExactlyAtThePriceBuysAFirstPartWithoutAnOffer) {
    setMoney(100);
    buy("Form2", 3);
    expectMessage(MessageKind::Information, "Апгрейд совершён!");
    expectQuiet();
    EXPECT_EQ(caption("LblMoney"), "0");
    EXPECT_EQ(caption("LblCoint"), "1");
    EXPECT_EQ(caption("LblCPU"), "Intel Pentium 2");
    EXPECT_EQ(globals().CpuLevel, 1);
}

TEST_F(HardwareStore, DecliningTheBuyBackCancelsThePurchase) {
    setMoney(1000);
    buyPart(1);
    setMoney(600);
    globals().OfferPrice = 7;
    QStringList before = snapshot();

    services.queueAnswer(false);
    buy("Form2", 0);
    expectMessage(MessageKind::Question, "Хотите продать Intel Pentium 4 за 150 рублей");
    expectQuiet();
    EXPECT_EQ(globals().OfferPrice, 0);  // the last digit of 300: the only thing changed
    before.last() = "0";
    EXPECT_EQ(snapshot(), before);

    services.queueAnswer(true);
    buy("Form2", 0);
    expectMessage(MessageKind::Question, "Хотите продать Intel Pentium 4 за 150 рублей");
    expectMessage(MessageKind::Information, "Апгрейд совершён!");
    EXPECT_EQ(caption("LblMoney"), "250");
    EXPECT_EQ(caption("LblCoint"), "10");
    EXPECT_EQ(caption("LblCPU"), "Intel Core 2 Duo");
    EXPECT_EQ(globals().CpuLevel, 4);
}

TEST_F(HardwareStore, HalfPricesKeepTheirFractionInTheLocalesWay) {
    struct RussianLocale {
        QLocale saved;
        RussianLocale() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
        ~RussianLocale() { QLocale::setDefault(saved); }
    } russian;
    setMoney(125);
    buyPart(4);  // DDR16
    setMoney(200);
    services.queueAnswer(true);
    buy("Form2", 5);
    expectMessage(MessageKind::Question, "Хотите продать DDR16 за 62,5 рублей");
    EXPECT_EQ(caption("LblMoney"), "107,5");
}

TEST_F(HardwareStore, ModemsSetTheirSpeedAndTheMiddleRowWritesItsWordCapitalised) {
    setMoney(1000);
    buyPart(6);
    EXPECT_EQ(globals().ModemSpeed, 5);
    services.queueAnswer(true);
    buy("Form2", 7);
    expectMessage(MessageKind::Question, "Хотите продать Modem 14 kb/s за 10 Рублей");
    EXPECT_EQ(globals().ModemSpeed, 10);
    services.clearPending();

    services.queueAnswer(false);
    buy("Form2", 8);
    expectMessage(MessageKind::Question, "Хотите продать Modem 28 kb/s за 25 рублей");
    EXPECT_EQ(globals().ModemSpeed, 10);
    services.queueAnswer(true);
    buy("Form2", 8);
    EXPECT_EQ(globals().ModemSpeed, 20);
    EXPECT_EQ(caption("LblModem"), "Modem 56 kb/s");
}

TEST_F(HardwareStore, EveryNewDiskIsBlank) {
    const int capacities[] = {1000, 3000, 5500, 16000};
    setMoney(100000);
    for (int row = 9; row <= 12; ++row) {
        auto& v = globals();
        v.OsLevel = 5;
        v.AntivirusLevel = 2;
        v.BrowserLevel = 4;
        v.LanguageLevel = "9";
        v.FreeDiskMb = 12;
        for (const char* label : {"LblOS", "LblAV", "LblIB", "LblPL"}) {
            setCaption(label, "something");
        }
        buyPart(row);
        EXPECT_EQ(v.OsLevel + v.AntivirusLevel + v.BrowserLevel, 0) << row;
        EXPECT_EQ(v.LanguageLevel, "0");
        for (const char* label : {"LblOS", "LblAV", "LblIB", "LblPL"}) {
            EXPECT_EQ(caption(label), "Нет") << label;
        }
        const int capacity = capacities[row - 9];
        EXPECT_EQ(v.FreeDiskMb, capacity);
        EXPECT_EQ(caption("LblHDF"), QString::number(capacity) + " MB");
        EXPECT_EQ(v.DiskLevel, QString::number(row - 8));
    }
}

TEST_F(HardwareStore, PointsFollowTheInstalledPartHoweverTheLadderIsClimbed) {
    setMoney(100000);
    // Every part bought one step at a time, processors from the bottom of the list up.
    for (int row : {3, 2, 1, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) {
        buyPart(row);
    }
    EXPECT_EQ(caption("LblCoint"), "39");

    // A second computer bought at a leap from nothing is worth the same.
    auto& v = globals();
    v.CpuLevel = v.RamLevel = v.ModemLevel = 0;
    v.DiskLevel = v.VideoLevel = "0";
    for (const char* label : {"LblCPU", "LblRam", "LblModem", "LblHD", "LblVideo"}) {
        setCaption(label, "Нет");
    }
    setCaption("LblCoint", "0");
    for (int row : {0, 5, 8, 12, 16}) {
        buyPart(row);
    }
    EXPECT_EQ(caption("LblCoint"), "39");
}

TEST_F(HardwareStore, PricesAreForReadingOnlyAndTheCloseBoxGivesTheGameBack) {
    ASSERT_TRUE(game->select(control("Form2", "List2"), 3));
    EXPECT_EQ(control("Form2", "List2").listIndex(), -1);
    EXPECT_FALSE(window("Form1").enabled());
    EXPECT_FALSE(game->clock().enabled());

    ASSERT_TRUE(game->requestClose(window("Form2")));
    EXPECT_EQ(game->find("Form2"), nullptr);
    EXPECT_TRUE(window("Form1").enabled());
    EXPECT_TRUE(game->clock().enabled());
}

}  // namespace
