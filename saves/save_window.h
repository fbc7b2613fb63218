#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace saves {

// The face both save windows share ("Сохранение": a prompt, the name box holding "Sav" and the
// "Сохранить" button) and the save itself. The window stays open whenever nothing was saved:
// an empty or refused name, a file the player would not replace, a write that failed.
class SaveWindow : public ui::Window {
protected:
    SaveWindow(game::Game& game, QStringView name);

    // The file was written; `replaced` when it took the place of an older save.
    virtual void saved(bool replaced) = 0;

    game::Game& game_;

private:
    void save();
};

}  // namespace saves
