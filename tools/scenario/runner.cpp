#include "tools/scenario/runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "game/game.h"
#include "game/game_globals.h"
#include "tools/scenario/quoting.h"
#include "ui/property_access.h"

namespace scenario {

namespace {

QString controlName(const ui::Control& c) {
    return c.window().name() + u'.' + c.name();
}

// Why a player could not use the control now, or nothing if it is within reach.
std::optional<QString> whyUnreachable(const ui::Control& control) {
    const ui::Window& w = control.window();
    if (!w.visible()) {
        return QStringLiteral("window ") + w.name() + QStringLiteral(" is hidden");
    }
    if (!w.enabled()) {
        return QStringLiteral("window ") + w.name() + QStringLiteral(" is disabled");
    }
    for (const ui::Control* c = &control; c != nullptr; c = c->parent()) {
        const QString who =
            c == &control ? controlName(*c) : QStringLiteral("its container ") + controlName(*c);
        if (!c->visible()) {
            return who + QStringLiteral(" is hidden");
        }
        if (!c->enabled()) {
            return who + QStringLiteral(" is disabled");
        }
    }
    return std::nullopt;
}

QString actionText(const Step& step) {
    return step.control.isEmpty() ? step.window : step.window + u'.' + step.control;
}

}  // namespace

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
    : game_(game), services_(services), player_(player), folder_(std::move(folder)), out_(out) {
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
            [[fallthrough]];
        default:
            outcome = step.isPlayerAction() || step.op == Op::Shot ? act(step) : arrange(step);
            player_.settle();
            break;
    }
    if (outcome) {
        return {*outcome};
    }
    return {};
}

Outcome Runner::act(const Step& step) {
    const QString what = actionText(step) + QStringLiteral(" within reach");
    if (game_.ended()) {
        return Problem{what, QStringLiteral("the program has ended")};
    }
    ui::Window* window = game_.find(step.window);
    if (window == nullptr) {
        return Problem{what,
                       QStringLiteral("window ") + step.window + QStringLiteral(" is not open")};
    }
    if (game_.modal()) {
        return Problem{what, QStringLiteral("a message box is open")};
    }
    if (step.control.isEmpty()) {
        if (!window->visible()) {
            return Problem{what, QStringLiteral("the window is hidden")};
        }
        if (!window->enabled() && step.op != Op::Shot) {
            return Problem{what, QStringLiteral("the window is disabled")};
        }
        return actOnWindow(step, *window);
    }
    ui::Control& control = window->control(step.control);
    if (const auto why = whyUnreachable(control)) {
        return Problem{what, *why};
    }
    return actOnControl(step, control);
}

Outcome Runner::actOnWindow(const Step& step, ui::Window& window) {
    switch (step.op) {
        case Op::Click:
            return player_.clickWindow(window);
        case Op::Close:
            return player_.close(window);
        case Op::Shot:
            return player_.shot(window, step.text);
        default:
            return Problem{QStringLiteral("an action on a window"), actionText(step)};
    }
}

Outcome Runner::actOnControl(const Step& step, ui::Control& control) {
    switch (step.op) {
        case Op::Click:
            return player_.click(control);
        case Op::MouseDown:
            return player_.mouseDown(control, step.button);
        case Op::MouseUp:
            return player_.mouseUp(control, step.button);
        case Op::Key:
            return player_.key(control, step.number);
        case Op::Menu:
            return player_.menu(control);
        case Op::Type:
            if (control.readOnly) {
                return Problem{actionText(step) + QStringLiteral(" editable"),
                               QStringLiteral("it is read-only")};
            }
            return player_.type(control, step.text);
        case Op::Select: {
            const QStringList& rows = control.items();
            const int row = step.byText ? static_cast<int>(rows.indexOf(step.text)) : step.number;
            if (row < 0 || row >= rows.size()) {
                QStringList shown;
                for (const QString& r : rows) {
                    shown.append(quoted(r));
                }
                return Problem{
                    step.byText ? QStringLiteral("a row ") + quoted(step.text) +
                                      QStringLiteral(" in ") + actionText(step)
                                : QStringLiteral("row %1 in ").arg(step.number) + actionText(step),
                    rows.isEmpty() ? QStringLiteral("no rows")
                                   : QStringLiteral("rows ") + shown.join(QStringLiteral(", "))};
            }
            return player_.select(control, row);
        }
        default:
            return Problem{QStringLiteral("an action on a control"), actionText(step)};
    }
}

Outcome Runner::arrange(const Step& step) {
    switch (step.op) {
        case Op::Answer:
            for (bool yes : step.answers) {
                services_.queueAnswer(yes);
            }
            return std::nullopt;
        case Op::Random:
            for (double r : step.randoms) {
                services_.queueRandom(r);
            }
            return std::nullopt;
        case Op::Now:
            services_.date = step.text;
            services_.time = step.title;
            return std::nullopt;
        case Op::Wait:
            game_.scheduler().advance(step.number);
            return std::nullopt;
        case Op::File:
            return writeFile(step);
        case Op::Set:
            break;
        default:
            return Problem{QStringLiteral("a step that arranges the game"),
                           QStringLiteral("another")};
    }
    const Target& t = step.target;
    QString refused;
    if (t.kind == Target::Global) {
        refused = game::writeGlobal(game_.globals, t.property, step.text);
    } else if (ui::Window* w = game_.model(t.window); w == nullptr) {
        return Problem{
            QStringLiteral("window ") + t.window + QStringLiteral(" open to set ") + t.text(),
            QStringLiteral("it is not open")};
    } else if (t.kind == Target::WindowProperty) {
        refused = ui::writeWindowProperty(*w, t.property, step.text);
    } else {
        refused = ui::writeProperty(w->control(t.control), t.property, step.text);
    }
    if (!refused.isEmpty()) {
        return Problem{QStringLiteral("a value for ") + t.text(),
                       quoted(step.text) + QStringLiteral(" (") + refused + u')'};
    }
    return std::nullopt;
}

QString Runner::path(const QString& name) const {
    return QDir(folder_).filePath(name);
}

Outcome Runner::writeFile(const Step& step) {
    const QString file = path(step.text);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(step.bytes) != step.bytes.size()) {
        return Problem{QStringLiteral("file ") + quoted(step.text) + QStringLiteral(" written"),
                       out.errorString()};
    }
    return std::nullopt;
}

}  // namespace scenario
