#include "life/life_windows.h"

#include "game/game.h"
#include "life/form4.h"
#include "life/frm_magazine.h"
#include "life/frm_razvl.h"
#include "life/frm_teach.h"

namespace life {

void registerLifeWindows(game::Game& game) {
    game.registerWindow(QStringLiteral("FrmMagazine"),
                        [&game] { return std::make_unique<FrmMagazine>(game); });
    game.registerWindow(QStringLiteral("FrmRazvl"),
                        [&game] { return std::make_unique<FrmRazvl>(game); });
    game.registerWindow(QStringLiteral("FrmTeach"),
                        [&game] { return std::make_unique<FrmTeach>(game); });
    game.registerWindow(QStringLiteral("Form4"), [&game] { return std::make_unique<Form4>(game); });
}

}  // namespace life
