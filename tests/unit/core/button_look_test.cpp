#include <gtest/gtest.h>

#include "probe_window.h"
#include "support/game_fixture.h"
#include "ui/property_access.h"

namespace {

using core_tests::ProbeApp;
using testing_support::GameFixture;

void expectReleased(const ui::Control& c) {
    EXPECT_EQ(c.borderStyle(), 0) << c.name().toStdString();
    EXPECT_EQ(c.foreColor(), ui::colors::BrightGreen) << c.name().toStdString();
    EXPECT_EQ(c.backColor(), ui::colors::Black) << c.name().toStdString();
}

void expectPressed(const ui::Control& c) {
    EXPECT_EQ(c.borderStyle(), 1) << c.name().toStdString();
    EXPECT_EQ(c.foreColor(), (ui::Color{0, 128, 0})) << c.name().toStdString();
    EXPECT_EQ(c.backColor(), (ui::Color{128, 128, 128})) << c.name().toStdString();
}

TEST(ButtonLook, LeftButtonPressesAndReleases) {
    ui::ScriptedServices services;
    ProbeApp probe(services);
    ui::Control& button = probe.show("A").control("Command1");
    ui::Application& app = probe.app;

    expectReleased(button);
    ASSERT_TRUE(app.mouseDown(button, ui::MouseButton::Left));
    expectPressed(button);
    // As scenarios read the pressed look.
    EXPECT_EQ(ui::readProperty(button, "ForeColor"), "0,128,0");
    EXPECT_EQ(ui::readProperty(button, "BackColor"), "128,128,128");
    EXPECT_EQ(ui::readProperty(button, "BorderStyle"), "1");
    app.mouseUp(button, ui::MouseButton::Left);
    expectReleased(button);
    EXPECT_EQ(ui::readProperty(button, "ForeColor"), "0,192,0");
    EXPECT_EQ(ui::readProperty(button, "BackColor"), "0,0,0");
}

TEST(ButtonLook, RightButtonChangesNothing) {
    ui::ScriptedServices services;
    ProbeApp probe(services);
    ui::Control& button = probe.show("A").control("Command1");
    ui::Application& app = probe.app;

    app.mouseDown(button, ui::MouseButton::Right);
    expectReleased(button);
    app.mouseUp(button, ui::MouseButton::Right);
    expectReleased(button);

    // Nor does it release a button held down with the left one.
    app.mouseDown(button, ui::MouseButton::Left);
    app.mouseUp(button, ui::MouseButton::Right);
    expectPressed(button);
    app.mouseDown(button, ui::MouseButton::Right);
    expectPressed(button);
    app.mouseUp(button, ui::MouseButton::Left);
    expectReleased(button);
}

TEST(ButtonLook, ADisabledButtonIsNotPressed) {
    ui::ScriptedServices services;
    ProbeApp probe(services);
    ui::Control& button = probe.show("A").control("Command1");
    button.setEnabled(false);
    EXPECT_FALSE(probe.app.mouseDown(button, ui::MouseButton::Left));
    expectReleased(button);
}

TEST_F(GameFixture, EveryButtonOfTheMainWindowHasTheButtonLook) {
    for (int i = 1; i <= 8; ++i) {
        ui::Control& button = control("Form1", QStringLiteral("Command%1").arg(i));
        expectReleased(button);
        ASSERT_TRUE(game->mouseDown(button, ui::MouseButton::Left)) << i;
        expectPressed(button);
        game->mouseUp(button, ui::MouseButton::Right);
        expectPressed(button);
        game->mouseUp(button, ui::MouseButton::Left);
        expectReleased(button);
    }
    expectQuiet();
}

}  // namespace
