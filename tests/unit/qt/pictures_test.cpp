// The city on screens of one and of two pixels per point (ctest runs this again with
// QT_SCALE_FACTOR=2): on the finer screen it is the picture drawn at twice the size, not the
// plain one blown up.
#include <QLabel>

#include "qt_fixture.h"

namespace {

using qt_tests::QtGame;

class Pictures : public QtGame {};

TEST_F(Pictures, TheCityIsDrawnForTheScreensPixels) {
    startPlaying();
    const qreal ratio = view("Form1")->devicePixelRatioF();
    for (const char* image : {"Image1", "Image2"}) {
        auto* label = qobject_cast<QLabel*>(widget("Form1", image));
        ASSERT_NE(label, nullptr);
        const QPixmap picture = label->pixmap();
        ASSERT_FALSE(picture.isNull()) << image;
        const int sharpness = ratio > 1 ? 2 : 1;
        EXPECT_EQ(picture.devicePixelRatio(), sharpness) << image;
        EXPECT_EQ(picture.width(), 425 * sharpness) << image;
        EXPECT_EQ(picture.height(), 213 * sharpness) << image;
        // In points it fills its place either way.
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(425, 213)) << image;
    }
}

}  // namespace
