#include "web/web_windows.h"

#include "game/game.h"
#include "web/frm_dl.h"
#include "web/frm_internet.h"

namespace web {

void registerWebWindows(game::Game& game) {
    game.registerWindow(QStringLiteral("FrmInternet"),
                        [&game] { return std::make_unique<FrmInternet>(game); });
    game.registerWindow(QStringLiteral("FrmDL"), [&game] { return std::make_unique<FrmDL>(game); });
}

}  // namespace web
