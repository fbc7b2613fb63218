// The expectations of a scenario: values, message boxes and beeps, files.
#include <QFile>

#include "game/game.h"
#include "game/game_globals.h"
#include "tools/scenario/quoting.h"
#include "tools/scenario/runner.h"
#include "ui/property_access.h"

namespace scenario {

std::vector<Problem> Runner::expectValue(const Step& step) {
    const Target& t = step.target;
    const QString expected = t.text() + u' ' + quoted(step.text);
    std::optional<QString> actual;
    const ui::Window* window = nullptr;
    const ui::Control* control = nullptr;
    if (t.kind == Target::Global) {
        actual = game::readGlobal(game_.globals, t.property);
    } else if (const ui::Window* w = game_.model(t.window); w == nullptr) {
        return {{expected, QStringLiteral("window ") + t.window + QStringLiteral(" is not open")}};
    } else if (t.kind == Target::WindowProperty) {
        window = w;
        actual = ui::readWindowProperty(*w, t.property);
    } else {
        control = &w->control(t.control);
        actual = ui::readProperty(*control, t.property);
    }
    if (!actual) {
        return {{expected, QStringLiteral("no such row")}};
    }
    std::vector<Problem> problems;
    if (*actual != step.text) {
        problems.push_back({expected, quoted(*actual)});
    }
    // On screen the same text must show, as long as the window is there to be seen.
    const bool text = t.property == u"Caption" || t.property == u"Text";
    if (text && game_.find(t.window) != nullptr) {
        const auto shown = control != nullptr  ? player_.shownText(*control)
                           : window != nullptr ? player_.shownTitle(*window)
                                               : std::nullopt;
        // A title bar shows the caption and the window's note ("Пауза") after it.
        const QString onScreen = control != nullptr ? *actual : window->title();
        if (shown && *shown != onScreen) {
            const QString who = control != nullptr ? t.window + u'.' + t.control : t.window;
            problems.push_back({who + QStringLiteral(" showing ") + quoted(onScreen) +
                                    QStringLiteral(" on screen"),
                                quoted(*shown)});
        }
    }
    return problems;
}

Outcome Runner::expectMessage(const Step& step) {
    const bool prefix = step.op == Op::ExpectMessageStart;
    QString expected = (prefix ? QStringLiteral("msgstart ") : QStringLiteral("msg ")) +
                       QLatin1String(ui::kindName(step.kind)) + u' ' + quoted(step.text);
    if (step.hasTitle) {
        expected += u' ' + quoted(step.title);
    }
    if (unread_.empty()) {
        return Problem{expected, QStringLiteral("no message box")};
    }
    // The event is looked at, matching or not: the next expect goes on from the one after.
    const ui::ServiceEvent event = unread_.front();
    unread_.pop_front();
    const bool matches = event.type == ui::ServiceEvent::Message && event.kind == step.kind &&
                         (prefix ? event.text.startsWith(step.text) : event.text == step.text) &&
                         (!step.hasTitle || event.title == step.title);
    if (!matches) {
        QString got = describe(event);
        if (step.hasTitle && event.title == ui::defaultTitle()) {
            got += u' ' + quoted(event.title);
        }
        return Problem{expected, got};
    }
    return std::nullopt;
}

Outcome Runner::expectBeeps(int count) {
    int beeps = 0;
    while (beeps < count && !unread_.empty() && unread_.front().type == ui::ServiceEvent::Beep) {
        unread_.pop_front();
        ++beeps;
    }
    if (beeps == count) {
        return std::nullopt;
    }
    // What follows the beeps stays unread, for the next expect.
    const QString after = unread_.empty() ? QStringLiteral("nothing more")
                                          : QStringLiteral("then ") + describe(unread_.front());
    return Problem{QStringLiteral("%1 beep(s)").arg(count),
                   QStringLiteral("%1 beep(s), %2").arg(beeps).arg(after)};
}

Outcome Runner::expectQuiet() {
    if (unread_.empty()) {
        return std::nullopt;
    }
    QStringList left;
    for (const ui::ServiceEvent& event : unread_) {
        left.append(describe(event));
    }
    unread_.clear();
    return Problem{QStringLiteral("no message box or beep left"), left.join(QStringLiteral("; "))};
}

Outcome Runner::expectFile(const Step& step) const {
    QFile file(performer_.path(step.text));
    const QString name = QStringLiteral("file ") + quoted(step.text);
    if (step.op == Op::ExpectNoFile) {
        if (file.exists()) {
            return Problem{QStringLiteral("no ") + name, QStringLiteral("it exists")};
        }
        return std::nullopt;
    }
    const QString expected = name + QStringLiteral(" holding ") + quotedBytes(step.bytes);
    if (!file.exists()) {
        return Problem{expected, QStringLiteral("no such file")};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Problem{expected, file.errorString()};
    }
    const QByteArray content = file.readAll();
    if (content != step.bytes) {
        return Problem{expected, quotedBytes(content)};
    }
    return std::nullopt;
}

}  // namespace scenario
