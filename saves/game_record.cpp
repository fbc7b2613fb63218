#include "saves/game_record.h"

#include <array>
#include <tuple>
#include <utility>

#include "game/game.h"
#include "saves/rebuild.h"

namespace saves {

namespace {

using game::GameGlobals;

// The captions a saved game holds, by the record's field.
const std::array<std::pair<QString SaveRecord::*, QString>, 4> Captions = {{
    {&SaveRecord::money, QStringLiteral("LblMoney")},
    {&SaveRecord::satiety, QStringLiteral("LblEda")},
    {&SaveRecord::mood, QStringLiteral("LblRazvl")},
    {&SaveRecord::points, QStringLiteral("LblCoint")},
}};

// The shared variables a saved game holds as they are; the internet line is read as a number.
const auto Shared =
    std::make_tuple(std::pair{&SaveRecord::JobLevel, &GameGlobals::JobLevel},
                    std::pair{&SaveRecord::CpuLevel, &GameGlobals::CpuLevel},
                    std::pair{&SaveRecord::BrowserLevel, &GameGlobals::BrowserLevel},
                    std::pair{&SaveRecord::DiskLevel, &GameGlobals::DiskLevel},
                    std::pair{&SaveRecord::FreeDiskMb, &GameGlobals::FreeDiskMb},
                    std::pair{&SaveRecord::RamLevel, &GameGlobals::RamLevel},
                    std::pair{&SaveRecord::VideoLevel, &GameGlobals::VideoLevel},
                    std::pair{&SaveRecord::OsLevel, &GameGlobals::OsLevel},
                    std::pair{&SaveRecord::LanguageLevel, &GameGlobals::LanguageLevel},
                    std::pair{&SaveRecord::AntivirusLevel, &GameGlobals::AntivirusLevel},
                    std::pair{&SaveRecord::ModemLevel, &GameGlobals::ModemLevel},
                    std::pair{&SaveRecord::SchoolPoints, &GameGlobals::SchoolPoints},
                    std::pair{&SaveRecord::EnglishPoints, &GameGlobals::EnglishPoints},
                    std::pair{&SaveRecord::UniversityPoints, &GameGlobals::UniversityPoints},
                    std::pair{&SaveRecord::Hour, &GameGlobals::Hour});

template <class Each>
void forEachShared(Each each) {
    std::apply([&each](const auto&... pair) { (each(pair.first, pair.second), ...); }, Shared);
}

}  // namespace

SaveRecord takeRecord(const game::Game& g) {
    SaveRecord record;
    for (const auto& [field, label] : Captions) {
        record.*field = g.caption(label);
    }
    forEachShared([&](auto field, auto shared) { record.*field = g.globals.*shared; });
    record.internet = QString::number(g.globals.InternetConnected);
    return record;
}

std::optional<LoadFailure> loadGame(game::Game& g, QByteArrayView bytes) {
    const auto read = readSave(bytes);
    if (const auto* failure = std::get_if<LoadFailure>(&read)) {
        return *failure;
    }
    const SaveRecord& record = std::get<SaveRecord>(read);
    for (const auto& [field, label] : Captions) {
        g.setCaption(label, record.*field);
    }
    forEachShared([&](auto field, auto shared) { g.globals.*shared = record.*field; });
    rebuildFromLevels(g, record.internet);
    return std::nullopt;
}

QString failureMessage(const LoadFailure& failure) {
    return QStringLiteral("Ошибка загрузки игры!\r\n") + failure.description +
           QStringLiteral(" номер ошибки: ") + QString::number(failure.number);
}

}  // namespace saves
