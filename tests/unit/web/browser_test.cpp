#include "web_fixture.h"

namespace {

using ui::MessageKind;

class Browser : public web_tests::WebFixture {
protected:
    void SetUp() override {
        WebFixture::SetUp();
        equip();
        openBrowser();
    }
    ui::Control& timer() { return control("FrmInternet", "Timer1"); }
};

TEST_F(Browser, OpensOnABlankPageWithTheHomeAddressAndBothSitesListed) {
    EXPECT_EQ(window("FrmInternet").caption(), "Inernet Explorer 6");
    const ui::Control& address = control("FrmInternet", "ComboS");
    EXPECT_EQ(address.text(), home());
    EXPECT_EQ(address.items(), (QStringList{home(), jokes()}));
    EXPECT_EQ(page(), "blank");
    EXPECT_EQ(progress(), 0);
    EXPECT_FALSE(timer().enabled());
    EXPECT_FALSE(game->form1().enabled());
    EXPECT_FALSE(game->clock().enabled());
    browserTicks(10);
    EXPECT_EQ(caption("LblClock"), "00:00");
}

TEST_F(Browser, ItsCloseBoxGivesTheMainWindowAndTheClockBack) {
    ASSERT_TRUE(game->requestClose(window("FrmInternet")));
    EXPECT_EQ(game->find("FrmInternet"), nullptr);
    EXPECT_TRUE(game->form1().enabled());
    EXPECT_TRUE(game->clock().enabled());
    // The next visit starts afresh.
    openBrowser();
    EXPECT_EQ(page(), "blank");
}

TEST_F(Browser, WithTwentyTheBarGoesUpInFivesOfTwentyAndTheSixthTickAnswers) {
    go(home());
    EXPECT_TRUE(timer().enabled());
    std::vector<int> bar{progress()};
    for (int tick = 1; tick <= 5; ++tick) {
        browserTicks(1);
        bar.push_back(progress());
        EXPECT_EQ(page(), "blank") << tick;
    }
    EXPECT_EQ(bar, (std::vector<int>{0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(money(), 1000);
    browserTicks(1);
    EXPECT_EQ(page(), "home");
    EXPECT_EQ(money(), 995);
    EXPECT_FALSE(timer().enabled());
    expectQuiet();
}

TEST_F(Browser, EachModemTakesItsNumberOfTicksAndOneMore) {
    struct Modem {
        int speed;
        int loadingTicks;
    };
    for (const Modem m : {Modem{5, 20}, Modem{10, 10}, Modem{20, 5}}) {
        globals().ModemSpeed = static_cast<std::uint8_t>(m.speed);
        const double before = money();
        go(home());
        browserTicks(m.loadingTicks);
        EXPECT_EQ(progress(), 100) << m.speed;
        EXPECT_EQ(money(), before) << m.speed;
        browserTicks(1);
        EXPECT_EQ(money(), before - 5) << m.speed;
        EXPECT_FALSE(timer().enabled());
    }
}

TEST_F(Browser, WithoutAModemSpeedTheBarNeverMovesAndTheTimerRunsOn) {
    globals().ModemSpeed = 0;
    go(home());
    browserTicks(100);
    EXPECT_EQ(progress(), 0);
    EXPECT_TRUE(timer().enabled());
    EXPECT_EQ(page(), "blank");
    EXPECT_EQ(money(), 1000);
}

TEST_F(Browser, AGoRequestNeedsFiveRublesAndChargesNothingUntilThePageIsIn) {
    setCaption("LblMoney", "4.99");
    go(home());
    expectMessage(MessageKind::Exclamation, "Нехватает денег!");
    EXPECT_FALSE(timer().enabled());
    browserTicks(6);
    EXPECT_EQ(page(), "blank");

    setCaption("LblMoney", "5");
    go(home());
    expectQuiet();
    browserTicks(5);
    EXPECT_EQ(money(), 5);
    browserTicks(1);
    EXPECT_EQ(page(), "home");
    EXPECT_EQ(money(), 0);
}

TEST_F(Browser, AGoRequestWhileLoadingStartsAgainFromNothing) {
    go(home());
    browserTicks(3);
    EXPECT_EQ(progress(), 60);
    go(jokes());
    EXPECT_EQ(progress(), 0);
    browserTicks(5);
    EXPECT_EQ(page(), "blank");
    browserTicks(1);
    EXPECT_EQ(page(), "jokes");
}

TEST_F(Browser, EachSiteShowsItsPageAndTheHomeAndMissingPagesCostFive) {
    struct Visit {
        QString address;
        const char* page;
        double cost;
    };
    for (const Visit& v : {Visit{home(), "home", 5}, Visit{jokes(), "jokes", 0},
                           Visit{"http://www.tarnvik.ru/news", "not found", 5},
                           Visit{"", "not found", 5}, Visit{home(), "home", 5}}) {
        const double before = money();
        visit(v.address);
        EXPECT_EQ(page(), v.page) << v.address.toStdString();
        EXPECT_EQ(money(), before - v.cost) << v.address.toStdString();
        expectQuiet();
    }
    EXPECT_EQ(control("FrmInternet", "Label1").caption(), "         Сайт про Tarnvik 1.0");
    EXPECT_EQ(control("FrmInternet", "Label2").caption(), "Такой страницы несуществует!");
    EXPECT_TRUE(control("FrmInternet", "Text1")
                    .text()
                    .startsWith("В этой версии есть следующие возможности:\nДелать апгрейд\n"));
}

TEST_F(Browser, AddressesThatDifferInCaseOrByABlankAreMissingPages) {
    for (const QString& address :
         {QStringLiteral("HTTP://WWW.TARNVIK.RU/"), QStringLiteral("http://www.Tarnvik.ru/"),
          QStringLiteral("http://www.tarnvik.ru/ "), QStringLiteral(" http://www.tarnvik.ru/"),
          QStringLiteral("http://www.tarnvik.ru"), QStringLiteral("http://www.shutki.ru/ "),
          QStringLiteral("http://www.tarnvik.ru/vexa.rar"),
          QStringLiteral("http://www.tarnvik.ru/Vexa.rar ")}) {
        const double before = money();
        visit(address);
        EXPECT_EQ(page(), "not found") << address.toStdString();
        EXPECT_EQ(money(), before - 5) << address.toStdString();
        EXPECT_EQ(game->find("FrmDL"), nullptr);
    }
}

TEST_F(Browser, EnterInTheAddressBoxGoesAndOtherKeysOnlyEdit) {
    ui::Control& address = control("FrmInternet", "ComboS");
    ASSERT_TRUE(game->edit(address, jokes()));
    ASSERT_TRUE(game->keyPress(address, 'a'));
    ASSERT_TRUE(game->keyPress(address, 10));
    EXPECT_FALSE(timer().enabled());
    ASSERT_TRUE(game->keyPress(address, 13));
    EXPECT_TRUE(timer().enabled());
    browserTicks(6);
    EXPECT_EQ(page(), "jokes");
}

TEST_F(Browser, ChoosingASiteFromTheListPutsItInTheBox) {
    ASSERT_TRUE(game->select(control("FrmInternet", "ComboS"), 1));
    EXPECT_EQ(control("FrmInternet", "ComboS").text(), jokes());
    EXPECT_FALSE(timer().enabled());
}

TEST_F(Browser, TheDownloadButtonAnswersOnTheNextTickWithoutAskingForMoney) {
    visit(home());
    setCaption("LblMoney", "0");
    click("FrmInternet", "Command2");
    EXPECT_EQ(control("FrmInternet", "ComboS").text(), archive());
    EXPECT_EQ(progress(), 100);
    browserTicks(1);
    expectQuiet();
    EXPECT_NE(game->find("FrmDL"), nullptr);
    EXPECT_EQ(page(), "home");
    EXPECT_EQ(money(), 0);
    EXPECT_FALSE(timer().enabled());
}

TEST_F(Browser, TheDownloadNeedsTwoThousandMegabytesFreeWhateverTheDisk) {
    setCaption("LblHD", "Винчестер 16000 MB");
    game->setFreeDisk(1999);
    visit(archive());
    expectMessage(MessageKind::Exclamation, "Нехватает места на жёстком диске, нужно 2000 MB");
    expectQuiet();
    EXPECT_EQ(game->find("FrmDL"), nullptr);
    EXPECT_EQ(money(), 1000);

    game->setFreeDisk(2000);
    visit(archive());
    expectQuiet();
    EXPECT_NE(game->find("FrmDL"), nullptr);
    EXPECT_EQ(globals().FreeDiskMb, 2000);  // taken only when the download is complete
    EXPECT_EQ(money(), 1000);
}

class BrowserWithoutAntivirus : public web_tests::WebFixture {
protected:
    void SetUp() override {
        WebFixture::SetUp();
        equip(20, false);
    }
};

TEST_F(BrowserWithoutAntivirus, EveryLoadedPageEndsInAHackingAttack) {
    struct Attack {
        QString address;
        double draw;  // on the answering tick
        double theft;
    };
    for (const Attack& a :
         {Attack{home(), 0.0, 20}, Attack{jokes(), 0.99999, 30}, Attack{archive(), 0.6, 26},
          Attack{"http://www.nowhere.ru/", 0.1, 21}}) {
        equip(20, false);
        openBrowser();
        // The theft is drawn on every tick: only the answering tick's draw counts.
        for (int tick = 0; tick < 5; ++tick) {
            services.queueRandom(0.99999 - a.draw);
        }
        services.queueRandom(a.draw);
        visit(a.address);
        expectMessage(MessageKind::Information, "Вас взломали, и удалили ОС и Антивирус!");
        expectQuiet();
        EXPECT_EQ(money(), 1000 - a.theft) << a.address.toStdString();
        EXPECT_EQ(globals().OsLevel, 0);
        EXPECT_EQ(caption("LblOS"), "Нет");
        EXPECT_EQ(game->find("FrmInternet"), nullptr);
        EXPECT_EQ(game->find("FrmDL"), nullptr);
        EXPECT_TRUE(game->form1().enabled());
        EXPECT_TRUE(game->clock().enabled());
        // What the attack leaves alone.
        EXPECT_EQ(caption("LblHDF"), "3000 MB");
        EXPECT_EQ(globals().BrowserLevel, 3);
    }
}

TEST_F(BrowserWithoutAntivirus, AnAttackOnTheInGameSystemLeavesNothingToBoot) {
    globals().OsLevel = 5;
    setCaption("LblOS", "Vexa 2");
    game->form1().control("mnuVexa").setEnabled(true);
    openBrowser();
    visit(home());
    services.clearPending();
    EXPECT_FALSE(game->form1().control("mnuVexa").enabled());
    EXPECT_EQ(caption("LblOS"), "Нет");
}

TEST_F(BrowserWithoutAntivirus, AnAttackMayBankruptThePlayer) {
    setCaption("LblMoney", "10");
    openBrowser();
    for (int tick = 0; tick < 6; ++tick) {
        services.queueRandom(0.0);
    }
    visit(jokes());
    services.clearPending();
    EXPECT_EQ(money(), -10);
    game->scheduler().advance(1500);
    expectMessage(MessageKind::Information, "Вы банкрот!");
}

}  // namespace
