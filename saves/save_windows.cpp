#include "saves/save_windows.h"

#include "game/game.h"
#include "saves/frm_save_end.h"
#include "saves/frmload.h"
#include "saves/frmsave.h"

namespace saves {

void registerSaveWindows(game::Game& game) {
    game::registerWindow<Frmsave>(game);
    game::registerWindow<FrmSaveEnd>(game);
    game::registerWindow<Frmload>(game);
}

}  // namespace saves
