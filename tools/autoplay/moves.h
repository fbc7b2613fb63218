#pragma once

#include <QString>
#include <optional>

#include "tools/autoplay/dice.h"
#include "tools/scenario/script.h"

namespace autoplay {

class Session;

// One thing a player could do now with the windows on screen: a click, a press or release of
// either mouse button, a key, a row of a list, typed text, a menu item, a window's close box, or
// a click on a window itself. Found through the window model alone, so windows added to the
// game later are played without code of their own. Weighs what has a handler above what has
// none, and the close box of the main window low, so a run of the program lasts a while.
std::optional<scenario::Step> randomAction(const Session& session, Dice& dice);

// Hours passing: a moment, a few hours, or days, at the clock's current speed.
scenario::Step randomWait(const Session& session, Dice& dice);

}  // namespace autoplay
