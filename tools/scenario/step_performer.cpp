#include "tools/scenario/step_performer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "game/game.h"
#include "game/game_globals.h"
#include "tools/scenario/quoting.h"
#include "ui/property_access.h"

namespace scenario {

namespace {

QString controlName(const ui::Control& c) {
    return c.window().name() + u'.' + c.name();
}

// What a player is told when the game keeps them from a window or a control.
QString whyUnreachable(const ui::Obstacle& obstacle, const ui::Window& window,
                       const ui::Control* target) {
    const auto controlPart = [target](const ui::Control& c, const char* state) {
        const QString who =
            &c == target ? controlName(c) : QStringLiteral("its container ") + controlName(c);
        return who + QString::fromLatin1(state);
    };
    const QString which = target == nullptr ? QStringLiteral("the window")
                                            : QStringLiteral("window ") + window.name();
    switch (obstacle.kind) {
        case ui::Obstacle::ProgramOver:
            return QStringLiteral("the program has ended");
        case ui::Obstacle::WindowClosed:
            return QStringLiteral("window ") + window.name() + QStringLiteral(" is not open");
        case ui::Obstacle::MessageBoxOpen:
            return QStringLiteral("a message box is open");
        case ui::Obstacle::WindowHidden:
            return which + QStringLiteral(" is hidden");
        case ui::Obstacle::WindowDisabled:
            return which + QStringLiteral(" is disabled");
        case ui::Obstacle::ControlHidden:
            return controlPart(*obstacle.control, " is hidden");
        case ui::Obstacle::ControlDisabled:
            return controlPart(*obstacle.control, " is disabled");
    }
    return {};
}

}  // namespace

QString actionText(const Step& step) {
    return step.control.isEmpty() ? step.window : step.window + u'.' + step.control;
}

StepPerformer::StepPerformer(game::Game& game, ui::ScriptedServices& services, Player& player,
                             QString folder)
    : game_(game), services_(services), player_(player), folder_(std::move(folder)) {}

Outcome StepPerformer::act(const Step& step) {
    const auto what = [&step] { return actionText(step) + QStringLiteral(" within reach"); };
    if (game_.ended()) {
        return Problem{what(), QStringLiteral("the program has ended")};
    }
    ui::Window* window = game_.find(step.window);
    if (window == nullptr) {
        return Problem{what(),
                       QStringLiteral("window ") + step.window + QStringLiteral(" is not open")};
    }
    ui::Control* control = step.control.isEmpty() ? nullptr : &window->control(step.control);
    auto obstacle = control != nullptr ? game_.obstacle(*control) : game_.obstacle(*window);
    // A picture shows a window however it stands, as long as it is on screen.
    if (step.op == Op::Shot && obstacle && obstacle->kind == ui::Obstacle::WindowDisabled) {
        obstacle.reset();
    }
    if (obstacle) {
        return Problem{what(), whyUnreachable(*obstacle, *window, control)};
    }
    return control != nullptr ? actOnControl(step, *control) : actOnWindow(step, *window);
}

Outcome StepPerformer::actOnWindow(const Step& step, ui::Window& window) {
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

Outcome StepPerformer::actOnControl(const Step& step, ui::Control& control) {
    switch (step.op) {
        case Op::Shot:
            return player_.shotMenu(control, step.text);
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

Outcome StepPerformer::arrange(const Step& step) {
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

QString StepPerformer::path(const QString& name) const {
    return QDir(folder_).filePath(name);
}

Outcome StepPerformer::writeFile(const Step& step) {
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
