#pragma once

#include <QString>
#include <QTextStream>

#include "tools/autoplay/planner.h"
#include "tools/scenario/script.h"

namespace autoplay {

// Plays a plan through the windows of a headless game as a player would, checks after every
// window that the game charged and paid what the plan says, and writes what it played, with
// every message box and beep it saw, as a scenario file. Prints the road day by day.
// 0 when the game was won on the plan's day, 1 otherwise.
int playRoute(const Plan& plan, const QString& routeFile, QTextStream& out);

// The player's steps of the fastest road (its clicks, choices and waits, without the checks),
// played once on a game of its own; empty if no road is found.
std::vector<scenario::Step> roadSteps();

// The whole of --best: plan, play, write, and check the file with the scenario driver's runner.
int runBest(const QString& routeFile, QTextStream& out);

}  // namespace autoplay
