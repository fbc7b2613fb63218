#include "tools/autoplay/session.h"

#include <exception>

#include "app/all_windows.h"
#include "game/game.h"

namespace autoplay {

Session::Session(const QString& folder) : services_(folder) {
    game_ = app::makeGame(services_);
    player_ = std::make_unique<scenario::HeadlessPlayer>(*game_);
    performer_ = std::make_unique<scenario::StepPerformer>(*game_, services_, *player_, folder);
    player_->start();
    collectEvents();
}

Session::~Session() = default;

bool Session::ended() const {
    return game_->ended();
}

std::optional<QString> Session::play(const scenario::Step& step) {
    std::optional<QString> problem;
    try {
        problem = perform(step);
    } catch (const std::exception& e) {
        problem = QStringLiteral("an error in the game: ") + QString::fromLocal8Bit(e.what());
    }
    collectEvents();
    return problem;
}

void Session::collectEvents() {
    events_.clear();
    while (auto event = services_.take()) {
        events_.push_back(std::move(*event));
    }
}

std::optional<QString> Session::perform(const scenario::Step& step) {
    const scenario::Outcome outcome =
        step.isPlayerAction() ? performer_->act(step) : performer_->arrange(step);
    if (outcome) {
        return QStringLiteral("expected ") + outcome->expected + QStringLiteral(", got ") +
               outcome->got;
    }
    return std::nullopt;
}

}  // namespace autoplay
