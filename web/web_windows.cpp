#include "web/web_windows.h"

#include "game/game.h"
#include "web/frm_dl.h"
#include "web/frm_internet.h"

namespace web {

void registerWebWindows(game::Game& game) {
    game::registerWindow<FrmInternet>(game);
    game::registerWindow<FrmDL>(game);
}

}  // namespace web
