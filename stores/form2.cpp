#include "stores/form2.h"

#include <array>
#include <cstdint>

#include "game/game.h"
#include "game/hardware_parts.h"
#include "game/points_and_money.h"
#include "game/ruble_word.h"
#include "ui/numbers.h"

namespace stores {

namespace {

using game::Component;
using game::Hardware;

// The row whose offer names its word with a capital letter.
constexpr int CapitalWordRow = 7;

struct ComponentTexts {
    const char* label;
    const char* sameRefusal;
    const char* betterRefusal;
};

const ComponentTexts& kindOf(Component component) {
    static const std::array<ComponentTexts, 5> kinds = {{
        {"LblCPU", "У вас Этот Процессор установлен!", "У вас стоит процессор лучше этого"},
        {"LblRam", "У вас эта Ram установлена!", "У вас стоит Ram лучше этой!"},
        {"LblModem", "У вас этот модем установлен!", "У вас стоит модем лучше этого!"},
        {"LblHD", "У вас этот винчестер установлен!", "У вас стоит винчестер лучше этого!"},
        {"LblVideo", "У вас Эта видео карта установлен!", "У вас стоит видео карта лучше этой"},
    }};
    return kinds.at(static_cast<std::size_t>(component));
}

int installedLevel(const game::GameGlobals& v, Component component) {
    switch (component) {
        case Component::Processor:
            return v.CpuLevel;
        case Component::Memory:
            return v.RamLevel;
        case Component::Modem:
            return v.ModemLevel;
        case Component::Disk:
            return game::levelNumber(v.DiskLevel);
        case Component::Video:
            return game::levelNumber(v.VideoLevel);
    }
    return 0;
}

void install(game::GameGlobals& v, Component component, int level) {
    const auto byte = static_cast<std::uint8_t>(level);
    switch (component) {
        case Component::Processor:
            v.CpuLevel = byte;
            break;
        case Component::Memory:
            v.RamLevel = byte;
            break;
        case Component::Modem:
            v.ModemLevel = byte;
            v.ModemSpeed = game::modemSpeed(level);
            break;
        case Component::Disk:
            v.DiskLevel = QString::number(level);
            break;
        case Component::Video:
            v.VideoLevel = QString::number(level);
            break;
    }
}

int bestLevel(Component component) {
    int best = 0;
    for (const Hardware& h : game::hardwareCatalogue()) {
        if (h.component == component && h.level > best) {
            best = h.level;
        }
    }
    return best;
}

QStringList names() {
    QStringList list;
    for (const Hardware& h : game::hardwareCatalogue()) {
        list.append(QString::fromUtf8(h.name));
    }
    return list;
}

QStringList prices() {
    QStringList list;
    for (const Hardware& h : game::hardwareCatalogue()) {
        list.append(QString::number(h.price));
    }
    return list;
}

}  // namespace

Form2::Form2(game::Game& game)
    : StoreWindow(game, {Name, "Апгрейд", 170, 76, 1, 4}, names(), prices()) {
    control("Command1").onClick = [this] { buy(); };
}

void Form2::queryUnload() {
    game_.endActivity();
}

void Form2::afterEvent() {
    control("Label2").setCaption(eraseWarning());
}

QString Form2::eraseWarning() const {
    const auto catalogue = game::hardwareCatalogue();
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(catalogue.size()) ||
        catalogue[static_cast<std::size_t>(row)].component != Component::Disk) {
        return {};
    }
    // Exactly what eraseSoftware takes, each by its kind and the name the main window shows.
    const game::GameGlobals& v = game_.globals;
    struct Installed {
        const char* kind;
        int level;
        const char* label;
    };
    const Installed software[] = {
        {"ОС", v.OsLevel, "LblOS"},
        {"антивирус", v.AntivirusLevel, "LblAV"},
        {"браузер", v.BrowserLevel, "LblIB"},
        {"язык", game::levelNumber(v.LanguageLevel), "LblPL"},
    };
    QStringList erased;
    for (const Installed& s : software) {
        if (s.level <= 0) {
            continue;
        }
        const QString name = game_.caption(QString::fromUtf8(s.label));
        erased.append(name.isEmpty() || name == QStringLiteral("Нет")
                          ? QString::fromUtf8(s.kind)
                          : QString::fromUtf8(s.kind) + u' ' + name);
    }
    if (erased.isEmpty()) {
        return {};
    }
    const QString last = erased.takeLast();
    const QString all =
        erased.isEmpty() ? last : erased.join(QStringLiteral(", ")) + QStringLiteral(" и ") + last;
    return QStringLiteral("Новый винчестер сотрёт ") + all + u'.';
}

void Form2::buy() {
    const auto catalogue = game::hardwareCatalogue();
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(catalogue.size())) {
        game_.exclamation(QStringLiteral("Выберете железо!"));
        return;
    }
    const Hardware& item = catalogue[static_cast<std::size_t>(row)];
    const ComponentTexts& kind = kindOf(item.component);
    const int installed = installedLevel(game_.globals, item.component);
    if (installed == item.level) {
        game_.exclamation(QString::fromUtf8(kind.sameRefusal));
        return;
    }
    if (installed > item.level) {
        game_.exclamation(QString::fromUtf8(kind.betterRefusal));
        return;
    }
    // What the old part would fetch does not count: the new one must be paid for in full.
    if (game::money(game_) < item.price) {
        game_.exclamation(game::moneyShortRefusal());
        return;
    }
    if (installed >= 1 && !offerBuyBack(row)) {
        return;
    }
    if (item.component == Component::Disk) {
        eraseSoftware();
    }
    game::awardClimb(game_, installed, item.level);
    if (item.component == Component::Disk) {
        game_.setFreeDisk(game::diskCapacity(item.level));
    }
    install(game_.globals, item.component, item.level);
    game_.info(QStringLiteral("Апгрейд совершён!"));
    game_.setCaption(QString::fromUtf8(kind.label), QString::fromUtf8(item.name));
    game::setMoney(game_, game::money(game_) - item.price);
}

bool Form2::offerBuyBack(int row) {
    const auto catalogue = game::hardwareCatalogue();
    const Component component = catalogue[static_cast<std::size_t>(row)].component;
    const QString label = QString::fromUtf8(kindOf(component).label);
    const QString oldName = game_.caption(label);
    // The best part of a kind is never sold: nothing can replace it.
    int oldRow = -1;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const Hardware& h = catalogue[i];
        if (h.component == component && h.level < bestLevel(component) &&
            oldName == QString::fromUtf8(h.name)) {
            oldRow = static_cast<int>(i);
            break;
        }
    }
    if (oldRow < 0) {
        return true;  // nothing recognisable to sell ("Нет"): buy without an offer
    }
    // The price list on the window is what the old part is valued at.
    const int oldPrice = static_cast<int>(ui::toNumber(control("List2").item(oldRow)));
    const int lastDigit = oldPrice % 10;
    game_.globals.OfferPrice = static_cast<std::uint8_t>(lastDigit);
    QString word = game::RubleWord(lastDigit);
    if (row == CapitalWordRow && word == QStringLiteral(" рублей")) {
        word = QStringLiteral(" Рублей");
    }
    const double offer = oldPrice / 2.0;
    if (!game_.ask(QStringLiteral("Хотите продать ") + oldName + QStringLiteral(" за ") +
                   ui::numberText(offer) + word)) {
        return false;
    }
    game::setMoney(game_, game::money(game_) + offer);
    return true;
}

void Form2::eraseSoftware() {
    game::GameGlobals& v = game_.globals;
    v.OsLevel = 0;
    v.AntivirusLevel = 0;
    v.BrowserLevel = 0;
    v.LanguageLevel = QStringLiteral("0");
    for (const char* label : {"LblOS", "LblAV", "LblIB", "LblPL"}) {
        game_.setCaption(QString::fromUtf8(label), QStringLiteral("Нет"));
    }
}

}  // namespace stores
