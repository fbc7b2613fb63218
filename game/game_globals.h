#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace game {

class Game;

// The shared game variables every window reads and writes. Bytes and int16 values keep the
// widths the rules and saved games rely on; the three level texts hold a whole number.
struct GameGlobals {
    std::int16_t Salary = 0;
    std::uint8_t JobLevel = 0;
    std::uint8_t CpuLevel = 0;
    std::uint8_t RamLevel = 0;
    QString VideoLevel = QStringLiteral("0");
    std::uint8_t OsLevel = 0;
    std::uint8_t AntivirusLevel = 0;
    std::uint8_t ModemLevel = 0;
    std::uint8_t ModemSpeed = 0;
    std::uint8_t InternetConnected = 0;
    std::uint8_t OfferPrice = 0;
    std::uint8_t SchoolPoints = 0;
    std::uint8_t EnglishPoints = 0;
    std::uint8_t UniversityPoints = 0;
    std::uint8_t BrowserLevel = 0;
    QString DownloadName;
    std::int16_t DownloadSize = 0;
    std::int16_t DownloadDone = 0;
    std::uint8_t DownloadKind = 0;
    std::int16_t FreeDiskMb = 0;
    QString DiskLevel = QStringLiteral("0");
    std::uint8_t Hour = 0;
    QString LanguageLevel = QStringLiteral("0");

    bool operator==(const GameGlobals&) const = default;
};

// The text form of a shared variable (or of a value of the same types): a text as it is, a
// number in decimal.
inline QString valueText(const QString& value) {
    return value;
}
template <class Int>
QString valueText(Int value) {
    return QString::number(value);
}

// A level text read as a number, as the stores compare levels ("0" when it holds none).
int levelNumber(const QString& levelText);

// Access by name for the scenario driver: the text form of a variable, and setting it from
// text with its type's range checked (an empty result means it was set).
bool isGlobalName(const QString& name);
QStringList globalNames();
std::optional<QString> readGlobal(const GameGlobals& globals, const QString& name);
QString writeGlobal(GameGlobals& globals, const QString& name, const QString& value);

}  // namespace game
