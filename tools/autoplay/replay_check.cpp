#include "tools/autoplay/replay_check.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/all_windows.h"
#include "tools/scenario/headless_player.h"
#include "tools/scenario/name_check.h"
#include "tools/scenario/runner.h"
#include "tools/scenario/script.h"

namespace autoplay {

ScenarioResult playScenario(const QString& path) {
    ScenarioResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failures.append(path + QStringLiteral(": ") + file.errorString());
        return result;
    }
    const scenario::Script script = scenario::parseScript(file.readAll());
    ui::ScriptedServices services;
    const auto game = app::makeGame(services);
    const std::vector<scenario::Fault> faults = scenario::scriptFaults(script, *game);
    for (const scenario::Fault& f : faults) {
        result.failures.append(QStringLiteral("line %1: %2").arg(f.line).arg(f.why));
    }
    QTemporaryDir folder;
    if (!faults.empty() || !folder.isValid() ||
        !QDir().mkpath(folder.path() + QStringLiteral("/PF"))) {
        return result;
    }
    services.folder = folder.path();
    scenario::HeadlessPlayer player(*game);
    QString output;
    QTextStream out(&output);
    {
        scenario::Runner runner(*game, services, player, folder.path(), out);
        result.status = runner.run(script.steps);
    }
    for (const QString& line : output.split(u'\n')) {
        if (line.startsWith(QStringLiteral("FAIL"))) {
            result.failures.append(line);
        }
    }
    return result;
}

QString checkReplay(const QString& path) {
    const ScenarioResult result = playScenario(path);
    switch (result.status) {
        case 0:
            return QStringLiteral(
                "tarnvik-scenario plays the replay through without a failed step: "
                "what broke is no check a scenario can make (see its last lines)");
        case 1:
            return QStringLiteral("tarnvik-scenario reproduces it: ") + result.failures.value(0);
        default:
            return QStringLiteral("tarnvik-scenario cannot play the replay: ") +
                   result.failures.join(QStringLiteral("; "));
    }
}

}  // namespace autoplay
