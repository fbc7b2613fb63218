// The browser's and the download window's pictures ship inside the program and are drawn at
// the size of the control that shows them, so none is cut off or stretched.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/support/game_fixture.h"

namespace {

class WebArt : public testing_support::GameFixture {};

TEST_F(WebArt, EveryPictureOfTheWebWindowsShipsAtTheSizeOfItsControl) {
    int pictures = 0;
    for (const QString& name : {QStringLiteral("FrmInternet"), QStringLiteral("FrmDL")}) {
        const auto window = game->blueprint(name);
        for (const auto& c : window->controls()) {
            if (c->picture().isEmpty()) {
                continue;
            }
            const std::string where = (name + u'.' + c->name()).toStdString();
            const QImage picture(QStringLiteral(":/") + c->picture());
            ASSERT_FALSE(picture.isNull()) << where;
            EXPECT_EQ(picture.width(), c->geometry().width) << where;
            EXPECT_EQ(picture.height(), c->geometry().height) << where;
            ++pictures;
        }
    }
    // The home site's banner and offer, the missing page, the download icon.
    EXPECT_EQ(pictures, 4);
}

// The small pictures stand on pages of different colours: their corners are see-through.
TEST_F(WebArt, SmallPicturesLetThePageShowThroughTheirCorners) {
    for (const char* file :
         {"Images/web/NoPage.png", "Images/web/VexaBox.png", "Images/web/Download.png"}) {
        const QImage picture(QStringLiteral(":/") + QString::fromUtf8(file));
        ASSERT_FALSE(picture.isNull()) << file;
        EXPECT_EQ(qAlpha(picture.pixel(0, picture.height() - 1)), 0) << file;
    }
}

}  // namespace
