#pragma once

#include <QString>
#include <QStringList>

namespace autoplay {

// A scenario file played by the scenario driver's own runner, headless, in a fresh game folder.
struct ScenarioResult {
    int status = 2;        // as tarnvik-scenario exits: 0 passed, 1 a step failed, 2 unusable
    QStringList failures;  // its FAIL lines, or why it could not be played
};
ScenarioResult playScenario(const QString& path);

// One line on whether the replay reproduces the failure for the scenario driver.
QString checkReplay(const QString& path);

}  // namespace autoplay
