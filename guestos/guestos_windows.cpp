#include "guestos/guestos_windows.h"

#include "game/game.h"
#include "guestos/frm_gb.h"
#include "guestos/frm_gui.h"
#include "guestos/frm_load_gui.h"

namespace guestos {

void registerGuestOsWindows(game::Game& game) {
    game::registerWindow<FrmLoadGUI>(game);
    game::registerWindow<FrmGUI>(game);
    game::registerWindow<FrmGB>(game);
}

}  // namespace guestos
