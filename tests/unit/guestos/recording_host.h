#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "guestos/script_runner.h"
#include "ui/scripted_services.h"
#include "ui/services.h"

namespace guestos_tests {

// Writes down what a program did, one line per effect, in a form a test reads at a glance:
// "info [Demo] Hello", "plain [] text" (no title: the game's own), "beep", "end".
class RecordingHost : public guestos::ScriptHost {
public:
    void message(const QString& text, ui::MessageKind kind,
                 const std::optional<QString>& title) override {
        effects.append(
            QStringLiteral("%1 [%2] %3")
                .arg(QLatin1String(ui::kindName(kind)), title.value_or(QString()), text));
    }
    void beep() override { effects.append(QStringLiteral("beep")); }
    QString currentTime() override { return QStringLiteral("12:34:56"); }
    QString currentDate() override { return QStringLiteral("09.12.2026"); }
    void endProgram() override { effects.append(QStringLiteral("end")); }

    QStringList effects;
};

}  // namespace guestos_tests
