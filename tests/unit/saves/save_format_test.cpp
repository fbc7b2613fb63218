// The file format on its own: codes, the twenty lines, and what reading makes of damaged files.
#include <gtest/gtest.h>

#include <QLocale>
#include <random>

#include "saves/save_format.h"

namespace {

using saves::LoadFailure;
using saves::readSave;
using saves::SaveRecord;
using saves::writeSave;

// The codes of the digits, as the file carries them.
const char* const C0 = "km;~";
const char* const C1 = "ln:?";
const char* const C2 = "mo=/";
const char* const C3 = "np{}";
const char* const C5 = "pl?:";
const char* const C7 = "lo}{";

QByteArray lines(const QList<QByteArray>& list, const QByteArray& end = "\r\n") {
    QByteArray bytes;
    for (const QByteArray& line : list) {
        bytes += line + end;
    }
    return bytes;
}

// A game of 1300 rubles, satiety -5, mood 77, 12 points, memory 3 (a level no store sells, so
// its digit stays plain) and hour 7; everything else none.
SaveRecord worked() {
    SaveRecord r;
    r.money = "1300";
    r.satiety = "-5";
    r.mood = "77";
    r.points = "12";
    r.RamLevel = 3;
    r.Hour = 7;
    return r;
}

QList<QByteArray> workedLines() {
    const QByteArray c0 = C0;
    return {QByteArray(C1) + C3 + C0 + C0,
            QByteArray("-") + C5,
            QByteArray(C7) + C7,
            QByteArray(C1) + C2,
            c0,
            c0,
            c0,
            c0,
            c0,
            "3",
            c0,
            c0,
            c0,
            c0,
            c0,
            c0,
            c0,
            c0,
            c0,
            " 7 "};
}

SaveRecord read(const QByteArray& bytes) {
    auto result = readSave(bytes);
    if (auto* failure = std::get_if<LoadFailure>(&result)) {
        ADD_FAILURE() << failure->description.toStdString();
        return {};
    }
    return std::get<SaveRecord>(result);
}

LoadFailure failure(const QByteArray& bytes) {
    auto result = readSave(bytes);
    if (!std::holds_alternative<LoadFailure>(result)) {
        ADD_FAILURE() << "read without failure";
        return {};
    }
    return std::get<LoadFailure>(result);
}

TEST(SaveFormat, DigitsAreWrittenAsCodesUpToTheLinesHighestDigit) {
    EXPECT_EQ(saves::EncodeDigits("1300", 9), QString(C1) + C3 + C0 + C0);
    EXPECT_EQ(saves::EncodeDigits("1300", 9).size(), 16);
    EXPECT_EQ(saves::EncodeDigits("-5", 9), QString("-") + C5);
    EXPECT_EQ(saves::EncodeDigits("3", 2), "3");
    EXPECT_EQ(saves::EncodeDigits("", 9), "");
    EXPECT_EQ(saves::DecodeDigits(QString(C1) + "2" + C3 + "-" + C0 + "4"), "123-04");
    EXPECT_EQ(saves::DecodeDigits(" 7 "), " 7 ");
    for (int d = 0; d <= 9; ++d) {
        const QString digit = QString::number(d);
        EXPECT_EQ(saves::DecodeDigits(saves::EncodeDigits(digit, 9)), digit);
    }
}

TEST(SaveFormat, AGameIsTwentyCrLfLinesByteForByte) {
    EXPECT_EQ(writeSave(worked()), lines(workedLines()));
    EXPECT_EQ(read(lines(workedLines())), worked());
}

TEST(SaveFormat, ReadingAcceptsOtherLineEndsAndIgnoresWhatFollows) {
    EXPECT_EQ(read(lines(workedLines(), "\n")), worked());
    EXPECT_EQ(read(lines(workedLines(), "\r")), worked());
    QByteArray unended = lines(workedLines());
    unended.chop(2);
    EXPECT_EQ(read(unended), worked());
    EXPECT_EQ(read(lines(workedLines()) + "anything at all\r\n"), worked());
}

TEST(SaveFormat, CaptionsThatAreNoNumberReadAsZero) {
    QList<QByteArray> l = workedLines();
    l[0] = "";
    l[1] = "abc";
    l[2] = QByteArray(C1) + ",5";  // either separator is a number
    l[3] = " 12 ";
    const SaveRecord r = read(lines(l));
    EXPECT_EQ(r.money, "0");
    EXPECT_EQ(r.satiety, "0");
    EXPECT_EQ(r.mood, "1,5");
    EXPECT_EQ(r.points, " 12 ");
}

TEST(SaveFormat, NumbersReadWithBlanksFractionsAndEitherSeparator) {
    QList<QByteArray> l = workedLines();
    l[4] = " 9 ";
    l[5] = "2.4";
    l[6] = "2,5";
    l[8] = "abc";     // no number of free space is none
    l[7] = "x y";     // a level text is taken as it is
    l[19] = "255.4";  // the hour line is never decoded
    const SaveRecord r = read(lines(l));
    EXPECT_EQ(r.JobLevel, 9);
    EXPECT_EQ(r.CpuLevel, 2);
    EXPECT_EQ(r.BrowserLevel, 3);
    EXPECT_EQ(r.FreeDiskMb, 0);
    EXPECT_EQ(r.DiskLevel, "x y");
    EXPECT_EQ(r.Hour, 255);
}

TEST(SaveFormat, MissingLinesFailAtTheFirstOneMissing) {
    for (int count : {0, 1, 19}) {
        const LoadFailure f = failure(lines(workedLines().mid(0, count)));
        EXPECT_EQ(f.number, saves::failures::MissingLine) << count;
        EXPECT_EQ(f.description, QString("В файле нет строки %1").arg(count + 1));
    }
}

TEST(SaveFormat, EveryNumberLineFailsOutsideItsRange) {
    struct Bad {
        int line;
        QByteArray text;
        int number;
    };
    std::vector<Bad> bad;
    for (int line : {5, 6, 7, 10, 12, 14, 15, 17, 18, 19, 20}) {
        bad.push_back({line, "256", saves::failures::OutOfRange});
        bad.push_back({line, "-1", saves::failures::OutOfRange});
        bad.push_back({line, "abc", saves::failures::NotANumber});
        bad.push_back({line, "", saves::failures::NotANumber});
    }
    bad.push_back({6, QByteArray(C3) + C0 + C0, saves::failures::OutOfRange});  // "300"
    bad.push_back({9, "32768", saves::failures::OutOfRange});
    bad.push_back({9, "-32769", saves::failures::OutOfRange});
    bad.push_back({16, "abc", saves::failures::NotANumber});
    for (const Bad& b : bad) {
        QList<QByteArray> l = workedLines();
        l[b.line - 1] = b.text;
        const LoadFailure f = failure(lines(l));
        EXPECT_EQ(f.number, b.number) << b.line << " " << b.text.toStdString();
        EXPECT_TRUE(f.description.contains(QString("строке %1").arg(b.line)))
            << f.description.toStdString();
    }
    QList<QByteArray> edges = workedLines();
    edges[8] = "-32768";
    edges[15] = "2";  // any number will do for the internet line
    EXPECT_EQ(read(lines(edges)).FreeDiskMb, -32768);
}

// A long value fits a small file, but every digit takes four characters when the game writes it
// back: were it taken, the next save of this game would be too large to load.
TEST(SaveFormat, AValueTooLongToWriteBackIsRefusedAndTheLongestNumberIsNot) {
    for (int line : {1, 8, 13, 16}) {
        QList<QByteArray> l = workedLines();
        l[line - 1] = QByteArray(20000, '7');
        const LoadFailure f = failure(lines(l));
        EXPECT_EQ(f.number, saves::failures::TooLarge) << line;
        EXPECT_EQ(f.description, QString("Строка %1 слишком длинная").arg(line));
    }
    // The game prints money near the top of a double's range with every digit.
    SaveRecord r = worked();
    r.money = "-17" + QString(307, u'0');
    r.LanguageLevel = QString(400, u'1');
    const QByteArray bytes = writeSave(r);
    EXPECT_LT(bytes.size(), 64 * 1024);
    EXPECT_EQ(read(bytes), r);
}

// Every value the game can hold comes back as it was written, whatever the locale.
TEST(SaveFormat, EveryFieldSurvivesTheRoundTrip) {
    std::mt19937 random(42);
    auto byte = [&random] { return static_cast<std::uint8_t>(random() % 256); };
    auto number = [&random](int range) {
        return QString::number(static_cast<int>(random() % (2 * range + 1)) - range);
    };
    for (const char* locale : {"C", "ru_RU", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (int i = 0; i < 2000; ++i) {
            SaveRecord r;
            r.money = number(100000) + (i % 3 == 0 ? QLocale().decimalPoint() + "5" : "");
            r.satiety = number(200);
            r.mood = number(200);
            r.points = number(300);
            r.JobLevel = byte();
            r.CpuLevel = byte();
            r.BrowserLevel = byte();
            r.DiskLevel = QString::number(byte());
            r.FreeDiskMb = static_cast<std::int16_t>(random());
            r.RamLevel = byte();
            r.VideoLevel = QString::number(byte());
            r.OsLevel = byte();
            r.LanguageLevel = QString::number(byte());
            r.AntivirusLevel = byte();
            r.ModemLevel = byte();
            r.internet = QString::number(byte());
            r.SchoolPoints = byte();
            r.EnglishPoints = byte();
            r.UniversityPoints = byte();
            r.Hour = byte();
            ASSERT_EQ(read(writeSave(r)), r) << i;
        }
    }
    QLocale::setDefault(QLocale::c());
}

}  // namespace
