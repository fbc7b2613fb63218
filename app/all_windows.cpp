#include "app/all_windows.h"

#include "guestos/guestos_windows.h"
#include "life/life_windows.h"
#include "saves/save_windows.h"
#include "stores/store_windows.h"
#include "web/web_windows.h"

namespace app {

std::unique_ptr<game::Game> makeGame(ui::Services& services) {
    auto game = std::make_unique<game::Game>(services);
    life::registerLifeWindows(*game);
    stores::registerStoreWindows(*game);
    web::registerWebWindows(*game);
    saves::registerSaveWindows(*game);
    guestos::registerGuestOsWindows(*game);
    return game;
}

}  // namespace app
