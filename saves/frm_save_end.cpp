#include "saves/frm_save_end.h"

#include "game/game.h"

namespace saves {

FrmSaveEnd::FrmSaveEnd(game::Game& game) : SaveWindow(game, Name) {
    // The main window has closed already, and the close box ends the program: this window is
    // on its own, and Esc must not end the game by a slip of the finger.
    standsAlone = true;
    escapeCloses = false;
}

void FrmSaveEnd::saved(bool /*replaced*/) {
    game_.info(QStringLiteral("Игра сохранена!"));
    game_.endProgram();
}

}  // namespace saves
