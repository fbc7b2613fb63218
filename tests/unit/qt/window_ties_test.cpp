// The real windows stand as the window system needs them: every window opened from another is
// a dialog of that window's view (so it stays in front of it), message boxes belong to the
// window that asked, and a dialog outlives an opener that closes first.
#include "qt_fixture.h"

namespace {

using qt_tests::QtGame;

// A window of the kind the other subsystems add: a button that opens another window.
class Opener : public ui::Window {
public:
    Opener(ui::Application& app, const QString& name, const QString& opens)
        : ui::Window(app, name, name, 200, 80) {
        addButton("Command1", "Открыть", {10, 10, 180, 26}).onClick = [this, opens] {
            if (!opens.isEmpty()) {
                this->app().show(opens);
            }
        };
    }
};

class WindowTies : public QtGame {
protected:
    bool isDialogOf(const QString& window, const QString& owner) {
        QWidget* v = view(window);
        return v->parentWidget() == view(owner) && v->windowType() == Qt::Dialog;
    }
};

TEST_F(WindowTies, TheNameWindowAndTheMainWindowStandAlone) {
    EXPECT_EQ(view("FrmLogin")->parentWidget(), nullptr);
    EXPECT_EQ(view("FrmLogin")->windowType(), Qt::Window);
    startPlaying();
    EXPECT_EQ(view("Form1")->parentWidget(), nullptr);
    EXPECT_EQ(view("Form1")->windowType(), Qt::Window);
}

TEST_F(WindowTies, EveryActivityWindowIsADialogOfTheMainWindow) {
    startPlaying();
    for (const char* button :
         {"Command1", "Command2", "Command3", "Command5", "Command6", "Command7"}) {
        click(widget("Form1", button));
        settle();
        ASSERT_EQ(game->openWindows().size(), 2u) << button;
        ui::Window* activity = game->openWindows().back();
        EXPECT_TRUE(isDialogOf(activity->name(), "Form1")) << activity->name().toStdString();
        view(activity->name())->close();
        settle();
    }
}

TEST_F(WindowTies, TheLanguageStoreOpenedAsTheSoftwareStoreClosesIsTheMainWindowsDialog) {
    startPlaying();
    click(widget("Form1", "Command2"));
    click(widget("Form3", "Command2"));
    settle();
    EXPECT_EQ(front->view("Form3"), nullptr);
    EXPECT_TRUE(isDialogOf("FrmPL", "Form1"));
    EXPECT_TRUE(view("FrmPL")->isVisible());
}

TEST_F(WindowTies, AMessageBoxBelongsToTheWindowThatAsked) {
    startPlaying();
    click(widget("Form1", "Command3"));
    click(widget("Form4", "Command1"));  // no job chosen: a refusal
    EXPECT_EQ(services.lastOwner, view("Form4"));
    view("Form4")->close();
    settle();
    // A question of the main window, asked from its menu.
    services.queueAnswer(false);
    view("Form1")->action("mnuNewGame")->trigger();
    EXPECT_EQ(services.lastOwner, view("Form1"));
}

TEST_F(WindowTies, ADialogOutlivesAnOpenerThatClosesFirst) {
    game->registerWindow("Browser", [this] {
        return std::make_unique<Opener>(*game, QStringLiteral("Browser"),
                                        QStringLiteral("Download"));
    });
    game->registerWindow("Download", [this] {
        return std::make_unique<Opener>(*game, QStringLiteral("Download"), QString());
    });
    startPlaying();
    game->dispatch([this] { game->show("Browser"); }, &game->form1());
    click(widget("Browser", "Command1"));
    settle();
    ASSERT_TRUE(isDialogOf("Download", "Browser"));

    view("Browser")->close();
    settle();  // the closed window's view is deleted now
    ASSERT_NE(front->view("Download"), nullptr);
    EXPECT_TRUE(view("Download")->isVisible());
    EXPECT_TRUE(isDialogOf("Download", "Form1")) << "it passes to the browser's opener";
    click(widget("Download", "Command1"));  // still a working window
    settle();
}

TEST_F(WindowTies, AClickOnTheMainWindowUnderAShopBringsTheShopForward) {
    startPlaying();
    click(widget("Form1", "Command6"));
    settle();
    activate("Form1");  // the player clicked the main window's title bar
    click(widget("Form1", "Command1"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(view("FrmMagazine")));
    EXPECT_EQ(front->view("Form2"), nullptr) << "the main window took a click under the shop";
    // Its close box does the same instead of nothing.
    activate("Form1");
    view("Form1")->close();
    EXPECT_TRUE(QTest::qWaitForWindowActive(view("FrmMagazine")));
    services.clearPending();
    EXPECT_NE(game->find("Form1"), nullptr);
}

}  // namespace
