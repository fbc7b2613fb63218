// Every window opens on the screen: over the window that opened it, inside the screen's free
// area, and one too large for it with its title bar and menus on it. (ctest runs these also on
// a small screen at two pixels a point: qt.small_screen.)
#include <QScreen>

#include "qt_fixture.h"
#include "ui/qt/placement.h"

namespace {

using qt_tests::QtGame;
using ui::qt::placeWithin;

TEST(Placement, OverTheOwnerAndInsideTheAreaTitleBarFirst) {
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(placeWithin({100, 100, 400, 300}, {200, 100}, screen), QPoint(200, 200));
    EXPECT_EQ(placeWithin({1000, 900, 400, 300}, {200, 100}, screen), QPoint(1080, 924));
    EXPECT_EQ(placeWithin({-300, -200, 200, 100}, {200, 100}, screen), QPoint(0, 0));
    // Too tall, and then too wide as well, for the area below a panel.
    const QRect area(0, 30, 640, 482);
    EXPECT_EQ(placeWithin(area, {581, 711}, area), QPoint(29, 30));
    EXPECT_EQ(placeWithin(area, {700, 711}, area), QPoint(0, 30));
}

class PlacedWindows : public QtGame {};

TEST_F(PlacedWindows, TheMainWindowsTitleBarAndMenusAreOnTheScreen) {
    startPlaying();
    QWidget* main = view("Form1");
    const QRect area = main->screen()->availableGeometry();
    EXPECT_GE(main->frameGeometry().top(), area.top());
    EXPECT_GE(main->frameGeometry().left(), area.left());
    EXPECT_TRUE(area.contains(main->geometry().topLeft()));
}

TEST_F(PlacedWindows, ADialogOpensOverItsOwnerInsideTheScreen) {
    startPlaying();
    click(widget("Form1", "Command6"));
    settle();
    QWidget* shop = view("FrmMagazine");
    const QRect area = shop->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(shop->frameGeometry()));
    EXPECT_EQ(shop->frameGeometry().topLeft(),
              placeWithin(view("Form1")->frameGeometry(), shop->frameGeometry().size(), area));
}

}  // namespace
