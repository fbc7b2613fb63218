// The game's icon as the windows get it: every size drawn for itself, so that no size is a
// blurred copy of another, and a picture that still reads at 16 pixels.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "tests/support/suite_application.h"
#include "ui/qt/game_icon.h"

namespace {

const int Sizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage drawn(int size) {
    return QImage(QStringLiteral(":/icons/tarnvik2-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

class GameIcon : public testing_support::WithSuiteApplication<QGuiApplication> {
protected:
    static QImage shown(const QIcon& icon, int size, qreal scale = 1.0) {
        return icon.pixmap(QSize(size, size), scale)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(GameIcon, EverySizeShowsThePictureDrawnForIt) {
    const QIcon icon = ui::qt::gameIcon();
    for (const int size : Sizes) {
        const QImage picture = drawn(size);
        ASSERT_EQ(picture.size(), QSize(size, size)) << size;
        EXPECT_EQ(shown(icon, size), picture) << size;
    }
}

// At QT_SCALE_FACTOR=2 a 16-pixel icon takes 32 screen pixels: it must be the 32-pixel
// picture, not the 16-pixel one blown up.
TEST_F(GameIcon, DoubleScaleShowsTheLargerPicture) {
    const QIcon icon = ui::qt::gameIcon();
    for (const int size : {16, 24, 32, 64, 128}) {
        const QImage picture = shown(icon, size, 2.0);
        EXPECT_EQ(picture.size(), QSize(2 * size, 2 * size)) << size;
        EXPECT_EQ(picture, drawn(2 * size)) << size;
    }
}

// Neon on black: at every size a good share of the picture is bright green and a good share
// dark, so that it reads on a light panel and on a dark one alike.
TEST(ShippedIcon, IsBrightGreenOnDarkAtEverySize) {
    for (const int size : Sizes) {
        const QImage picture = drawn(size);
        int opaque = 0;
        int bright = 0;
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor colour = picture.pixelColor(x, y);
                if (colour.alpha() < 200) {
                    continue;
                }
                ++opaque;
                bright += colour.green() >= 150 && colour.green() > 2 * colour.red() ? 1 : 0;
                dark += colour.lightness() < 40 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, size * size / 2) << size;
        EXPECT_GT(bright, opaque / 10) << size;
        EXPECT_GT(dark, opaque / 10) << size;
    }
}

}  // namespace
