#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "tools/autoplay/answering_services.h"
#include "tools/scenario/headless_player.h"
#include "tools/scenario/script.h"
#include "tools/scenario/step_performer.h"

namespace game {
class Game;
}

namespace autoplay {

// One run of the program, from the name window to its end, played headless exactly as the
// scenario driver plays a scenario: the same game, services, player and step meanings.
class Session {
public:
    explicit Session(const QString& folder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    game::Game& game() { return *game_; }
    const game::Game& game() const { return *game_; }
    AnsweringServices& services() { return services_; }
    const QString& folder() const { return services_.folder; }
    bool ended() const;

    // Plays one step. Empty when it went through; otherwise why not: the target was out of a
    // player's reach, the game turned away an event it should take, or an error escaped the game.
    std::optional<QString> play(const scenario::Step& step);
    // The message boxes, beeps and end of program of the last step (and of the start).
    const std::vector<ui::ServiceEvent>& events() const { return events_; }

private:
    std::optional<QString> perform(const scenario::Step& step);
    void collectEvents();

    AnsweringServices services_;
    std::unique_ptr<game::Game> game_;
    std::unique_ptr<scenario::HeadlessPlayer> player_;
    std::unique_ptr<scenario::StepPerformer> performer_;
    std::vector<ui::ServiceEvent> events_;
};

}  // namespace autoplay
