#include "stores/store_windows.h"

#include "game/game.h"
#include "stores/form2.h"
#include "stores/form3.h"
#include "stores/frm_pl.h"

namespace stores {

void registerStoreWindows(game::Game& game) {
    game.registerWindow(QStringLiteral("Form2"), [&game] { return std::make_unique<Form2>(game); });
    game.registerWindow(QStringLiteral("Form3"), [&game] { return std::make_unique<Form3>(game); });
    game.registerWindow(QStringLiteral("FrmPL"), [&game] { return std::make_unique<FrmPL>(game); });
}

}  // namespace stores
