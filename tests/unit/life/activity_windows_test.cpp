#include "life_fixture.h"

namespace life_tests {
namespace {

class ActivityWindow : public LifeFixture, public ::testing::WithParamInterface<const char*> {};

// Opening stops the clock and locks the main window; the close box gives both back, and the
// hours run again from there.
TEST_P(ActivityWindow, StopsTheClockWhileOpenAndTheCloseBoxRestartsIt) {
    const QString name = GetParam();
    open(name);
    EXPECT_FALSE(game->clock().enabled());
    EXPECT_FALSE(game->form1().enabled());
    game->scheduler().advance(10 * Hour);
    EXPECT_EQ(caption("LblClock"), "00:00");

    closeBox(name);
    EXPECT_EQ(game->find(name), nullptr);
    EXPECT_TRUE(game->clock().enabled());
    EXPECT_TRUE(game->form1().enabled());
    game->scheduler().advance(3 * Hour);
    EXPECT_EQ(caption("LblClock"), "03:00");
    expectQuiet();
}

INSTANTIATE_TEST_SUITE_P(Life, ActivityWindow,
                         ::testing::Values("FrmMagazine", "FrmRazvl", "FrmTeach", "Form4"));

TEST_F(LifeFixture, DesignTimeWindowsFitTheirControls) {
    for (const char* name : {"FrmMagazine", "FrmRazvl", "FrmTeach", "Form4"}) {
        auto w = game->blueprint(name);
        for (const auto& c : w->controls()) {
            const ui::Rect r = c->geometry();
            const int width = c->parent() ? c->parent()->geometry().width : w->width();
            const int height = c->parent() ? c->parent()->geometry().height : w->height();
            EXPECT_LE(r.x + r.width, width) << name << "." << c->name().toStdString();
            EXPECT_LE(r.y + r.height, height) << name << "." << c->name().toStdString();
        }
    }
}

}  // namespace
}  // namespace life_tests
