#include "tools/autoplay/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "app/all_windows.h"
#include "game/game.h"

namespace autoplay {

namespace {

using scenario::Op;

QString outcomeText(const scenario::Outcome& outcome) {
    return QStringLiteral("expected ") + outcome->expected + QStringLiteral(", got ") +
           outcome->got;
}

}  // namespace

bool withinReach(const game::Game& game, const ui::Control& control) {
    return !game.ended() && !game.modal() && control.window().live() && control.reachable();
}

Session::Session(const QString& folder) : services_(folder) {
    game_ = app::makeGame(services_);
    player_ = std::make_unique<scenario::HeadlessPlayer>(*game_);
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
    switch (step.op) {
        case Op::Answer:
            for (bool yes : step.answers) {
                services_.queueAnswer(yes);
            }
            return std::nullopt;
        case Op::Wait:
            game_->scheduler().advance(step.number);
            return std::nullopt;
        case Op::File:
            return writeFile(step);
        case Op::Now:
            services_.date = step.text;
            services_.time = step.title;
            return std::nullopt;
        default:
            break;
    }
    if (step.isPlayerAction()) {
        return act(step);
    }
    return QStringLiteral("a step the tool cannot play: line %1").arg(step.line);
}

std::optional<QString> Session::act(const scenario::Step& step) {
    const QString what = step.control.isEmpty() ? step.window : step.window + u'.' + step.control;
    if (game_->ended()) {
        return what + QStringLiteral(": the program has ended");
    }
    ui::Window* window = game_->find(step.window);
    if (window == nullptr) {
        return what + QStringLiteral(": the window is not open");
    }
    if (game_->modal()) {
        return what + QStringLiteral(": a message box is open");
    }
    if (step.control.isEmpty()) {
        if (!window->visible() || !window->enabled()) {
            return what + QStringLiteral(": the window is out of reach");
        }
        scenario::Outcome outcome;
        if (step.op == Op::Close) {
            outcome = player_->close(*window);
        } else if (step.op == Op::Click) {
            outcome = player_->clickWindow(*window);
        } else {
            return what + QStringLiteral(": not an action on a window");
        }
        return outcome ? std::optional<QString>(outcomeText(outcome)) : std::nullopt;
    }
    ui::Control* control = window->find(step.control);
    if (control == nullptr) {
        return what + QStringLiteral(": no such control");
    }
    if (!control->reachable()) {
        return what + QStringLiteral(": the control is out of reach");
    }
    return actOn(step, *control);
}

std::optional<QString> Session::actOn(const scenario::Step& step, ui::Control& control) {
    scenario::Outcome outcome;
    switch (step.op) {
        case Op::Click:
            outcome = player_->click(control);
            break;
        case Op::MouseDown:
            outcome = player_->mouseDown(control, step.button);
            break;
        case Op::MouseUp:
            outcome = player_->mouseUp(control, step.button);
            break;
        case Op::Key:
            outcome = player_->key(control, step.number);
            break;
        case Op::Menu:
            outcome = player_->menu(control);
            break;
        case Op::Type:
            outcome = player_->type(control, step.text);
            break;
        case Op::Select: {
            const int row =
                step.byText ? static_cast<int>(control.items().indexOf(step.text)) : step.number;
            if (row < 0 || row >= control.items().size()) {
                return step.window + u'.' + step.control + QStringLiteral(": no such row");
            }
            outcome = player_->select(control, row);
            break;
        }
        default:
            return step.window + u'.' + step.control + QStringLiteral(": not a control action");
    }
    return outcome ? std::optional<QString>(outcomeText(outcome)) : std::nullopt;
}

std::optional<QString> Session::writeFile(const scenario::Step& step) {
    const QString path = QDir(folder()).filePath(step.text);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(step.bytes) != step.bytes.size()) {
        return QStringLiteral("file ") + step.text + QStringLiteral(" not written: ") +
               out.errorString();
    }
    return std::nullopt;
}

}  // namespace autoplay
