// The label buttons look pressable: under the mouse a button the player can press shows the
// pointing hand and a faint face, and only then; the pressed look stays the game's own.
#include "qt_fixture.h"

namespace {

using qt_tests::QtGame;

class Hover : public QtGame {
protected:
    void SetUp() override {
        QtGame::SetUp();
        startPlaying();
        activate("Form1");
    }
    // The face of a widget, inside its edge and the keyboard's mark, above its caption.
    static QColor face(QWidget* w) { return w->grab().toImage().pixelColor(2, 2); }
    static void hover(QWidget* w) { QTest::mouseMove(w, w->rect().center()); }
    // The mouse on the window's surface, off every control.
    void away() { QTest::mouseMove(view("Form1")->surface(), QPoint(2, 80)); }
    QWidget* upgrade() const { return widget("Form1", "Command1"); }
};

TEST_F(Hover, ALabelButtonShowsTheHandAndAPlainLabelTheArrow) {
    hover(upgrade());
    EXPECT_EQ(upgrade()->cursor().shape(), Qt::PointingHandCursor);
    hover(widget("Form1", "LblMoney"));
    EXPECT_EQ(widget("Form1", "LblMoney")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Hover, TheHoverLookComesWithTheMouseAndGoesWithIt) {
    away();
    EXPECT_EQ(face(upgrade()), QColor(Qt::black));
    hover(upgrade());
    const QColor lit = face(upgrade());
    EXPECT_GT(lit.green(), 0) << "no face under the mouse";
    EXPECT_EQ(lit.red(), 0) << "a face of another colour than the game's green";
    away();
    EXPECT_EQ(face(upgrade()), QColor(Qt::black));
}

TEST_F(Hover, APressedButtonUnderTheMouseShowsThePressedLookAlone) {
    hover(upgrade());
    QTest::mousePress(upgrade(), Qt::LeftButton, {}, upgrade()->rect().center());
    EXPECT_EQ(face(upgrade()), QColor(128, 128, 128));
    // Let go outside: no click, and the hover look comes back only with the mouse.
    QTest::mouseRelease(upgrade(), Qt::LeftButton, {}, QPoint(-1, -1));
    services.clearPending();
}

TEST_F(Hover, AButtonThePlayerCannotPressShowsNeitherHandNorFace) {
    control("Form1", "Command1").setEnabled(false);
    hover(upgrade());
    EXPECT_NE(upgrade()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(face(upgrade()), QColor(Qt::black));

    // Under an open shop the main window's buttons wait.
    click(widget("Form1", "Command6"));
    settle();
    QWidget* buy = widget("Form1", "Command2");
    hover(buy);
    EXPECT_NE(buy->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(face(buy), QColor(Qt::black));
}

}  // namespace
