#pragma once

#include <QString>
#include <optional>
#include <set>
#include <vector>

#include "tools/scenario/script.h"
#include "ui/scripted_services.h"

namespace game {
class Game;
}

namespace autoplay {

class Session;

// A rule the game broke, with the scenario checks that a sound game passes at that point (none
// when the rule cannot be said as a scenario check).
struct Violation {
    QString rule;
    QString detail;
    std::vector<scenario::Step> expects;
};

// What the checks need to know of the moment before a step.
struct Moment {
    bool playing = false;  // the main window is up and the program runs
    double money = 0;
    double satiety = 0;
    double mood = 0;
    double points = 0;
    int hour = 0;
    bool clockRunning = false;
    std::set<QString> open;
    QString saveName;  // the name typed in a save window, if one is open
};

// The rules a game keeps after every step, checked from what a player sees (captions, windows,
// message boxes) and the shared variables a scenario may look at. It follows the pause from the
// game's own messages, since the pause is nothing but a stopped clock.
class Invariants {
public:
    void startRun() { paused_ = false; }
    Moment moment(const Session& session) const;
    std::optional<Violation> check(const Session& session, const scenario::Step& step,
                                   const Moment& before);
    bool paused() const { return paused_; }

private:
    void followPause(const std::vector<ui::ServiceEvent>& events, const Moment& before,
                     const game::Game& game);

    bool paused_ = false;
};

// The windows whose opening stops the clock, and those that only disable the main window.
bool stopsClock(const QString& window);
bool disablesMainWindow(const QString& window);

}  // namespace autoplay
