#include "stores/frm_pl.h"

#include <array>

#include "game/game.h"
#include "game/language_names.h"
#include "stores/purchase.h"

namespace stores {

namespace {

struct Language {
    int minOs;
    const char* osRefusal;
};

// Row by row beside the names of game::languageNames(), which the list shows and LblPL takes.
// The level of a language is its row + 1; it costs 100 rubles a level and takes 50 MB for the
// first, 100 MB a level above it for the others.
constexpr std::array<Language, 9> Catalogue = {{
    {1, "Basic можно поставить на ОС Windows 98 и лучше!"},
    {1, "QBasic можно поставить на ОС Windows 98 и лучше!"},
    {1, "Visual Basic можно поставить на ОС Windows 98 и лучше!"},
    {2, "Visual Basic .NET можно поставить на ОС Windows 2000 и лучше!"},
    {2, "Visual C# можно поставить на ОС Windows 2000 и лучше!"},
    {3, "Visual j# можно поставить на ОС Windows XP и лучше!"},
    {3, "Visual C можно поставить на ОС Windows XP и лучше!"},
    {4, "Visual C++ можно поставить на ОС Windows Vista и лучше!"},
    {4, "Visual C++ .NET можно поставить на ОС Windows Vista и лучше!"},
}};

int priceOf(int level) {
    return 100 * level;
}

int diskNeedOf(int level) {
    return level == 1 ? 50 : 100 * (level - 1);
}

QStringList prices() {
    QStringList list;
    for (int level = 1; level <= static_cast<int>(Catalogue.size()); ++level) {
        list.append(QString::number(priceOf(level)));
    }
    return list;
}

}  // namespace

FrmPL::FrmPL(game::Game& game)
    : StoreWindow(game, {"FrmPL", "Языки программирования", 170, 60, 1}, game::languageNames(),
                  prices()) {
    control("Command1").onClick = [this] { buy(); };
}

void FrmPL::unload() {
    game_.endActivity();
}

void FrmPL::buy() {
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(Catalogue.size())) {
        game_.info(QStringLiteral("Выбирете язык программирования!"));
        return;
    }
    const Language& item = Catalogue.at(static_cast<std::size_t>(row));
    const int level = row + 1;
    const int price = priceOf(level);
    const int diskNeed = diskNeedOf(level);
    game::GameGlobals& v = game_.globals;
    if (v.OsLevel < item.minOs) {
        game_.exclamation(QString::fromUtf8(item.osRefusal));
        return;
    }
    if (money(game_) < price) {
        game_.exclamation(moneyShortRefusal());
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
        game_.exclamation(lowDiskRefusal(diskNeed));
        return;
    }
    awardClimb(game_, installed, level);
    // The replaced language's space is not given back.
    game_.setFreeDisk(v.FreeDiskMb - diskNeed);
    v.LanguageLevel = QString::number(level);
    game_.info(QStringLiteral("Язык программирования куплен"));
    game_.setCaption("LblPL", game::languageName(level));
    setMoney(game_, money(game_) - price);
}

}  // namespace stores
