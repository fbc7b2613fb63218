#include "game/start_download.h"

#include "game/game.h"

namespace game {

void StartDownload(Game& g, const QString& name, std::int16_t sizeMb, std::uint8_t kind) {
    GameGlobals& v = g.globals;
    v.DownloadName = name;
    v.DownloadSize = sizeMb;
    v.DownloadKind = kind;
    if (g.knowsWindow(QStringLiteral("FrmDL"))) {
        g.show(QStringLiteral("FrmDL"));
    }
}

}  // namespace game
