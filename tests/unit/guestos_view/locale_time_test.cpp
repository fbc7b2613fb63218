// The time a program of the in-game system shows: the player's own way of writing it.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTime>

#include "ui/qt/qt_services.h"

namespace {

TEST(LocaleTime, WrittenAsTheLocaleWritesItToTheSecondWithoutTheZone) {
    const QTime time(8, 5, 9);
    EXPECT_EQ(ui::qt::timeText(QLocale(QLocale::Russian, QLocale::Russia), time), "08:05:09");
    EXPECT_EQ(ui::qt::timeText(QLocale(QLocale::German, QLocale::Germany), time), "08:05:09");
    EXPECT_EQ(ui::qt::timeText(QLocale(QLocale::English, QLocale::UnitedStates), time),
              "8:05:09 AM");
    EXPECT_EQ(ui::qt::timeText(QLocale(QLocale::English, QLocale::UnitedStates), QTime(20, 0)),
              "8:00:00 PM");
}

}  // namespace
