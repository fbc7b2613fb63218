// Into "Vexa 2" and out again: the boot screen, the desktop on the eleventh tick, the shutdown
// screen, and the main window and its clock given back.
#include "vexa_fixture.h"

namespace {

class BootAndShutdown : public guestos_tests::VexaFixture {
protected:
    ui::Control& progress() { return control("FrmLoadGUI", "ProgressBar1"); }
    void expectGameGivenBack() {
        EXPECT_TRUE(game->form1().enabled());
        EXPECT_TRUE(game->clock().enabled());
        const QString before = caption("LblClock");
        game->scheduler().advance(Hour);
        EXPECT_NE(caption("LblClock"), before) << "the clock does not run";
    }
};

TEST_F(BootAndShutdown, TheMenuItemFollowsTheInstalledSystem) {
    EXPECT_TRUE(game->form1().control("mnuVexa").enabled());
    globals().OsLevel = 4;
    game->scheduler().advance(Hour);
    EXPECT_FALSE(game->form1().control("mnuVexa").enabled());
}

TEST_F(BootAndShutdown, BootingDisablesTheMainWindowButTheClockRuns) {
    startVexa();
    ASSERT_NE(game->find("FrmLoadGUI"), nullptr);
    EXPECT_TRUE(game->find("FrmLoadGUI")->frameless);
    EXPECT_FALSE(game->form1().enabled());
    EXPECT_TRUE(game->clock().enabled());
    EXPECT_EQ(progress().value(), 0);
    const QString before = caption("LblClock");
    game->scheduler().advance(3 * Hour);
    EXPECT_NE(caption("LblClock"), before);
    EXPECT_FALSE(game->click(game->form1().control("Command6"))) << "the main window took a click";
}

TEST_F(BootAndShutdown, TheDesktopComesOnTheEleventhTickNotTheTenth) {
    startVexa();
    for (int step = 1; step <= 10; ++step) {
        game->scheduler().advance(BootTick);
        ASSERT_NE(game->find("FrmLoadGUI"), nullptr) << "tick " << step;
        EXPECT_EQ(progress().value(), 10 * step);
        EXPECT_EQ(game->find("FrmGUI"), nullptr) << "tick " << step;
    }
    game->scheduler().advance(BootTick);
    EXPECT_EQ(game->find("FrmLoadGUI"), nullptr);
    ASSERT_NE(game->find("FrmGUI"), nullptr);
    EXPECT_TRUE(window("FrmGUI").frameless);
    EXPECT_FALSE(game->form1().enabled());
    EXPECT_TRUE(game->clock().enabled());
    expectQuiet();
}

TEST_F(BootAndShutdown, EveryBootStartsAtZero) {
    boot();
    leaveVexa();
    game->requestClose(window("FrmGB"));
    startVexa();
    EXPECT_EQ(progress().value(), 0);
}

TEST_F(BootAndShutdown, LeavingAskedNoChangesNothing) {
    boot();
    leaveVexa(false);
    EXPECT_NE(game->find("FrmGUI"), nullptr);
    EXPECT_EQ(game->find("FrmGB"), nullptr);
    EXPECT_FALSE(game->form1().enabled());
}

TEST_F(BootAndShutdown, LeavingShowsTheShutdownScreenUntilItIsClosed) {
    boot();
    leaveVexa();
    EXPECT_EQ(game->find("FrmGUI"), nullptr);
    ASSERT_NE(game->find("FrmGB"), nullptr);
    EXPECT_TRUE(window("FrmGB").frameless);
    EXPECT_EQ(control("FrmGB", "Label1").caption(), "Завершение сеанса");
    EXPECT_EQ(control("FrmGB", "Label2").caption(), "Vexa 2");
    // It stays however long the player looks at it, and the game goes on meanwhile.
    game->scheduler().advance(30 * Hour);
    EXPECT_NE(game->find("FrmGB"), nullptr);
    EXPECT_FALSE(game->form1().enabled());
}

TEST_F(BootAndShutdown, TheShutdownScreenClosesOnTheCloseCommandAClickOrAKey) {
    const std::vector<std::function<bool(ui::Window&)>> ways = {
        [this](ui::Window& w) { return game->requestClose(w); },
        [this](ui::Window& w) { return game->clickWindow(w); },
        [this](ui::Window& w) {
            return game->mouseDown(w.control("Label1"), ui::MouseButton::Left);
        },
        [this](ui::Window& w) { return game->mouseDownWindow(w, ui::MouseButton::Right); },
        [this](ui::Window& w) { return game->keyPressWindow(w, ' '); },
    };
    for (std::size_t way = 0; way < ways.size(); ++way) {
        boot();
        leaveVexa();
        ASSERT_TRUE(ways[way](window("FrmGB"))) << "way " << way;
        EXPECT_EQ(game->find("FrmGB"), nullptr) << "way " << way;
        expectGameGivenBack();
        expectQuiet();
    }
}

// The window system can close a borderless window too (a key of the window manager): the
// player is never left with a disabled main window and nothing over it.
TEST_F(BootAndShutdown, ABootClosedByTheWindowSystemGivesTheGameBack) {
    startVexa();
    game->scheduler().advance(3 * BootTick);
    ASSERT_TRUE(game->requestClose(window("FrmLoadGUI")));
    EXPECT_EQ(game->find("FrmGUI"), nullptr);
    EXPECT_EQ(game->find("FrmGB"), nullptr);
    expectGameGivenBack();
}

TEST_F(BootAndShutdown, ADesktopClosedByTheWindowSystemShutsDown) {
    boot();
    ASSERT_TRUE(game->requestClose(window("FrmGUI")));
    ASSERT_NE(game->find("FrmGB"), nullptr);
    EXPECT_FALSE(game->form1().enabled());
    game->requestClose(window("FrmGB"));
    expectGameGivenBack();
}

TEST_F(BootAndShutdown, TheGameCanEndWhileVexaRuns) {
    boot();
    setCaption("LblEda", "0");
    game->scheduler().advance(Hour);
    expectMessage(ui::MessageKind::Information, QStringLiteral("Вы умерли от голода!"));
    EXPECT_TRUE(game->ended());
    EXPECT_EQ(game->find("FrmGB"), nullptr) << "an ended game shows no shutdown screen";
}

}  // namespace
