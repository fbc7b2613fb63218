#include "guestos/guestos_windows.h"

#include "game/game.h"
#include "guestos/frm_gb.h"
#include "guestos/frm_gui.h"
#include "guestos/frm_load_gui.h"

namespace guestos {

void registerGuestOsWindows(game::Game& game) {
    game.registerWindow(QStringLiteral("FrmLoadGUI"),
                        [&game] { return std::make_unique<FrmLoadGUI>(game); });
    game.registerWindow(QStringLiteral("FrmGUI"),
                        [&game] { return std::make_unique<FrmGUI>(game); });
    game.registerWindow(QStringLiteral("FrmGB"), [&game] { return std::make_unique<FrmGB>(game); });
}

}  // namespace guestos
