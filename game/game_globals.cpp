#include "game/game_globals.h"

#include <cmath>
#include <limits>
#include <variant>
#include <vector>

#include "ui/numbers.h"

namespace game {

namespace {

using Field =
    std::variant<std::uint8_t GameGlobals::*, std::int16_t GameGlobals::*, QString GameGlobals::*>;

struct Named {
    const char* name;
    Field field;
};

const std::vector<Named>& fields() {
    static const std::vector<Named> table = {
        {"Salary", &GameGlobals::Salary},
        {"JobLevel", &GameGlobals::JobLevel},
        {"CpuLevel", &GameGlobals::CpuLevel},
        {"RamLevel", &GameGlobals::RamLevel},
        {"VideoLevel", &GameGlobals::VideoLevel},
        {"OsLevel", &GameGlobals::OsLevel},
        {"AntivirusLevel", &GameGlobals::AntivirusLevel},
        {"ModemLevel", &GameGlobals::ModemLevel},
        {"ModemSpeed", &GameGlobals::ModemSpeed},
        {"InternetConnected", &GameGlobals::InternetConnected},
        {"OfferPrice", &GameGlobals::OfferPrice},
        {"SchoolPoints", &GameGlobals::SchoolPoints},
        {"EnglishPoints", &GameGlobals::EnglishPoints},
        {"UniversityPoints", &GameGlobals::UniversityPoints},
        {"BrowserLevel", &GameGlobals::BrowserLevel},
        {"DownloadName", &GameGlobals::DownloadName},
        {"DownloadSize", &GameGlobals::DownloadSize},
        {"DownloadDone", &GameGlobals::DownloadDone},
        {"DownloadKind", &GameGlobals::DownloadKind},
        {"FreeDiskMb", &GameGlobals::FreeDiskMb},
        {"DiskLevel", &GameGlobals::DiskLevel},
        {"Hour", &GameGlobals::Hour},
        {"LanguageLevel", &GameGlobals::LanguageLevel},
    };
    return table;
}

const Named* lookup(const QString& name) {
    for (const Named& f : fields()) {
        if (name == QLatin1String(f.name)) {
            return &f;
        }
    }
    return nullptr;
}

template <class Int>
QString setWhole(Int& target, const QString& value) {
    bool ok = false;
    const long long n = value.trimmed().toLongLong(&ok);
    if (!ok || n < std::numeric_limits<Int>::min() || n > std::numeric_limits<Int>::max()) {
        return QStringLiteral("not a value of its type: ") + value;
    }
    target = static_cast<Int>(n);
    return {};
}

}  // namespace

int levelNumber(const QString& levelText) {
    const double value = ui::toNumber(levelText);
    // Level texts are whole numbers; a stray fraction rounds to the nearest level.
    if (value > 1e6 || value < -1e6) {
        return 0;
    }
    return static_cast<int>(std::lround(value));
}

bool isGlobalName(const QString& name) {
    return lookup(name) != nullptr;
}

QStringList globalNames() {
    QStringList names;
    for (const Named& f : fields()) {
        names.append(QLatin1String(f.name));
    }
    return names;
}

std::optional<QString> readGlobal(const GameGlobals& globals, const QString& name) {
    const Named* f = lookup(name);
    if (f == nullptr) {
        return std::nullopt;
    }
    return std::visit([&globals](auto member) { return valueText(globals.*member); }, f->field);
}

QString writeGlobal(GameGlobals& globals, const QString& name, const QString& value) {
    const Named* f = lookup(name);
    if (f == nullptr) {
        return QStringLiteral("no variable ") + name;
    }
    return std::visit(
        [&globals, &value](auto member) -> QString {
            auto& target = globals.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(target)>, QString>) {
                target = value;
                return {};
            } else {
                return setWhole(target, value);
            }
        },
        f->field);
}

}  // namespace game
