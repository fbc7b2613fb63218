#include <gtest/gtest.h>

#include <QTextStream>
#include <stdexcept>

#include "game/game.h"
#include "tools/scenario/headless_player.h"
#include "tools/scenario/runner.h"
#include "tools/scenario/script.h"
#include "ui/scripted_services.h"

namespace {

// A small window of its own, so that the runner meets faults no game window has on purpose.
class Probe : public ui::Window {
public:
    explicit Probe(ui::Application& app) : ui::Window(app, "FrmProbe", "Probe", 200, 100) {
        addLabel("Label1", "shown", {0, 0, 100, 20});
        addButton("Command1", "throw", {0, 30, 100, 20}).onClick = [] {
            throw std::runtime_error("broken handler");
        };
        addButton("Command2", "ask", {0, 60, 100, 20}).onClick = [&app] {
            app.ask(QStringLiteral("sure?"));
        };
    }
};

// The screen of a broken front end: it shows a text of its own and draws every box wrongly.
class BrokenScreen : public scenario::HeadlessPlayer {
public:
    using HeadlessPlayer::HeadlessPlayer;
    std::optional<QString> shownText(const ui::Control&) const override {
        return QStringLiteral("stale");
    }
    std::optional<QString> shownTitle(const ui::Window&) const override {
        return QStringLiteral("old title");
    }
    std::vector<scenario::Problem> messageShown(const ui::ServiceEvent&) override {
        return {{QStringLiteral("a proper box"), QStringLiteral("a broken one")}};
    }
};

class RunnerTest : public ::testing::Test {
protected:
    RunnerTest() {
        // The game starts with the probe (named FrmProbe) in place of the name window.
        game.registerWindow("FrmLogin", [this] { return std::make_unique<Probe>(game); });
    }

    int run(scenario::Player& player, const char* text) {
        const scenario::Script script = scenario::parseScript(QByteArray(text));
        EXPECT_TRUE(script.faults.empty());
        QTextStream out(&output);
        scenario::Runner runner(game, services, player, QString(), out);
        return runner.run(script.steps);
    }

    ui::ScriptedServices services;
    game::Game game{services};
    QString output;
};

}  // namespace

TEST_F(RunnerTest, AFaultInTheGameFailsItsStepAndTheScenarioGoesOn) {
    scenario::HeadlessPlayer player(game);
    const int status = run(player,
                           "click FrmProbe.Command1\n"
                           "expect open FrmProbe\n");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(output.contains(
        "FAIL line 1: expected the step to run, got an error in the game: broken handler"))
        << output.toStdString();
    EXPECT_TRUE(output.endsWith("scenario: 1 passed, 1 failed\n")) << output.toStdString();
}

TEST_F(RunnerTest, ScreenAndModelMustShowTheSameText) {
    BrokenScreen player(game);
    const int status = run(player,
                           "expect FrmProbe.Label1.Caption shown\n"
                           "expect FrmProbe.Label1.Visible true\n"
                           "expect FrmProbe.Caption Probe\n"
                           "expect FrmProbe.Enabled true\n");
    EXPECT_EQ(status, 1);
    // The model is right, the screen is not; a property that is no text is not compared.
    EXPECT_TRUE(output.contains(
        "FAIL line 1: expected FrmProbe.Label1 showing \"shown\" on screen, got \"stale\""))
        << output.toStdString();
    EXPECT_TRUE(output.contains(
        "FAIL line 3: expected FrmProbe showing \"Probe\" on screen, got \"old title\""))
        << output.toStdString();
    EXPECT_TRUE(output.endsWith("scenario: 2 passed, 2 failed\n")) << output.toStdString();
}

TEST_F(RunnerTest, AMessageBoxShownWronglyFailsTheStepThatShowedIt) {
    BrokenScreen player(game);
    const int status = run(player,
                           "answer yes\n"
                           "click FrmProbe.Command2\n"
                           "expect msg question \"sure?\"\n");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(output.contains("> line 2: msg question \"sure?\" -> yes\n"))
        << output.toStdString();
    EXPECT_TRUE(output.contains("FAIL line 2: expected a proper box, got a broken one"))
        << output.toStdString();
    EXPECT_TRUE(output.endsWith("scenario: 1 passed, 1 failed\n")) << output.toStdString();
}

TEST_F(RunnerTest, QuestionsLeftUnansweredAreNoted) {
    scenario::HeadlessPlayer player(game);
    EXPECT_EQ(run(player, "answer yes no\nclick FrmProbe.Command2\n"), 0);
    EXPECT_TRUE(output.contains("note: 1 queued answer(s) were never asked for"))
        << output.toStdString();
}
