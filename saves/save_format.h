#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <variant>

namespace saves {

// A saved game is twenty lines of text, one value a line, each ended by CR LF. In the first
// nineteen every digit up to the line's highest encoded digit is written as its code; the hour,
// last, is a plain number between blanks.
inline constexpr int SaveLineCount = 20;

// The code each decimal digit is written as: two lower-case letters and two punctuation marks,
// so no code can be read across the border of its neighbours.
extern const std::array<QString, 10> DigitCodes;

// Writes every digit 0..highestDigit of the text as its code; other characters stay.
QString EncodeDigits(const QString& text, int highestDigit);
// Turns every code back into its digit; other characters stay.
QString DecodeDigits(const QString& text);

// The twenty values of a saved game, in line order.
struct SaveRecord {
    QString money;    // the captions of LblMoney, LblEda, LblRazvl and LblCoint
    QString satiety;  // (read back as "0" where they hold no number)
    QString mood;
    QString points;
    std::uint8_t JobLevel = 0;
    std::uint8_t CpuLevel = 0;
    std::uint8_t BrowserLevel = 0;
    QString DiskLevel = QStringLiteral("0");
    std::int16_t FreeDiskMb = 0;
    std::uint8_t RamLevel = 0;
    QString VideoLevel = QStringLiteral("0");
    std::uint8_t OsLevel = 0;
    QString LanguageLevel = QStringLiteral("0");
    std::uint8_t AntivirusLevel = 0;
    std::uint8_t ModemLevel = 0;
    QString internet = QStringLiteral("0");  // InternetConnected; read back as any number
    std::uint8_t SchoolPoints = 0;
    std::uint8_t EnglishPoints = 0;
    std::uint8_t UniversityPoints = 0;
    std::uint8_t Hour = 0;

    bool operator==(const SaveRecord&) const = default;
};

// Why a file is no saved game: a number for the player to quote and a short description.
struct LoadFailure {
    int number = 0;
    QString description;

    bool operator==(const LoadFailure&) const = default;
};

// The failures, by number.
namespace failures {
inline constexpr int CannotOpen = 1;
inline constexpr int MissingLine = 2;
inline constexpr int NotANumber = 3;
inline constexpr int OutOfRange = 4;
inline constexpr int TooLarge = 5;
}  // namespace failures

// The longest value a line may hold: room for the longest number the game prints (about 320
// characters near the top of a double's range). Written back, every digit takes four characters,
// so a longer value read from a small file could make a save too large to load again.
inline constexpr int MaxLineChars = 400;

// The file's bytes for a record.
QByteArray writeSave(const SaveRecord& record);

// A record from a file's bytes, every line read and checked, or why the bytes are no saved game.
// Lines may end in CR LF, LF or CR; what follows the twentieth line is never looked at.
std::variant<SaveRecord, LoadFailure> readSave(QByteArrayView bytes);

}  // namespace saves
