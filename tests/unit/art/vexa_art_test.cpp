// The pictures of "Vexa 2" ship inside the program under the names the desktop uses, each
// drawn twice: for ordinary screens and, at double size, for dense ones.
#include <gtest/gtest.h>

#include <QImage>

#include "support/game_fixture.h"

namespace {

QImage resource(const QString& name) {
    return QImage(QStringLiteral(":/") + name);
}

QString sharp(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

void expectBothSizes(const QString& name, QSize size) {
    const QImage plain = resource(name);
    ASSERT_FALSE(plain.isNull()) << name.toStdString();
    EXPECT_EQ(plain.size(), size) << name.toStdString();
    const QImage dense = resource(sharp(name));
    ASSERT_FALSE(dense.isNull()) << sharp(name).toStdString();
    EXPECT_EQ(dense.size(), 2 * size) << sharp(name).toStdString();
}

class VexaArt : public testing_support::GameFixture {
protected:
    ui::Rect area(const QString& window, const QString& control) {
        return game->blueprint(window)->control(control).geometry();
    }
    QSize sizeOf(const QString& window, const QString& control) {
        const ui::Rect r = area(window, control);
        return {r.width, r.height};
    }
};

const QStringList ProgramPictures = {"Images/NOD32.bmp", "Images/NOD64.bmp", "Images/IB3.bmp",
                                     "Images/IB5.bmp",   "Images/IB6.bmp",   "Images/IB7.bmp"};

TEST_F(VexaArt, TheSixProgramPicturesFillTheProgramWindow) {
    const QSize window = sizeOf("FrmGUI", "Picture1");
    for (const QString& name : ProgramPictures) {
        expectBothSizes(name, window);
    }
}

TEST_F(VexaArt, EveryProgramLooksDifferent) {
    for (qsizetype a = 0; a < ProgramPictures.size(); ++a) {
        for (qsizetype b = a + 1; b < ProgramPictures.size(); ++b) {
            EXPECT_NE(resource(ProgramPictures[a]), resource(ProgramPictures[b]))
                << ProgramPictures[a].toStdString() << " " << ProgramPictures[b].toStdString();
        }
    }
}

TEST_F(VexaArt, TheDesktopsOwnPicturesFitTheirPlaces) {
    const auto blueprint = game->blueprint("FrmGUI");
    for (const char* control : {"Image1", "Image2", "Image3", "Picture1"}) {
        expectBothSizes(blueprint->control(control).picture(), sizeOf("FrmGUI", control));
    }
    for (const char* screen : {"FrmLoadGUI", "FrmGB"}) {
        expectBothSizes(game->blueprint(screen)->control("Image1").picture(),
                        sizeOf(screen, "Image1"));
    }
}

}  // namespace
