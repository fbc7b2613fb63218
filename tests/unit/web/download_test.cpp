#include "web_fixture.h"

namespace {

using ui::MessageKind;

class Downloads : public web_tests::WebFixture {
protected:
    void SetUp() override {
        WebFixture::SetUp();
        equip();
        game->setFreeDisk(5000);
        setCaption("LblMoney", "3000");
        setCaption("LblCoint", "40");
        openBrowser();
        requestVexa();
    }
    // From the home page, as a player asks for the in-game system.
    void requestVexa() {
        visit(home());
        click("FrmInternet", "Command2");
        browserTicks(1);
        ASSERT_NE(game->find("FrmDL"), nullptr);
    }
    QString received() { return control("FrmDL", "Label2").caption(); }
    bool downloading() { return game->find("FrmDL") != nullptr; }
    // Presses "Сохранить" and lets the given number of seconds pass.
    void receive(int seconds) {
        click("FrmDL", "Command1");
        downloadTicks(seconds);
    }
    // All of the file has come; only the next second completes it.
    void expectCompletionNext() {
        EXPECT_EQ(received(), "2000 MB из 2000 MB");
        expectQuiet();
        downloadTicks(1);
        expectMessage(MessageKind::Information, "Файл Vexa.rar загружен!");
        expectQuiet();
        EXPECT_FALSE(downloading());
    }
};

TEST_F(Downloads, TheWindowNamesTheFileAndWaitsForSave) {
    EXPECT_EQ(window("FrmDL").caption(), "Загрузка");
    EXPECT_EQ(control("FrmDL", "Label1").caption(), "Загрузка Vexa.rar");
    EXPECT_EQ(received(), "0 MB из 2000 MB");
    EXPECT_EQ(control("FrmDL", "ProgressBar1").maximum(), 2000);
    EXPECT_EQ(globals().DownloadName, "Vexa");
    EXPECT_EQ(globals().DownloadSize, 2000);
    EXPECT_EQ(globals().DownloadKind, 1);
    downloadTicks(10);
    EXPECT_EQ(received(), "0 MB из 2000 MB");

    click("FrmDL", "Command1");
    EXPECT_FALSE(control("FrmDL", "Command1").enabled());
    downloadTicks(1);
    EXPECT_EQ(received(), "20 MB из 2000 MB");
    EXPECT_EQ(control("FrmDL", "ProgressBar1").value(), 20);
    EXPECT_FALSE(control("FrmDL", "Command1").enabled());
}

TEST_F(Downloads, WithTwentyTheCountGoesUpByTwentyAndTheHundredAndFirstSecondCompletes) {
    click("FrmDL", "Command1");
    for (int second = 1; second <= 100; ++second) {
        downloadTicks(1);
        ASSERT_EQ(globals().DownloadDone, 20 * second);
    }
    expectCompletionNext();
}

TEST_F(Downloads, CompletionInstallsTheSystemChargesARubleAMegabyteAndTakesTheSpace) {
    receive(101);
    services.clearPending();
    EXPECT_EQ(caption("LblOS"), "Vexa 2");
    EXPECT_EQ(globals().OsLevel, 5);
    EXPECT_EQ(caption("LblCoint"), "49");   // Windows XP gave way: 9 points
    EXPECT_EQ(caption("LblMoney"), "995");  // 3000, the home page 5, the file 2000
    EXPECT_EQ(globals().FreeDiskMb, 3000);
    EXPECT_EQ(caption("LblHDF"), "3000 MB");
    EXPECT_EQ(globals().DownloadDone, 0);
    // The browser stays as it was, usable again.
    ASSERT_NE(game->find("FrmInternet"), nullptr);
    EXPECT_TRUE(window("FrmInternet").enabled());
    EXPECT_FALSE(game->form1().control("mnuVexa").enabled());
}

TEST_F(Downloads, ThePointsDependOnTheSystemReplaced) {
    struct Replaced {
        int osLevel;
        int points;
    };
    for (const Replaced r : {Replaced{0, 15}, Replaced{1, 14}, Replaced{2, 12}, Replaced{3, 9},
                             Replaced{4, 5}, Replaced{5, 0}}) {
        setCaption("LblCoint", "0");
        setCaption("LblMoney", "3000");
        game->setFreeDisk(2000);
        if (!downloading()) {
            requestVexa();
        }
        globals().OsLevel = static_cast<std::uint8_t>(r.osLevel);
        receive(101);
        services.clearPending();
        EXPECT_EQ(caption("LblCoint"), QString::number(r.points)) << r.osLevel;
        EXPECT_EQ(globals().OsLevel, 5);
    }
}

TEST_F(Downloads, ASecondDownloadAddsNoPointsButChargesAndTakesSpaceAgain) {
    receive(101);
    requestVexa();
    receive(101);
    services.clearPending();
    EXPECT_EQ(caption("LblCoint"), "49");
    EXPECT_EQ(caption("LblMoney"), "-1010");  // twice the home page and twice 2000
    EXPECT_EQ(caption("LblHDF"), "1000 MB");
}

struct ModemCase {
    int speed;
    int seconds;  // of receiving, before the completing one
};

class DownloadSpeeds : public Downloads, public ::testing::WithParamInterface<ModemCase> {};

TEST_P(DownloadSpeeds, EachModemCompletesTheSecondAfterTheLastMegabyte) {
    globals().ModemSpeed = static_cast<std::uint8_t>(GetParam().speed);
    receive(GetParam().seconds);
    expectCompletionNext();
    EXPECT_EQ(globals().OsLevel, 5);
}

INSTANTIATE_TEST_SUITE_P(Modems, DownloadSpeeds,
                         ::testing::Values(ModemCase{5, 400}, ModemCase{10, 200},
                                           ModemCase{20, 100}));

TEST_F(Downloads, CancelStopsAtAnyTimeAndForgetsTheCount) {
    click("FrmDL", "Command2");
    expectMessage(MessageKind::Information, "Загрузка прервана");
    EXPECT_FALSE(downloading());

    requestVexa();
    receive(30);
    click("FrmDL", "Command2");
    expectMessage(MessageKind::Information, "Загрузка прервана");
    expectQuiet();
    EXPECT_FALSE(downloading());
    EXPECT_EQ(globals().DownloadDone, 0);
    EXPECT_EQ(caption("LblMoney"), "2990");  // two home pages, nothing for the file
    EXPECT_EQ(caption("LblHDF"), "5000 MB");
    EXPECT_TRUE(window("FrmInternet").enabled());
}

TEST_F(Downloads, TheCloseBoxKeepsTheCountAndTheNextDownloadGoesOnFromIt) {
    receive(10);
    ASSERT_TRUE(game->requestClose(window("FrmDL")));
    expectQuiet();
    EXPECT_FALSE(downloading());
    EXPECT_EQ(globals().DownloadDone, 200);
    EXPECT_TRUE(window("FrmInternet").enabled());
    downloadTicks(5);
    EXPECT_EQ(globals().DownloadDone, 200);

    requestVexa();
    EXPECT_EQ(received(), "200 MB из 2000 MB");
    EXPECT_EQ(control("FrmDL", "ProgressBar1").value(), 200);
    EXPECT_TRUE(control("FrmDL", "Command1").enabled());
    receive(90);
    expectCompletionNext();
}

TEST_F(Downloads, SpaceGoneBeforeTheEndInstallsChargesAndTakesNothing) {
    receive(50);
    game->setFreeDisk(1999);
    downloadTicks(51);
    expectMessage(MessageKind::Exclamation, "Нехватает места на жёстком диске, нужно 2000 MB");
    expectQuiet();
    EXPECT_EQ(caption("LblOS"), "Windows XP");
    EXPECT_EQ(globals().OsLevel, 3);
    EXPECT_EQ(caption("LblCoint"), "40");
    EXPECT_EQ(caption("LblMoney"), "2995");
    EXPECT_EQ(caption("LblHDF"), "1999 MB");
    // The file stays received: with room made, "Сохранить" finishes it on the next second.
    ASSERT_TRUE(downloading());
    EXPECT_EQ(globals().DownloadDone, 2000);
    downloadTicks(5);
    expectQuiet();
    game->setFreeDisk(2000);
    receive(1);
    expectMessage(MessageKind::Information, "Файл Vexa.rar загружен!");
    EXPECT_EQ(caption("LblHDF"), "0 MB");
    EXPECT_EQ(globals().OsLevel, 5);
}

TEST_F(Downloads, AFasterModemBoughtHalfWayStillLandsOnTheLastMegabyte) {
    globals().ModemSpeed = 5;
    receive(3);
    EXPECT_EQ(globals().DownloadDone, 15);
    globals().ModemSpeed = 20;
    downloadTicks(99);
    EXPECT_EQ(globals().DownloadDone, 1995);
    downloadTicks(1);
    expectCompletionNext();
}

TEST_F(Downloads, TheBrowserMayCloseWhileTheDownloadGoesOn) {
    receive(10);
    ASSERT_TRUE(game->requestClose(window("FrmInternet")));
    EXPECT_TRUE(game->form1().enabled());
    EXPECT_TRUE(game->clock().enabled());
    ASSERT_TRUE(downloading());
    downloadTicks(91);
    expectMessage(MessageKind::Information, "Файл Vexa.rar загружен!");
    EXPECT_FALSE(downloading());
    EXPECT_EQ(caption("LblOS"), "Vexa 2");
    // The clock ran meanwhile: the next hour makes the system usable.
    game->scheduler().advance(1500);
    EXPECT_TRUE(game->form1().control("mnuVexa").enabled());
}

}  // namespace
