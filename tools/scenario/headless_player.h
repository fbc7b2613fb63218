#pragma once

#include "tools/scenario/player.h"

namespace game {
class Game;
}

namespace scenario {

// The player's input straight to the window models, through the application's event entry
// points, as the Qt front end would deliver it.
class HeadlessPlayer : public Player {
public:
    explicit HeadlessPlayer(game::Game& game) : game_(game) {}

    void start() override;
    Outcome click(ui::Control& control) override;
    Outcome mouseDown(ui::Control& control, ui::MouseButton button) override;
    Outcome mouseUp(ui::Control& control, ui::MouseButton button) override;
    Outcome select(ui::Control& control, int row) override;
    Outcome type(ui::Control& control, const QString& text) override;
    Outcome key(ui::Control& control, int code) override;
    Outcome menu(ui::Control& item) override;
    Outcome close(ui::Window& window) override;
    Outcome clickWindow(ui::Window& window) override;
    Outcome shot(ui::Window& window, const QString& file) override;
    Outcome shotMenu(ui::Control&, const QString&) override { return std::nullopt; }
    void shotNextMessage(const QString&) override {}
    bool takesPictures() const override { return false; }

private:
    game::Game& game_;
};

}  // namespace scenario
