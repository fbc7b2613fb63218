#include "saves/frm_save_end.h"

#include "game/game.h"

namespace saves {

FrmSaveEnd::FrmSaveEnd(game::Game& game) : SaveWindow(game, "FrmSaveEnd") {}

void FrmSaveEnd::saved(bool /*replaced*/) {
    game_.info(QStringLiteral("Игра сохранена!"));
    game_.endProgram();
}

}  // namespace saves
