#include "stores/frm_pl.h"

#include "game/game.h"
#include "game/points_and_money.h"
#include "game/programs.h"

namespace stores {

namespace {

QStringList prices() {
    QStringList list;
    for (int level = 1; level <= static_cast<int>(game::languageCatalogue().size()); ++level) {
        list.append(QString::number(game::languagePrice(level)));
    }
    return list;
}

}  // namespace

FrmPL::FrmPL(game::Game& game)
    : StoreWindow(game, {Name, "Языки программирования", 170, 76, 1}, game::languageNames(),
                  prices()) {
    control("Command1").onClick = [this] { buy(); };
}

void FrmPL::unload() {
    game_.endActivity();
}

void FrmPL::buy() {
    const auto catalogue = game::languageCatalogue();
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(catalogue.size())) {
        game_.info(QStringLiteral("Выбирете язык программирования!"));
        return;
    }
    const game::Language& item = catalogue[static_cast<std::size_t>(row)];
    const int level = row + 1;
    const int price = game::languagePrice(level);
    const int diskNeed = game::languageDiskMb(level);
    game::GameGlobals& v = game_.globals;
    if (v.OsLevel < item.minOs) {
        game_.exclamation(QString::fromUtf8(item.osRefusal));
        return;
    }
    if (game::money(game_) < price) {
        game_.exclamation(game::moneyShortRefusal());
        return;
    }
    const int installed = game::levelNumber(v.LanguageLevel);
    if (installed > level) {
        game_.exclamation(QStringLiteral("У вас стоит язык программирования лучшее этого!"));
        return;
    }
    if (installed == level) {
        game_.exclamation(QStringLiteral("У вас этот язык программирования установлен!"));
        return;
    }
    if (v.FreeDiskMb < diskNeed) {
        game_.exclamation(game::lowDiskRefusal(diskNeed));
        return;
    }
    game::awardClimb(game_, installed, level);
    // The replaced language's space is not given back.
    game_.setFreeDisk(v.FreeDiskMb - diskNeed);
    v.LanguageLevel = QString::number(level);
    game_.info(QStringLiteral("Язык программирования куплен"));
    game_.setCaption("LblPL", game::languageName(level));
    game::setMoney(game_, game::money(game_) - price);
}

}  // namespace stores
