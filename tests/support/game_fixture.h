#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "app/all_windows.h"
#include "game/form1.h"
#include "game/game.h"
#include "support/game_state.h"
#include "ui/scripted_services.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{\"" << list.join(QStringLiteral("\", \"")).toStdString() << "\"}";
}

namespace testing_support {

// A whole game on scripted services, past the name window: the main window is open, the
// introduction has been consumed, the clock stands at 00:00 of virtual time.
class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        game = app::makeGame(services);
        game->start();
        game->click(game->find("FrmLogin")->control("Command1"));
        services.clearPending();
    }

    ui::Window& window(const QString& name) {
        ui::Window* w = game->find(name);
        if (w == nullptr) {
            throw std::runtime_error("window not open: " + name.toStdString());
        }
        return *w;
    }
    ui::Control& control(const QString& windowName, const QString& controlName) {
        return window(windowName).control(controlName);
    }
    // A player's click (mouse down, up and click) on a control that must be reachable.
    void click(const QString& windowName, const QString& controlName) {
        ui::Control& c = control(windowName, controlName);
        const ui::Window* w = &c.window();
        ASSERT_TRUE(game->mouseDown(c, ui::MouseButton::Left)) << controlName.toStdString();
        // A press may close the window (the About windows do): then there is nothing to release.
        if (game->find(windowName) != w) {
            return;
        }
        game->mouseUp(c, ui::MouseButton::Left);
        if (game->find(windowName) == w) {
            game->click(c);
        }
    }
    QString caption(const QString& label) { return game->caption(label); }
    void setCaption(const QString& label, const QString& text) { game->setCaption(label, text); }
    game::GameGlobals& globals() { return game->globals; }
    // Everything of the game a player could see or a rule could read.
    QStringList state() const { return gameState(*game); }

    // The next event must be a message box of this kind and text.
    void expectMessage(ui::MessageKind kind, const QString& text) {
        auto event = services.take();
        ASSERT_TRUE(event.has_value()) << "no message, expected " << text.toStdString();
        EXPECT_EQ(event->type, ui::ServiceEvent::Message);
        EXPECT_EQ(ui::kindName(event->kind), std::string(ui::kindName(kind)));
        EXPECT_EQ(event->text.toStdString(), text.toStdString());
    }
    void expectBeeps(int n) {
        for (int i = 0; i < n; ++i) {
            auto event = services.take();
            ASSERT_TRUE(event.has_value()) << "beep " << i + 1 << " of " << n << " missing";
            EXPECT_EQ(event->type, ui::ServiceEvent::Beep);
        }
    }
    void expectQuiet() {
        EXPECT_TRUE(services.pending().empty())
            << "unexpected: " << services.pending().front().text.toStdString();
    }

    ui::ScriptedServices services;
    std::unique_ptr<game::Game> game;
};

}  // namespace testing_support
