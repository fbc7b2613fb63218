#include "saves/save_windows.h"

#include "game/game.h"
#include "saves/frm_save_end.h"
#include "saves/frmload.h"
#include "saves/frmsave.h"

namespace saves {

void registerSaveWindows(game::Game& game) {
    game.registerWindow(QStringLiteral("Frmsave"),
                        [&game] { return std::make_unique<Frmsave>(game); });
    game.registerWindow(QStringLiteral("FrmSaveEnd"),
                        [&game] { return std::make_unique<FrmSaveEnd>(game); });
    game.registerWindow(QStringLiteral("Frmload"),
                        [&game] { return std::make_unique<Frmload>(game); });
}

}  // namespace saves
