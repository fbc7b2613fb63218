#include "stores/store_windows.h"

#include "game/game.h"
#include "stores/form2.h"
#include "stores/form3.h"
#include "stores/frm_pl.h"

namespace stores {

void registerStoreWindows(game::Game& game) {
    game::registerWindow<Form2>(game);
    game::registerWindow<Form3>(game);
    game::registerWindow<FrmPL>(game);
}

}  // namespace stores
