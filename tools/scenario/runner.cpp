#include "tools/scenario/runner.h"

#include <exception>

#include "game/game.h"
#include "tools/scenario/quoting.h"

namespace scenario {

QString describe(const ui::ServiceEvent& event) {
    switch (event.type) {
        case ui::ServiceEvent::Beep:
            return QStringLiteral("beep");
        case ui::ServiceEvent::Ended:
            return QStringLiteral("the program ended");
        case ui::ServiceEvent::Message:
            break;
    }
    QString text = QStringLiteral("msg ") + QLatin1String(ui::kindName(event.kind)) + u' ' +
                   quoted(event.text);
    if (event.title != ui::defaultTitle()) {
        text += u' ' + quoted(event.title);
    }
    return text;
}

Runner::Runner(game::Game& game, ui::ScriptedServices& services, Player& player, QString folder,
               QTextStream& out)
    : game_(game),
      services_(services),
      player_(player),
      performer_(game, services, player, std::move(folder)),
      out_(out) {
    services_.onEvent = [this](const ui::ServiceEvent& event) { onEvent(event); };
}

Runner::~Runner() {
    services_.onEvent = nullptr;
}

void Runner::onEvent(const ui::ServiceEvent& event) {
    QString line = QStringLiteral("> line %1: ").arg(line_) + describe(event);
    const bool unanswered = services_.unansweredQuestions() > unansweredSeen_;
    unansweredSeen_ = services_.unansweredQuestions();
    if (event.type == ui::ServiceEvent::Message && event.kind == ui::MessageKind::Question) {
        line +=
            event.answer == ui::Answer::Yes ? QStringLiteral(" -> yes") : QStringLiteral(" -> no");
        if (unanswered) {
            line += QStringLiteral(" (no answer was queued)");
        }
    }
    out_ << line << Qt::endl;
    if (unanswered) {
        eventProblems_.push_back(
            {QStringLiteral("an answer queued for the question ") + quoted(event.text),
             QStringLiteral("none (the game got No)")});
    }
    if (event.type != ui::ServiceEvent::Ended) {
        unread_.push_back(event);
    }
    if (event.type == ui::ServiceEvent::Message) {
        for (Problem& p : player_.messageShown(event)) {
            eventProblems_.push_back(std::move(p));
        }
    }
}

int Runner::run(const std::vector<Step>& steps) {
    // Line 0 is the program's start: the name window appears as it does for a player.
    line_ = 0;
    finishStep(0, false, guarded([this] {
                   player_.start();
                   player_.settle();
                   return std::vector<Problem>{};
               }));
    for (const Step& step : steps) {
        line_ = step.line;
        finishStep(step.line, step.isExpect(), guarded([this, &step] { return execute(step); }));
    }
    if (services_.pendingAnswers() > 0) {
        out_ << QStringLiteral("note: %1 queued answer(s) were never asked for")
                    .arg(services_.pendingAnswers())
             << Qt::endl;
    }
    out_ << QStringLiteral("scenario: %1 passed, %2 failed").arg(passed_).arg(failed_) << Qt::endl;
    return failed_ > 0 ? 1 : 0;
}

std::vector<Problem> Runner::guarded(const std::function<std::vector<Problem>()>& step) {
    // A fault inside the game is that step's failure; the scenario goes on.
    try {
        return step();
    } catch (const std::exception& e) {
        return {{QStringLiteral("the step to run"),
                 QStringLiteral("an error in the game: ") + QString::fromLocal8Bit(e.what())}};
    }
}

void Runner::finishStep(int line, bool isExpect, std::vector<Problem> problems) {
    // What went wrong while the step ran (a question without an answer, a box shown wrongly)
    // comes first, as it happened first.
    problems.insert(problems.begin(), eventProblems_.begin(), eventProblems_.end());
    eventProblems_.clear();
    for (Problem& p : player_.takeFaults()) {
        problems.push_back(std::move(p));
    }
    for (const Problem& p : problems) {
        out_ << QStringLiteral("FAIL line %1: expected %2, got %3").arg(line).arg(p.expected, p.got)
             << Qt::endl;
    }
    if (!problems.empty()) {
        ++failed_;
    } else if (isExpect) {
        ++passed_;
    }
}

std::vector<Problem> Runner::execute(const Step& step) {
    Outcome outcome;
    switch (step.op) {
        case Op::ExpectValue:
            return expectValue(step);
        case Op::ExpectMessage:
        case Op::ExpectMessageStart:
            outcome = expectMessage(step);
            break;
        case Op::ExpectBeep:
            outcome = expectBeeps(step.number);
            break;
        case Op::ExpectQuiet:
            outcome = expectQuiet();
            break;
        case Op::ExpectEnded:
            if (!game_.ended()) {
                outcome = Problem{QStringLiteral("the program ended"),
                                  QStringLiteral("it is still running")};
            }
            break;
        case Op::ExpectOpen:
            if (game_.find(step.window) == nullptr) {
                outcome = Problem{QStringLiteral("window ") + step.window + QStringLiteral(" open"),
                                  QStringLiteral("it is closed")};
            }
            break;
        case Op::ExpectClosed:
            if (game_.find(step.window) != nullptr) {
                outcome =
                    Problem{QStringLiteral("window ") + step.window + QStringLiteral(" closed"),
                            QStringLiteral("it is open")};
            }
            break;
        case Op::ExpectFile:
        case Op::ExpectNoFile:
            outcome = expectFile(step);
            break;
        case Op::Shot:
            if (!player_.takesPictures()) {
                out_ << QStringLiteral("note line %1: no picture without --qt").arg(step.line)
                     << Qt::endl;
                break;
            }
            if (step.control.isEmpty() && step.window == MessageShot) {
                player_.shotNextMessage(step.text);
                break;
            }
            [[fallthrough]];
        default:
            outcome = step.isPlayerAction() || step.op == Op::Shot ? performer_.act(step)
                                                                   : performer_.arrange(step);
            player_.settle();
            break;
    }
    if (outcome) {
        return {*outcome};
    }
    return {};
}

}  // namespace scenario
