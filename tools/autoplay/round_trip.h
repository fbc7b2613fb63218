#pragma once

#include <QString>
#include <map>
#include <optional>

#include "tools/autoplay/invariants.h"
#include "tools/scenario/script.h"

namespace autoplay {

class Session;

// Saves the game through the save window under a name of its own, loads it back through the
// load window, and checks that the main window shows what it showed before. What the file does
// not hold, and what the load rebuilds in its own words, is compared as the rules say it comes
// back (the education labels after a new game, the internet button's caption and the in-game
// system's menu item, which a load sets from what is installed, the two spellings of the browser
// and of the in-game system).
class RoundTrip {
public:
    // Whether it can start now: both windows are part of the game and the save menu is in reach.
    static bool possible(const Session& session);

    explicit RoundTrip(const QString& name) : name_(name) {}

    // The next step, or none when done.
    std::optional<scenario::Step> next(const Session& session);
    // What the last step showed, checked; a violation ends the round trip.
    std::optional<Violation> after(const Session& session);
    bool done() const { return stage_ == Done; }

private:
    enum Stage { OpenSave, TypeName, Save, OpenLoad, Choose, Load, Done };
    std::optional<Violation> compare(const Session& session) const;

    QString name_;
    Stage stage_ = OpenSave;
    std::map<QString, QString> screen_;
};

// The main window's state as a player sees it, and the saved variables, by name. With
// `afterLoad`, what a game loaded from a save of this moment must show instead: the internet
// button and the in-game system's menu item then follow what is installed.
std::map<QString, QString> screenOf(const Session& session, bool afterLoad = false);

}  // namespace autoplay
