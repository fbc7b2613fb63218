#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include "ui/numbers.h"

namespace {

// Sets the locale numbers are written in for one test and puts the previous one back.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale saved_ = QLocale();
};

const QLocale Russian(QLocale::Russian, QLocale::Russia);

TEST(Numbers, ReadsWholeNegativeAndSignedCaptions) {
    EXPECT_EQ(ui::parseNumber("200"), 200.0);
    EXPECT_EQ(ui::parseNumber("0"), 0.0);
    EXPECT_EQ(ui::parseNumber("-3"), -3.0);
    EXPECT_EQ(ui::parseNumber("+7"), 7.0);
    EXPECT_EQ(ui::parseNumber("  42 "), 42.0);  // a caption padded with blanks
    EXPECT_EQ(ui::parseNumber("007"), 7.0);
}

TEST(Numbers, ReadsFractionsWithEitherSeparator) {
    EXPECT_EQ(ui::parseNumber("1.5"), 1.5);
    EXPECT_EQ(ui::parseNumber("1,5"), 1.5);
    EXPECT_EQ(ui::parseNumber("-0,25"), -0.25);
    EXPECT_EQ(ui::parseNumber("-0.25"), -0.25);
    EXPECT_EQ(ui::parseNumber(",5"), 0.5);
    EXPECT_EQ(ui::parseNumber("5."), 5.0);
    // Reading does not depend on the locale the game runs in.
    LocaleGuard russian(Russian);
    EXPECT_EQ(ui::parseNumber("2.75"), 2.75);
    EXPECT_EQ(ui::parseNumber("2,75"), 2.75);
}

TEST(Numbers, RefusesTextThatIsNoNumber) {
    for (const char* text :
         {"",    " ",   "Нет",   "abc",  "-",   "+",  ".",   ",",   "1.2.3", "1,2.3",
          "12a", "a12", "1 000", "0 MB", "--1", "1-", "inf", "nan", "1e5",   "0x10"}) {
        EXPECT_FALSE(ui::parseNumber(QString::fromUtf8(text)).has_value()) << text;
        EXPECT_EQ(ui::toNumber(QString::fromUtf8(text)), 0.0) << text;
    }
    // A number too large for a double is no number either, rather than an infinity.
    EXPECT_FALSE(ui::parseNumber(QString(400, u'9')).has_value());
}

TEST(Numbers, WritesWholeNumbersWithoutDecimalPart) {
    LocaleGuard russian(Russian);
    EXPECT_EQ(ui::numberText(200), "200");
    EXPECT_EQ(ui::numberText(-3), "-3");
    EXPECT_EQ(ui::numberText(0), "0");
    EXPECT_EQ(ui::numberText(-0.0), "0");
    EXPECT_EQ(ui::numberText(16000), "16000");  // no group separator under any locale
    EXPECT_EQ(ui::numberText(-1234567), "-1234567");
    EXPECT_EQ(ui::numberText(1e15), "1000000000000000");
    EXPECT_EQ(ui::numberText(1e20), "100000000000000000000");
}

TEST(Numbers, WritesFractionsWithTheLocaleSeparator) {
    {
        LocaleGuard c(QLocale::c());
        EXPECT_EQ(ui::numberText(1.5), "1.5");
        EXPECT_EQ(ui::numberText(-2.25), "-2.25");
        EXPECT_EQ(ui::numberText(0.1 + 0.2), "0.3");  // binary noise is not shown
        EXPECT_EQ(ui::numberText(0.00001), "0.00001");
    }
    LocaleGuard russian(Russian);
    EXPECT_EQ(ui::numberText(1.5), "1,5");
    EXPECT_EQ(ui::numberText(-2.25), "-2,25");
    EXPECT_EQ(ui::numberText(1234567.5), "1234567,5");
}

TEST(Numbers, NoiseAroundZeroIsShownAsZero) {
    // Money paid in fractions can come back to a hair's breadth of zero on either side.
    EXPECT_EQ(ui::numberText(0.3 - 0.1 - 0.2), "0");
    EXPECT_EQ(ui::numberText(0.1 + 0.2 - 0.3), "0");
    EXPECT_EQ(ui::numberText(-1e-9), "0");
}

TEST(Numbers, WrittenValuesReadBackUnderAnyLocale) {
    for (double value : {200.0, -3.0, 1.5, -0.75, 12345.125, 0.1 + 0.2}) {
        QString written;
        {
            LocaleGuard russian(Russian);
            written = ui::numberText(value);
        }
        LocaleGuard c(QLocale::c());
        ASSERT_TRUE(ui::parseNumber(written).has_value()) << written.toStdString();
        EXPECT_NEAR(*ui::parseNumber(written), value, 1e-12) << written.toStdString();
        EXPECT_EQ(ui::numberText(*ui::parseNumber(written)).replace(u'.', u','), written);
    }
}

}  // namespace
