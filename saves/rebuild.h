#pragma once

#include <QString>

namespace game {
class Game;
}

namespace saves {

// After a load: everything the file does not hold is rebuilt from the loaded values (the clock,
// the names of the installed parts, programs, language and job, the salary, the education
// counters, the modem's step, the internet button and the free disk). A caption whose level is
// 0 reads "Нет"; one whose level has no name keeps what it showed. `internet` is the loaded
// text of the internet line, a number.
void rebuildFromLevels(game::Game& game, const QString& internet);

}  // namespace saves
