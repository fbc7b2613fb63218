#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringDecoder>

#include "guestos/windows_1251.h"

namespace {

QByteArray everyByte() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}

TEST(Windows1251, KnownLetters) {
    EXPECT_EQ(guestos::decodeWindows1251("\xC0\xDF\xE0\xFF"), QStringLiteral("АЯая"));
    EXPECT_EQ(guestos::decodeWindows1251("\xA8\xB8\xB9\xAB\xBB\x96\x85"),
              QStringLiteral("Ёё№«»–…"));
    EXPECT_EQ(guestos::decodeWindows1251("\x88\xA5\xB4"), QStringLiteral("€Ґґ"));
    EXPECT_EQ(guestos::decodeWindows1251("plain ASCII"), QStringLiteral("plain ASCII"));
}

// Every byte has one character, and nothing is lost on the way back.
TEST(Windows1251, EveryByteDecodesAndEncodesBack) {
    const QString text = guestos::decodeWindows1251(everyByte());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(guestos::encodeWindows1251(text), everyByte());
}

// The table stands in where the system has no converter; both must read scripts alike.
TEST(Windows1251, TheTableAgreesWithTheSystemsConverter) {
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid()) {
        GTEST_SKIP() << "this Qt has no Windows-1251 converter";
    }
    const QString system = decoder.decode(everyByte());
    const QString table = guestos::decodeWindows1251ByTable(everyByte());
    ASSERT_EQ(system.size(), table.size());
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(system[b].unicode(), table[b].unicode()) << "byte " << b;
    }
}

TEST(Windows1251, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(guestos::encodeWindows1251(QStringLiteral("a中ä")), QByteArray("a??"));
}

}  // namespace
