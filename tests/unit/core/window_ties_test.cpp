// Which window opened which: the window system keeps a window above its opener, so the model
// must know the opener, also when windows close out of order. (The game's own windows are
// checked on screen, in tests/unit/qt/window_ties_test.cpp.)
#include <gtest/gtest.h>

#include "probe_window.h"

namespace {

using core_tests::ProbeApp;
using core_tests::ProbeWindow;

class WindowTies : public ::testing::Test {
protected:
    void SetUp() override {
        probe.app.registerWindow(QStringLiteral("C"), [this] {
            return std::make_unique<ProbeWindow>(probe.app, QStringLiteral("C"), probe.log);
        });
        probe.app.registerWindow(QStringLiteral("Alone"), [this] {
            auto w = std::make_unique<ProbeWindow>(probe.app, QStringLiteral("Alone"), probe.log);
            w->standsAlone = true;
            return w;
        });
    }
    // Shows `name` from a click on a button of `from`.
    ProbeWindow& openFrom(ProbeWindow& from, const QString& name) {
        ProbeWindow* shown = nullptr;
        from.control("Command1").onClick = [&] { shown = &app.show<ProbeWindow>(name); };
        EXPECT_TRUE(app.click(from.control("Command1")));
        return *shown;
    }

    ui::ScriptedServices services;
    ProbeApp probe{services};
    ui::Application& app = probe.app;
};

TEST_F(WindowTies, AWindowOpenedByAnotherWindowsEventBelongsToThatWindow) {
    ProbeWindow& a = probe.show("A");
    EXPECT_EQ(a.opener(), nullptr) << "opened by no window's event";
    ProbeWindow& b = openFrom(a, "B");
    EXPECT_EQ(b.opener(), &a);

    // A timer's tick is its window's event too.
    ui::Control& timer = b.control("Timer1");
    timer.onTick = [&] {
        timer.setEnabled(false);
        app.show("C");
    };
    timer.setEnabled(true);
    app.scheduler().advance(100);
    ASSERT_NE(probe.find("C"), nullptr);
    EXPECT_EQ(probe.find("C")->opener(), &b);
}

TEST_F(WindowTies, AWindowClosingAsItOpensAnotherHandsItToItsOwnOpener) {
    ProbeWindow& a = probe.show("A");
    ProbeWindow& b = openFrom(a, "B");
    b.control("Command1").onClick = [&] {
        app.close(b);
        app.show("C");
    };
    app.click(b.control("Command1"));
    EXPECT_EQ(probe.find("C")->opener(), &a);
}

TEST_F(WindowTies, WindowsOfAClosedOpenerPassToItsOpener) {
    ProbeWindow& a = probe.show("A");
    ProbeWindow& b = openFrom(a, "B");
    ProbeWindow& c = openFrom(b, "C");
    app.requestClose(b);
    EXPECT_EQ(probe.find("B"), nullptr);
    ASSERT_EQ(probe.find("C"), &c) << "a window stays open when its opener closes";
    EXPECT_EQ(c.opener(), &a);
    app.requestClose(a);
    EXPECT_EQ(c.opener(), nullptr);
}

TEST_F(WindowTies, AWindowThatStandsAloneHasNoOpener) {
    ProbeWindow& a = probe.show("A");
    EXPECT_EQ(openFrom(a, "Alone").opener(), nullptr);
}

}  // namespace
