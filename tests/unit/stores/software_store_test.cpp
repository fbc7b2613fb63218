#include "store_fixture.h"

namespace {

using ui::MessageKind;

class SoftwareStore : public store_tests::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        open("Form3");
    }
    // The best hardware and a big empty disk, without going through the hardware store.
    void bestComputer(int freeMb = 16000) {
        auto& v = globals();
        v.CpuLevel = 4;
        v.RamLevel = 2;
        v.VideoLevel = "4";
        v.FreeDiskMb = static_cast<std::int16_t>(freeMb);
    }
    // The points and the free disk as they stood when each message box opened.
    std::vector<QString> stateAtMessages;
    void watchMessages() {
        services.onEvent = [this](const ui::ServiceEvent&) {
            stateAtMessages.push_back(caption("LblCoint") + "|" + caption("LblHDF"));
        };
    }
};

TEST_F(SoftwareStore, WithoutAComputerEveryRowNamesWhatItNeeds) {
    setMoney(0);
    expectRefusal("Form3", -1, MessageKind::Exclamation, "Выберете ПО!");
    const QStringList list = control("Form3", "List1").items();
    for (int row = 0; row < list.size(); ++row) {
        const QString needs = row <= 3 ? " можно поставить на процессор" : " можно поставить на ОС";
        buy("Form3", row);
        auto event = services.take();
        ASSERT_TRUE(event.has_value());
        EXPECT_TRUE(event->text.startsWith(list[row] + needs)) << event->text.toStdString();
        expectQuiet();
    }
}

TEST_F(SoftwareStore, ChecksRunRequirementMoneyLevelThenDisk) {
    bestComputer(0);
    setMoney(199);
    expectRefusal("Form3", 0, MessageKind::Exclamation, "Нехватает денег!");
    setMoney(200);
    expectRefusal("Form3", 0, MessageKind::Exclamation,
                  "Нехватает места на жёстком диске, нужно 3000 MB");

    globals().OsLevel = 4;
    setMoney(0);  // a better system outranks no money only after the money check
    expectRefusal("Form3", 1, MessageKind::Exclamation, "Нехватает денег!");
    setMoney(1000);
    expectRefusal("Form3", 1, MessageKind::Exclamation, "У вас стоит OS лучшее этой!");
    expectRefusal("Form3", 0, MessageKind::Exclamation, "У вас эта OS установлена!");
}

TEST_F(SoftwareStore, TheInGameSystemOutranksEveryWindowsAndCarriesEveryProgram) {
    bestComputer();
    globals().OsLevel = 5;
    setMoney(10000);
    for (int row = 0; row <= 3; ++row) {
        expectRefusal("Form3", row, MessageKind::Exclamation, "У вас стоит OS лучшее этой!");
    }
    buy("Form3", 5);
    expectMessage(MessageKind::Information, "Антивирус купленно!");
    buy("Form3", 9);
    expectMessage(MessageKind::Information, "Интернет Браузер купленно!");
    EXPECT_EQ(caption("LblIB"), "Inernet Explorer 7");
    EXPECT_EQ(caption("LblCoint"), "13");
}

TEST_F(SoftwareStore, DiskExactlyAtTheNeedIsEnoughAndTheRefusalNamesThatNeed) {
    struct Case {
        int row, needMb, needsOs;
    };
    for (const Case c : {Case{5, 100, 3}, Case{6, 20, 1}, Case{7, 50, 2}, Case{4, 50, 1}}) {
        bestComputer(c.needMb - 1);
        globals().OsLevel = static_cast<std::uint8_t>(c.needsOs);
        globals().AntivirusLevel = globals().BrowserLevel = 0;
        setMoney(1000);
        expectRefusal("Form3", c.row, MessageKind::Exclamation,
                      QString("Нехватает места на жёстком диске, нужно %1 MB").arg(c.needMb));
        globals().FreeDiskMb = static_cast<std::int16_t>(c.needMb);
        buy("Form3", c.row);
        services.clearPending();
        EXPECT_EQ(caption("LblHDF"), "0 MB") << c.row;
        EXPECT_EQ(globals().FreeDiskMb, 0);
    }
}

TEST_F(SoftwareStore, UpgradesEarnTheDifferenceAndKeepTheOldSpaceTaken) {
    bestComputer(5000);
    setMoney(1000);
    watchMessages();
    buy("Form3", 3);  // Windows 98
    buy("Form3", 1);  // Windows XP
    EXPECT_EQ(caption("LblCoint"), "6");
    EXPECT_EQ(caption("LblHDF"), "3000 MB");
    buy("Form3", 0);  // Windows Vista announces itself before anything changes
    EXPECT_EQ(caption("LblCoint"), "10");
    EXPECT_EQ(caption("LblHDF"), "0 MB");
    EXPECT_EQ(caption("LblOS"), "Windows Vista");
    EXPECT_EQ(caption("LblMoney"), "660");
    const std::vector<QString> expected = {"1|4500 MB", "6|3000 MB", "6|3000 MB"};
    EXPECT_EQ(stateAtMessages, expected);
}

TEST_F(SoftwareStore, BrowsersAreLabelledInTheirOwnSpelling) {
    bestComputer();
    globals().OsLevel = 4;
    setMoney(1000);
    buy("Form3", 7);
    expectMessage(MessageKind::Information, "Интернет Браузер купленно!");
    EXPECT_EQ(caption("LblIB"), "Inernet Explorer 5");
    EXPECT_EQ(globals().BrowserLevel, 2);
    buy("Form3", 8);
    buy("Form3", 9);
    EXPECT_EQ(caption("LblCoint"), "10");
    EXPECT_EQ(caption("LblMoney"), QString::number(1000 - 75 - 100 - 150));
}

TEST_F(SoftwareStore, PricesShownAreThePricesCharged) {
    auto& prices = control("Form3", "List2");
    EXPECT_EQ(prices.item(4), "50");
    EXPECT_EQ(prices.item(5), "80");
    bestComputer();
    globals().OsLevel = 3;
    setMoney(130);
    buy("Form3", 4);
    buy("Form3", 5);
    EXPECT_EQ(caption("LblMoney"), "0");
    ASSERT_TRUE(game->select(prices, 5));
    EXPECT_EQ(prices.listIndex(), -1);
}

TEST_F(SoftwareStore, MovingOnToLanguagesKeepsTheMainWindowAndClockStopped) {
    click("Form3", "Command2");
    EXPECT_EQ(game->find("Form3"), nullptr);
    EXPECT_NE(game->find("FrmPL"), nullptr);
    EXPECT_FALSE(window("Form1").enabled());
    EXPECT_FALSE(game->clock().enabled());
    game->scheduler().advance(10 * 1500);
    EXPECT_EQ(caption("LblClock"), "00:00");

    ASSERT_TRUE(game->requestClose(window("FrmPL")));
    EXPECT_TRUE(window("Form1").enabled());
    EXPECT_TRUE(game->clock().enabled());
}

}  // namespace
