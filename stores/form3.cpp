#include "stores/form3.h"

#include <array>
#include <cstdint>

#include "game/form1.h"
#include "game/game.h"
#include "game/points_and_money.h"
#include "game/programs.h"

namespace stores {

namespace {

using game::ProgramKind;
using game::Software;

// Windows Vista announces itself before it is installed.
constexpr int ThanksFirstRow = 0;

struct SoftwareKind {
    const char* label;
    const char* sameRefusal;
    const char* betterRefusal;
    const char* success;
};

const SoftwareKind& kindOf(ProgramKind kind) {
    static const std::array<SoftwareKind, 3> kinds = {{
        {"LblOS", "У вас эта OS установлена!", "У вас стоит OS лучшее этой!", "ОС купленно!"},
        {"LblAV", "У вас этот Антивирус установлен!", "У вас стоит Антивирус лучшее этого!",
         "Антивирус купленно!"},
        {"LblIB", "У вас этот интернет браузер установлен!",
         "У вас стоит интернет браузер лучшее этого!", "Интернет Браузер купленно!"},
    }};
    return kinds.at(static_cast<std::size_t>(kind));
}

std::uint8_t& levelOf(game::GameGlobals& v, ProgramKind kind) {
    switch (kind) {
        case ProgramKind::System:
            return v.OsLevel;
        case ProgramKind::Antivirus:
            return v.AntivirusLevel;
        case ProgramKind::Browser:
            return v.BrowserLevel;
    }
    return v.OsLevel;
}

bool needsMet(const game::GameGlobals& v, const game::Needs& needs) {
    return v.CpuLevel >= needs.cpu && v.RamLevel >= needs.ram &&
           game::levelNumber(v.VideoLevel) >= needs.video && v.OsLevel >= needs.os;
}

QStringList names() {
    QStringList list;
    for (const Software& s : game::softwareCatalogue()) {
        list.append(QString::fromUtf8(s.name));
    }
    return list;
}

// The price beside each program is the one charged for it.
QStringList prices() {
    QStringList list;
    for (const Software& s : game::softwareCatalogue()) {
        list.append(QString::number(s.price));
    }
    return list;
}

}  // namespace

Form3::Form3(game::Game& game) : StoreWindow(game, {Name, "ПО", 170, 76, 2}, names(), prices()) {
    control("Command1").onClick = [this] { buy(); };
    addButton("Command2", "Купить язык программирования", buttonPlace(1)).onClick = [this] {
        toLanguageStore();
    };
}

void Form3::queryUnload() {
    game_.endActivity();
}

void Form3::buy() {
    const auto catalogue = game::softwareCatalogue();
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(catalogue.size())) {
        game_.exclamation(QStringLiteral("Выберете ПО!"));
        return;
    }
    const Software& item = catalogue[static_cast<std::size_t>(row)];
    const SoftwareKind& kind = kindOf(item.kind);
    game::GameGlobals& v = game_.globals;
    const int installed = levelOf(v, item.kind);
    if (!needsMet(v, item.needs)) {
        game_.exclamation(QString::fromUtf8(item.needsRefusal));
        return;
    }
    if (game::money(game_) < item.price) {
        game_.exclamation(game::moneyShortRefusal());
        return;
    }
    if (installed > item.level) {
        game_.exclamation(QString::fromUtf8(kind.betterRefusal));
        return;
    }
    if (installed == item.level) {
        game_.exclamation(QString::fromUtf8(kind.sameRefusal));
        return;
    }
    if (v.FreeDiskMb < item.diskMb) {
        game_.exclamation(game::lowDiskRefusal(item.diskMb));
        return;
    }
    const QString success = QString::fromUtf8(kind.success);
    if (row == ThanksFirstRow) {
        game_.info(success);
    }
    game::awardClimb(game_, installed, item.level);
    // The replaced program's space is not given back.
    game_.setFreeDisk(v.FreeDiskMb - item.diskMb);
    levelOf(v, item.kind) = static_cast<std::uint8_t>(item.level);
    if (row != ThanksFirstRow) {
        game_.info(success);
    }
    game_.setCaption(QString::fromUtf8(kind.label), QString::fromUtf8(item.labelText));
    game::setMoney(game_, game::money(game_) - item.price);
}

void Form3::toLanguageStore() {
    game::Game& game = game_;
    // Closing gives the clock and the main window back; the language store takes them again.
    game.close(*this);
    game.form1().setEnabled(false);
    game.clock().setEnabled(false);
    game.show(QStringLiteral("FrmPL"));
}

}  // namespace stores
