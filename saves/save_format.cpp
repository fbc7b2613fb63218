#include "saves/save_format.h"

#include <cmath>
#include <limits>

#include "game/game_globals.h"
#include "ui/numbers.h"

namespace saves {

const std::array<QString, 10> DigitCodes = {
    QStringLiteral("km;~"), QStringLiteral("ln:?"), QStringLiteral("mo=/"), QStringLiteral("np{}"),
    QStringLiteral("ok~;"), QStringLiteral("pl?:"), QStringLiteral("kn/="), QStringLiteral("lo}{"),
    QStringLiteral("mp;'"), QStringLiteral("nk'~"),
};

QString EncodeDigits(const QString& text, int highestDigit) {
    QString result = text;
    for (int d = 0; d <= highestDigit && d <= 9; ++d) {
        result.replace(QChar(u'0' + d), DigitCodes.at(static_cast<std::size_t>(d)));
    }
    return result;
}

QString DecodeDigits(const QString& text) {
    static const std::array<QString, 10> digits = [] {
        std::array<QString, 10> texts;
        for (int d = 0; d <= 9; ++d) {
            texts.at(static_cast<std::size_t>(d)) = QString(QChar(u'0' + d));
        }
        return texts;
    }();
    QString result = text;
    for (std::size_t d = 0; d < digits.size(); ++d) {
        result.replace(DigitCodes.at(d), digits.at(d));
    }
    return result;
}

namespace {

// How a line is written and read back.
enum class Kind {
    Caption,   // a caption as it stands; "0" when it holds no number
    Byte,      // 0..255, anything else fails
    Level,     // a level text, taken as it is
    FreeDisk,  // a signed 16-bit number; 0 when it is none, out of range fails
    Internet,  // any number, kept as text for the loader; no number fails
    Hour,      // a byte written plain between blanks
};

struct Line {
    Kind kind;
    int highestDigit;  // digits above it stay plain
    std::variant<QString SaveRecord::*, std::uint8_t SaveRecord::*, std::int16_t SaveRecord::*>
        field;
};

const std::array<Line, SaveLineCount>& lines() {
    static const std::array<Line, SaveLineCount> table = {{
        {Kind::Caption, 9, &SaveRecord::money},
        {Kind::Caption, 9, &SaveRecord::satiety},
        {Kind::Caption, 9, &SaveRecord::mood},
        {Kind::Caption, 9, &SaveRecord::points},
        {Kind::Byte, 9, &SaveRecord::JobLevel},
        {Kind::Byte, 4, &SaveRecord::CpuLevel},
        {Kind::Byte, 4, &SaveRecord::BrowserLevel},
        {Kind::Level, 4, &SaveRecord::DiskLevel},
        {Kind::FreeDisk, 9, &SaveRecord::FreeDiskMb},
        {Kind::Byte, 2, &SaveRecord::RamLevel},
        {Kind::Level, 4, &SaveRecord::VideoLevel},
        {Kind::Byte, 5, &SaveRecord::OsLevel},
        {Kind::Level, 9, &SaveRecord::LanguageLevel},
        {Kind::Byte, 2, &SaveRecord::AntivirusLevel},
        {Kind::Byte, 3, &SaveRecord::ModemLevel},
        {Kind::Internet, 1, &SaveRecord::internet},
        {Kind::Byte, 9, &SaveRecord::SchoolPoints},
        {Kind::Byte, 9, &SaveRecord::EnglishPoints},
        {Kind::Byte, 9, &SaveRecord::UniversityPoints},
        {Kind::Hour, 0, &SaveRecord::Hour},
    }};
    return table;
}

// A value that holds a line break would split its line and shift every line after it.
QString oneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

LoadFailure notANumber(int line) {
    return {failures::NotANumber, QStringLiteral("В строке %1 не число").arg(line)};
}

LoadFailure tooLong(int line) {
    return {failures::TooLarge, QStringLiteral("Строка %1 слишком длинная").arg(line)};
}

LoadFailure outOfRange(int line) {
    return {failures::OutOfRange,
            QStringLiteral("Число в строке %1 вне допустимых пределов").arg(line)};
}

// A whole number within the field's type; a fraction rounds to the nearest, halves away from
// zero.
template <class Int>
std::optional<LoadFailure> takeWhole(SaveRecord& record, const Line& line, const QString& text,
                                     int number) {
    const auto value = ui::parseNumber(text);
    if (!value) {
        return notANumber(number);
    }
    const double low = std::numeric_limits<Int>::min();
    const double high = std::numeric_limits<Int>::max();
    if (!(*value > low - 0.5 && *value < high + 0.5)) {
        return outOfRange(number);
    }
    record.*std::get<Int SaveRecord::*>(line.field) = static_cast<Int>(std::lround(*value));
    return std::nullopt;
}

// Fills the line's field of the record from its text, or tells why it cannot.
std::optional<LoadFailure> take(SaveRecord& record, const Line& line, const QString& text,
                                int number) {
    switch (line.kind) {
        case Kind::Caption:
            record.*std::get<QString SaveRecord::*>(line.field) =
                ui::parseNumber(text) ? text : QStringLiteral("0");
            return std::nullopt;
        case Kind::Level:
            record.*std::get<QString SaveRecord::*>(line.field) = text;
            return std::nullopt;
        case Kind::Internet:
            if (!ui::parseNumber(text)) {
                return notANumber(number);
            }
            record.*std::get<QString SaveRecord::*>(line.field) = text;
            return std::nullopt;
        case Kind::FreeDisk:
            return takeWhole<std::int16_t>(record, line, ui::parseNumber(text) ? text : "0",
                                           number);
        case Kind::Byte:
        case Kind::Hour:
            return takeWhole<std::uint8_t>(record, line, text, number);
    }
    return std::nullopt;
}

}  // namespace

QByteArray writeSave(const SaveRecord& record) {
    QByteArray bytes;
    for (const Line& line : lines()) {
        const QString text = oneLine(std::visit(
            [&record](auto member) { return game::valueText(record.*member); }, line.field));
        const QString written = line.kind == Kind::Hour ? QStringLiteral(" ") + text + u' '
                                                        : EncodeDigits(text, line.highestDigit);
        bytes += written.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

std::variant<SaveRecord, LoadFailure> readSave(QByteArrayView bytes) {
    SaveRecord record;
    qsizetype at = 0;
    const qsizetype size = bytes.size();
    for (int number = 1; number <= SaveLineCount; ++number) {
        if (at >= size) {
            return LoadFailure{failures::MissingLine,
                               QStringLiteral("В файле нет строки %1").arg(number)};
        }
        qsizetype end = at;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        const QString raw = QString::fromUtf8(bytes.sliced(at, end - at));
        // CR LF, LF and CR each end a line.
        at = end;
        if (at < size && bytes[at] == '\r') {
            ++at;
        }
        if (at < size && bytes[at] == '\n') {
            ++at;
        }
        const Line& line = lines().at(static_cast<std::size_t>(number - 1));
        const QString text = line.kind == Kind::Hour ? raw : DecodeDigits(raw);
        if (text.size() > MaxLineChars) {
            return tooLong(number);
        }
        if (auto failure = take(record, line, text, number)) {
            return *failure;
        }
    }
    return record;
}

}  // namespace saves
