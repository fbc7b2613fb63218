#pragma once

#include <functional>

class QWidget;

namespace app {

// Starts the game as a player sees it and runs until it ends. `firstShown`, if given, is called
// once the first window is on screen (the start-up benchmark measures up to that moment).
int runGame(int argc, char** argv, const std::function<void(QWidget*)>& firstShown = {});

}  // namespace app
