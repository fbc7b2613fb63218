#pragma once

#include <QString>
#include <QTextStream>
#include <deque>
#include <functional>
#include <vector>

#include "tools/scenario/player.h"
#include "tools/scenario/script.h"
#include "tools/scenario/step_performer.h"

namespace game {
class Game;
}

namespace scenario {

// Plays a checked scenario against one game: player actions through the player, arranged state
// and expectations straight on the models. Prints every message box, beep and the program's end
// as it happens, every failed step, and the summary; returns the exit status (0 or 1).
class Runner {
public:
    Runner(game::Game& game, ui::ScriptedServices& services, Player& player, QString folder,
           QTextStream& out);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    int run(const std::vector<Step>& steps);

private:
    void onEvent(const ui::ServiceEvent& event);
    std::vector<Problem> guarded(const std::function<std::vector<Problem>()>& step);
    void finishStep(int line, bool isExpect, std::vector<Problem> problems);

    std::vector<Problem> execute(const Step& step);
    std::vector<Problem> expectValue(const Step& step);
    Outcome expectMessage(const Step& step);
    Outcome expectBeeps(int count);
    Outcome expectQuiet();
    Outcome expectFile(const Step& step) const;

    game::Game& game_;
    ui::ScriptedServices& services_;
    Player& player_;
    StepPerformer performer_;
    QTextStream& out_;
    int line_ = 0;
    std::deque<ui::ServiceEvent> unread_;  // message boxes and beeps no expect has looked at
    std::vector<Problem> eventProblems_;   // found while the current step ran
    int unansweredSeen_ = 0;
    int passed_ = 0;
    int failed_ = 0;
};

// "msg info "text"", "beep", ...: an event as a scenario line would name it.
QString describe(const ui::ServiceEvent& event);

}  // namespace scenario
