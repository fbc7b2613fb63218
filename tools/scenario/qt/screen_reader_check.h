#pragma once

#include <QMessageBox>
#include <QSet>
#include <QString>
#include <vector>

#include "tools/scenario/player.h"

namespace ui::qt {
class QtFrontEnd;
}

namespace scenario {

// What a screen reader could not tell of the game's windows on screen, from the accessibility
// interfaces Qt hands the accessibility bus: a window that is not a window, dialog or alert named
// by its caption, or a control a player can reach or read that has no role or no name. Each
// fault is told once a run, so a window that stays open does not repeat it at every step.
class ScreenReaderCheck {
public:
    std::vector<Problem> windows(const ui::Application& app, const ui::qt::QtFrontEnd& front);
    std::vector<Problem> messageBox(QMessageBox& box);

private:
    void once(std::vector<Problem>& problems, const QString& what, Problem problem);

    QSet<QString> told_;
};

}  // namespace scenario
