#include "life/life_windows.h"

#include "game/game.h"
#include "life/form4.h"
#include "life/frm_magazine.h"
#include "life/frm_razvl.h"
#include "life/frm_teach.h"

namespace life {

void registerLifeWindows(game::Game& game) {
    game::registerWindow<FrmMagazine>(game);
    game::registerWindow<FrmRazvl>(game);
    game::registerWindow<FrmTeach>(game);
    game::registerWindow<Form4>(game);
}

}  // namespace life
