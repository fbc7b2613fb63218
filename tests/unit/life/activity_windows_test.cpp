#include "life/display_list.h"
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

// The vertical middle of a control, in window coordinates.
int middle(const ui::Control& c) {
    int y = c.geometry().y + c.geometry().height / 2;
    for (const ui::Control* p = c.parent(); p != nullptr; p = p->parent()) {
        y += p->geometry().y;
    }
    return y;
}

// The band of list row `row`, in window coordinates.
std::pair<int, int> rowBand(const ui::Control& list, int row) {
    int top = list.geometry().y + life::ListBorder + life::ListRowHeight * row;
    for (const ui::Control* p = list.parent(); p != nullptr; p = p->parent()) {
        top += p->geometry().y;
    }
    return {top, top + life::ListRowHeight};
}

struct Aligned {
    const char* window;
    const char* button;
    const char* list;
    int row;
};

class PriceColumn : public LifeFixture, public ::testing::WithParamInterface<Aligned> {};

TEST_P(PriceColumn, EachPriceStandsLevelWithItsButton) {
    const Aligned a = GetParam();
    auto w = game->blueprint(a.window);
    const ui::Control& list = w->control(a.list);
    const auto [top, bottom] = rowBand(list, a.row);
    const int mid = middle(w->control(a.button));
    EXPECT_GE(mid, top) << a.button;
    EXPECT_LT(mid, bottom) << a.button;
    // The whole column fits without a scroll bar.
    EXPECT_GE(list.geometry().height, life::listHeight(a.row + 1));
}

INSTANTIATE_TEST_SUITE_P(Life, PriceColumn,
                         ::testing::Values(Aligned{"FrmMagazine", "Command1", "List1", 1},
                                           Aligned{"FrmMagazine", "Command2", "List1", 4},
                                           Aligned{"FrmMagazine", "Command3", "List1", 8},
                                           Aligned{"FrmRazvl", "Command1", "List1", 1},
                                           Aligned{"FrmRazvl", "Command2", "List1", 4}));

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
