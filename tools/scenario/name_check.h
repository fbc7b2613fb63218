#pragma once

#include <QString>
#include <vector>

#include "tools/scenario/script.h"

namespace game {
class Game;
}

namespace scenario {

// Every window, control, property and variable a scenario names must exist in this game, and
// every action must suit its control (typing needs a text box, select a list, ...). Returns
// every fault found, before anything runs.
std::vector<Fault> checkNames(const std::vector<Step>& steps, const game::Game& game);

// Every fault of a scenario at once, before anything runs: those of its syntax, then those of
// the names it uses.
std::vector<Fault> scriptFaults(const Script& script, const game::Game& game);

// How a control kind is called in messages ("a label", "a list box", ...).
QString kindText(ui::ControlKind kind);

}  // namespace scenario
