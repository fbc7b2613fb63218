#pragma once

#include <QString>

#include "tools/scenario/player.h"
#include "tools/scenario/script.h"

namespace game {
class Game;
}

namespace scenario {

// What a step does to the game, as the driver plays it: a player's action on a window or control
// within reach, through the player, or a step that arranges the game (queued answers and random
// draws, the date, the clock, files in the game folder, values set). The driver's runner and the
// computer player both play their steps through it, so a step means the same to both.
class StepPerformer {
public:
    StepPerformer(game::Game& game, ui::ScriptedServices& services, Player& player, QString folder);

    // A player's action, or a picture of a window: refused when its target is out of reach.
    Outcome act(const Step& step);
    Outcome arrange(const Step& step);
    // A file of the game folder by its name there.
    QString path(const QString& name) const;

private:
    Outcome actOnWindow(const Step& step, ui::Window& window);
    Outcome actOnControl(const Step& step, ui::Control& control);
    Outcome writeFile(const Step& step);

    game::Game& game_;
    ui::ScriptedServices& services_;
    Player& player_;
    QString folder_;
};

// "Form1.Command1", or the window's name alone for a step on a window.
QString actionText(const Step& step);

}  // namespace scenario
