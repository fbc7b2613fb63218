#include <gtest/gtest.h>

#include "probe_window.h"

namespace {

using core_tests::ProbeApp;
using core_tests::ProbeWindow;

class WindowLifecycle : public ::testing::Test {
protected:
    ui::ScriptedServices services;
    ProbeApp probe{services};
    ui::Application& app = probe.app;
};

TEST_F(WindowLifecycle, ShowingAnOpenWindowAgainKeepsItAndDoesNotLoadTwice) {
    ProbeWindow& first = probe.show("A");
    EXPECT_TRUE(first.visible());
    first.control("Label1").setCaption("changed");
    first.setVisible(false);

    ProbeWindow& again = probe.show("A");
    EXPECT_EQ(&again, &first);
    EXPECT_TRUE(again.visible());
    EXPECT_EQ(again.control("Label1").caption(), "changed");
    EXPECT_EQ(probe.log, QStringList{"A.load"});
}

TEST_F(WindowLifecycle, ReopeningAClosedWindowGivesItsDesignTimeState) {
    probe.show("B");  // keeps the program alive while A is closed
    ProbeWindow& a = probe.show("A");
    a.control("Label1").setCaption("changed");
    a.control("Command1").setEnabled(false);
    a.control("Timer1").setInterval(700);
    a.control("Timer1").setEnabled(true);
    a.setCaption("other");
    app.close(a);
    EXPECT_EQ(probe.find("A"), nullptr);

    ProbeWindow& b = probe.show("A");
    EXPECT_EQ(b.caption(), "Probe A");
    EXPECT_EQ(b.control("Label1").caption(), "design");
    EXPECT_TRUE(b.control("Command1").enabled());
    EXPECT_EQ(b.control("Timer1").interval(), 100);
    EXPECT_FALSE(b.control("Timer1").enabled());
    EXPECT_FALSE(app.scheduler().nextDue().has_value()) << "the old window's timer still runs";
    EXPECT_EQ(probe.log, (QStringList{"B.load", "A.load", "A.queryUnload", "A.unload", "A.load"}));
}

TEST_F(WindowLifecycle, CloseRunsQueryUnloadThenUnloadOnceEvenIfAskedAgainInside) {
    probe.show("A");
    ProbeWindow& b = probe.show("B");
    b.onQueryUnload = [&] { app.close(b); };
    b.onUnload = [&] { app.close(b); };
    app.requestClose(b);
    EXPECT_EQ(probe.find("B"), nullptr);
    EXPECT_EQ(probe.log, (QStringList{"A.load", "B.load", "B.queryUnload", "B.unload"}));
    EXPECT_FALSE(app.ended());
}

TEST_F(WindowLifecycle, AWindowMayCloseItselfFromItsOwnClickHandler) {
    probe.show("A");
    ProbeWindow& b = probe.show("B");
    ui::Control& button = b.control("Command1");
    bool ranToTheEnd = false;
    button.onClick = [&] {
        app.close(b);
        // The window and its controls stay valid until the click has been handled.
        button.setCaption("after close");
        ranToTheEnd = b.control("Label1").caption() == "design";
    };
    EXPECT_TRUE(app.click(button));
    EXPECT_TRUE(ranToTheEnd);
    EXPECT_EQ(probe.find("B"), nullptr);
    EXPECT_EQ(app.openWindows().size(), 1u);
}

TEST_F(WindowLifecycle, AWindowMayCloseItselfFromItsOwnTimer) {
    probe.show("A");
    ProbeWindow& b = probe.show("B");
    int ticks = 0;
    ui::Control& timer = b.control("Timer1");
    timer.onTick = [&] {
        ++ticks;
        app.close(b);
        timer.setEnabled(true);  // a closed window's timer must not come back
    };
    timer.setEnabled(true);
    EXPECT_TRUE(app.scheduler().advance(1000));
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(probe.find("B"), nullptr);
    EXPECT_FALSE(app.scheduler().nextDue().has_value());
}

TEST_F(WindowLifecycle, ClosingTheLastWindowEndsTheProgram) {
    ProbeWindow& a = probe.show("A");
    ProbeWindow& b = probe.show("B");
    app.requestClose(a);
    EXPECT_FALSE(app.ended());
    EXPECT_FALSE(services.ended());
    app.requestClose(b);
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(services.ended());
    EXPECT_TRUE(app.openWindows().empty());
}

TEST_F(WindowLifecycle, EndProgramStopsTheHandlerAndSkipsEveryCloseHandler) {
    probe.show("A");
    ProbeWindow& b = probe.show("B");
    bool after = false;
    b.control("Command1").onClick = [&] {
        app.endProgram();
        after = true;
    };
    EXPECT_TRUE(app.click(b.control("Command1")));
    EXPECT_FALSE(after);
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(app.openWindows().empty());
    // No QueryUnload or Unload ran for either window.
    EXPECT_EQ(probe.log, (QStringList{"A.load", "B.load"}));
    ASSERT_EQ(services.history().size(), 1u);
    EXPECT_EQ(services.history().back().type, ui::ServiceEvent::Ended);
}

TEST_F(WindowLifecycle, EndProgramInsideAMessageBoxAnswerEndsAtOnce) {
    ProbeWindow& a = probe.show("A");
    QStringList steps;
    a.control("Command1").onClick = [&] {
        steps << "asking";
        if (!app.ask("end?")) {
            app.endProgram();
        }
        steps << "after";
    };
    app.click(a.control("Command1"));  // no answer queued: No
    EXPECT_EQ(steps, QStringList{"asking"});
    EXPECT_TRUE(app.ended());
}

TEST_F(WindowLifecycle, NothingReachesTheGameAfterTheEnd) {
    ProbeWindow& a = probe.show("A");
    ui::Control& button = a.control("Command1");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    a.control("Timer1").onTick = [&] { ++clicks; };
    a.control("Timer1").setEnabled(true);
    app.dispatch([&] { app.endProgram(); });

    EXPECT_FALSE(app.click(button));
    EXPECT_FALSE(app.mouseDown(button, ui::MouseButton::Left));
    EXPECT_FALSE(app.requestClose(a));
    EXPECT_FALSE(app.clickWindow(a));
    app.scheduler().advance(1000);
    EXPECT_EQ(clicks, 0);
    // A question after the end is never shown, and a second end is not announced again.
    EXPECT_THROW(app.ask("Хотите сохранить игру?"), ui::ProgramEnded);
    EXPECT_THROW(app.endProgram(), ui::ProgramEnded);
    ASSERT_EQ(services.history().size(), 1u);
    EXPECT_EQ(services.history().front().type, ui::ServiceEvent::Ended);
}

TEST_F(WindowLifecycle, EventsReachOnlyWhatAPlayerCouldReach) {
    ProbeWindow& a = probe.show("A");
    ui::Control& button = a.control("Command1");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };

    button.setEnabled(false);
    EXPECT_FALSE(app.click(button));
    button.setEnabled(true);
    a.setEnabled(false);
    EXPECT_FALSE(app.click(button));
    EXPECT_FALSE(app.requestClose(a)) << "a disabled window cannot be closed by its close box";
    a.setEnabled(true);
    button.setVisible(false);
    EXPECT_FALSE(app.click(button));
    button.setVisible(true);

    // Nothing is clicked while a message box waits for its answer.
    bool clickedDuringBox = true;
    services.onEvent = [&](const ui::ServiceEvent&) { clickedDuringBox = app.click(button); };
    app.dispatch([&] { app.info("wait"); });
    services.onEvent = nullptr;
    EXPECT_FALSE(clickedDuringBox);

    EXPECT_TRUE(app.click(button));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(app.modal());
}

TEST_F(WindowLifecycle, AKeptModelOutlivesItsWindow) {
    probe.show("A");
    ProbeWindow& b = probe.show("B");
    b.keepModelWhenClosed = true;
    b.control("Label1").setCaption("state");
    app.close(b);
    EXPECT_EQ(app.find("B"), nullptr);
    ASSERT_NE(app.model("B"), nullptr);
    EXPECT_EQ(app.model("B")->control("Label1").caption(), "state");
    EXPECT_EQ(app.model("A"), app.find("A"));
    EXPECT_EQ(app.model("C"), nullptr);
}

TEST_F(WindowLifecycle, LoadMessagesComeBeforeTheWindowAppears) {
    bool visibleDuringLoad = true;
    app.registerWindow("C", [this, &visibleDuringLoad] {
        auto w = std::make_unique<ProbeWindow>(app, "C", probe.log);
        ProbeWindow* raw = w.get();
        w->onLoad = [this, raw, &visibleDuringLoad] {
            visibleDuringLoad = raw->visible();
            app.info("hello");
        };
        return w;
    });
    app.dispatch([&] { app.show("C"); });
    EXPECT_FALSE(visibleDuringLoad);
    EXPECT_TRUE(app.find("C")->visible());
    EXPECT_EQ(services.take()->text, "hello");
}

TEST_F(WindowLifecycle, ShowingAnUnknownWindowIsRefused) {
    EXPECT_FALSE(app.knowsWindow("Nowhere"));
    EXPECT_THROW(app.show("Nowhere"), std::out_of_range);
    EXPECT_TRUE(app.openWindows().empty());
}

}  // namespace
