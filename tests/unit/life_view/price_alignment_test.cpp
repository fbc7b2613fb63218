#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "support/widget_fixture.h"
#include "unit/life/life_fixture.h"

namespace life_tests {
namespace {

// The price columns are measured on the real widgets, with the font the windows use: a price
// must stand level with its button on screen, not just in the arithmetic of the layout.
class PriceAlignment : public testing_support::WithWidgets<LifeFixture> {
protected:
    // The vertical band of a list row or a text line, and the middle of a widget, in the
    // coordinates of the window's surface.
    static std::pair<int, int> band(QRect inViewport, QWidget* viewport, QWidget* surface) {
        const int top = viewport->mapTo(surface, inViewport.topLeft()).y();
        return {top, top + inViewport.height()};
    }
    static int middle(QWidget* widget, QWidget* surface) {
        return widget->mapTo(surface, QPoint(0, widget->height() / 2)).y();
    }
    void expectLevel(ui::qt::WindowView& v, const char* button, std::pair<int, int> row) {
        const int mid = middle(v.widget(button), v.surface());
        EXPECT_GE(mid, row.first) << button;
        EXPECT_LT(mid, row.second) << button;
    }
    void expectListLevel(ui::qt::WindowView& v, const char* list, int row, const char* button) {
        auto* w = qobject_cast<QListWidget*>(v.widget(list));
        ASSERT_NE(w, nullptr);
        ASSERT_LT(row, w->count());
        const QRect r = w->visualItemRect(w->item(row));
        // The whole column shows without scrolling.
        EXPECT_LE(r.bottom(), w->viewport()->height()) << list << " row " << row;
        expectLevel(v, button, band(r, w->viewport(), v.surface()));
    }
};

TEST_F(PriceAlignment, MealPricesStandBesideTheirMeals) {
    open("FrmMagazine");
    auto& v = view("FrmMagazine");
    expectListLevel(v, "List1", 1, "Command1");
    expectListLevel(v, "List1", 4, "Command2");
    expectListLevel(v, "List1", 8, "Command3");
}

TEST_F(PriceAlignment, OutingPricesStandBesideTheirOutings) {
    open("FrmRazvl");
    auto& v = view("FrmRazvl");
    expectListLevel(v, "List1", 1, "Command1");
    expectListLevel(v, "List1", 4, "Command2");
}

TEST_F(PriceAlignment, CoursePricesStandBesideTheirCourses) {
    open("FrmTeach");
    auto& v = view("FrmTeach");
    auto* text = qobject_cast<QTextEdit*>(v.widget("Text1"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->verticalScrollBar()->maximum(), 0) << "the prices must show without scrolling";
    const std::pair<int, const char*> lines[] = {{0, "Command1"}, {4, "Command2"}, {8, "Command3"}};
    for (auto [line, button] : lines) {
        const QTextBlock block = text->document()->findBlockByNumber(line);
        ASSERT_EQ(block.text(), "100") << line;
        QTextCursor cursor(block);
        expectLevel(v, button, band(text->cursorRect(cursor), text->viewport(), v.surface()));
    }
}

TEST_F(PriceAlignment, EachSalaryStandsBesideItsJob) {
    open("Form4");
    auto& v = view("Form4");
    auto* names = qobject_cast<QListWidget*>(v.widget("List1"));
    auto* salaries = qobject_cast<QListWidget*>(v.widget("List2"));
    ASSERT_TRUE(names != nullptr && salaries != nullptr);
    for (int row = 0; row < names->count(); ++row) {
        const QRect n = names->visualItemRect(names->item(row));
        const QRect s = salaries->visualItemRect(salaries->item(row));
        EXPECT_EQ(names->viewport()->mapTo(v.surface(), n.topLeft()).y(),
                  salaries->viewport()->mapTo(v.surface(), s.topLeft()).y())
            << row;
        EXPECT_LE(n.bottom(), names->viewport()->height()) << row;
    }
}

}  // namespace
}  // namespace life_tests
