// A value at risk shows on the main window in the colour of its danger, and in words for a
// screen reader, and goes back to the game's green when it recovers.
#include <QImage>

#include "qt_fixture.h"

namespace {

// The brightest pixel of a label on black: the colour its text is drawn in.
QColor textColor(QWidget* label) {
    const QImage image = label->grab().toImage();
    QColor brightest(Qt::black);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() > brightest.lightness()) {
                brightest = c;
            }
        }
    }
    return brightest;
}

class Warnings : public qt_tests::QtGame {
protected:
    // A value as a rule would leave it, then an event for the game to judge it.
    QColor shown(const char* satiety) {
        control("Form1", "LblEda").setCaption(satiety);
        game->dispatch([] {});
        settle();
        return textColor(widget("Form1", "LblEda"));
    }
};

TEST_F(Warnings, SatietyTurnsAmberThenRedAndGreenAgain) {
    startPlaying();
    QWidget* label = widget("Form1", "LblEda");
    EXPECT_EQ(textColor(label).red(), 0);
    EXPECT_EQ(label->accessibleDescription(), "");

    const QColor amber = shown("15");
    EXPECT_TRUE(amber.red() > 200 && amber.green() > 120 && amber.blue() < 60)
        << amber.name().toStdString();
    EXPECT_EQ(label->accessibleDescription(), "Мало");

    const QColor red = shown("5");
    EXPECT_TRUE(red.red() > 200 && red.green() < 100) << red.name().toStdString();
    EXPECT_EQ(label->accessibleDescription(), "Очень мало");

    const QColor back = shown("16");
    EXPECT_EQ(back.red(), 0);
    EXPECT_GT(back.green(), 150);
    EXPECT_EQ(label->accessibleDescription(), "");
}

}  // namespace
