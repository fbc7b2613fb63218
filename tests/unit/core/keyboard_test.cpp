// The keys a window answers itself: Esc as the close box, Enter in a text box as the window's
// default button, Space and Enter on a label button as a left click.
#include <gtest/gtest.h>

#include "probe_window.h"
#include "support/game_fixture.h"

namespace {

using core_tests::ProbeApp;
using core_tests::ProbeWindow;

constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;

class WindowKeys : public ::testing::Test {
protected:
    void SetUp() override {
        probe.show("A");  // keeps the program alive while B closes
        b = &probe.show("B");
        ui::Control& button = b->control("Command1");
        button.onMouseDown = [this](ui::MouseButton) { probe.log.append("down"); };
        button.onMouseUp = [this](ui::MouseButton) { probe.log.append("up"); };
        button.onClick = [this] { probe.log.append("click"); };
        probe.log.clear();
    }

    ui::ScriptedServices services;
    ProbeApp probe{services};
    ui::Application& app = probe.app;
    ProbeWindow* b = nullptr;
};

TEST_F(WindowKeys, SpaceOrEnterOnALabelButtonPressesItAsTheMouseDoes) {
    ui::Control& button = b->control("Command1");
    button.labelButton = true;
    EXPECT_TRUE(app.keyPress(button, Space));
    EXPECT_TRUE(app.keyPress(button, Enter));
    EXPECT_EQ(probe.log, (QStringList{"down", "up", "click", "down", "up", "click"}));
    probe.log.clear();
    app.keyPress(button, 'x');
    b->control("Label1").labelButton = false;
    app.keyPress(b->control("Label1"), Space);
    EXPECT_TRUE(probe.log.isEmpty()) << "other keys and plain labels press nothing";
}

TEST_F(WindowKeys, EscapeClosesAWindowAsItsCloseBoxDoes) {
    app.keyPress(b->control("Label1"), Escape);
    EXPECT_EQ(probe.find("B"), nullptr);
    EXPECT_EQ(probe.log, (QStringList{"B.queryUnload", "B.unload"}));
}

TEST_F(WindowKeys, EscapeDoesNothingWhereTheWindowSaysSoHasNoCloseBoxOrIsDisabled) {
    b->escapeCloses = false;
    app.keyPressWindow(*b, Escape);
    b->escapeCloses = true;
    b->frameless = true;
    app.keyPressWindow(*b, Escape);
    b->frameless = false;
    b->setEnabled(false);
    app.keyPressWindow(*b, Escape);
    EXPECT_EQ(probe.find("B"), b);
    EXPECT_TRUE(probe.log.isEmpty());
}

TEST_F(WindowKeys, EnterInATextBoxPressesTheDefaultButtonUnlessTheBoxTakesKeysItself) {
    ui::Control& box = b->add("Text1", ui::ControlKind::TextBox, {0, 60, 100, 20});
    app.keyPress(box, Enter);
    EXPECT_TRUE(probe.log.isEmpty()) << "no default button yet";
    b->defaultButton = QStringLiteral("Command1");
    app.keyPress(box, Enter);
    EXPECT_EQ(probe.log, (QStringList{"down", "up", "click"}));
    probe.log.clear();
    box.onKeyPress = [this](int code) { probe.log.append(QString::number(code)); };
    app.keyPress(box, Enter);
    EXPECT_EQ(probe.log, QStringList{"13"});
}

// The game's own uses are played in tests/scenarios/keyboard_play.scn.
class GameKeys : public testing_support::GameFixture {};

TEST_F(GameKeys, TheExitItemAsksTheQuitTimeQuestionAsTheCloseBoxDoes) {
    click("Form1", "mnuExit");
    expectMessage(ui::MessageKind::Question, QStringLiteral("Хотите сохранить игру?"));
    EXPECT_TRUE(game->ended());
}

TEST_F(GameKeys, TheSoundSwitchChangesNothingButTheSound) {
    ui::Control& sound = control("Form1", "mnuSound");
    EXPECT_TRUE(sound.checked());
    click("Form1", "mnuSound");
    EXPECT_FALSE(sound.checked());
    EXPECT_FALSE(services.soundOn());
    click("Form1", "Command6");
    click("FrmMagazine", "Command2");
    expectBeeps(3);  // the game beeps as ever; only the speaker is quiet
    game->requestClose(window("FrmMagazine"));
    click("Form1", "mnuSound");
    EXPECT_TRUE(sound.checked());
    EXPECT_TRUE(services.soundOn());
}

}  // namespace
