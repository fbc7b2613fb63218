// Saved games: any bytes either load, or leave the game exactly as it was and say why. A game
// that loaded saves to a file that loads back to the very same game.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "app/all_windows.h"
#include "game/form1.h"
#include "saves/game_record.h"
#include "ui/scripted_services.h"

namespace {

// Every input meets the same game: past the name window, with something of every kind for a
// load to replace.
const QByteArray Equipped =
    "5000\r\n80\r\n70\r\n90\r\n9\r\n4\r\n4\r\n4\r\n100\r\n2\r\n4\r\n5\r\n9\r\n2\r\n3\r\n1\r\n"
    "10\r\n10\r\n10\r\n 13 \r\n";

// The game, and a count of the changes its main window's controls report: a control tells its
// observer of every real change, so none counted and the same shared variables mean nothing
// changed, at a fraction of the cost of comparing every text.
struct Played : ui::ControlObserver {
    Played() : game(app::makeGame(services)) {
        game->start();
        game->click(game->find(QStringLiteral("FrmLogin"))->control(QStringLiteral("Command1")));
        services.clearPending();
        for (const auto& c : game->form1().controls()) {
            c->setObserver(this);
        }
        restore();
    }
    void controlChanged(ui::Control&, ui::Property) override { ++changes; }

    void restore() {
        if (saves::loadGame(*game, Equipped)) {
            std::abort();
        }
        changes = 0;
    }
    bool unchangedSince(const game::GameGlobals& globals) const {
        return changes == 0 && game->globals == globals && services.pending().empty();
    }

    ui::ScriptedServices services;
    std::unique_ptr<game::Game> game;
    int changes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Played played;
    game::Game& g = *played.game;
    const game::GameGlobals before = g.globals;
    const auto failure = saves::loadGame(
        g, QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (failure) {
        if (!played.unchangedSince(before) || failure->number <= 0 ||
            failure->description.isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const game::GameGlobals loaded = g.globals;
    played.changes = 0;
    if (saves::loadGame(g, saves::writeSave(saves::takeRecord(g))) ||
        !played.unchangedSince(loaded)) {
        std::abort();
    }
    played.restore();
    return 0;
}
