#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTextEdit>

#include "support/widget_fixture.h"
#include "unit/web/web_fixture.h"

namespace web_tests {
namespace {

// The web windows as a player sees them: the real widgets, with the fonts the game uses.
class WebView : public testing_support::WithWidgets<WebFixture> {
protected:
    void SetUp() override {
        WithWidgets::SetUp();
        equip();
        openBrowser();
    }

    // The control a click in the middle of this one would land on; a part of a compound
    // widget (a text box's viewport) counts as its control.
    static QString topmostAt(ui::qt::WindowView& v, const char* controlName) {
        QWidget* w = v.widget(controlName);
        QWidget* hit = v.surface()->childAt(w->mapTo(v.surface(), w->rect().center()));
        for (QWidget* up = hit; up != nullptr; up = up->parentWidget()) {
            for (const auto& c : v.model().controls()) {
                if (v.widget(c->name()) == up) {
                    return c->name();
                }
            }
        }
        return {};
    }
    // Every label shows its whole caption in its box.
    static void expectLabelsFit(ui::qt::WindowView& v) {
        for (const auto& c : v.model().controls()) {
            auto* label = qobject_cast<QLabel*>(v.widget(c->name()));
            if (label == nullptr || c->kind() != ui::ControlKind::Label) {
                continue;
            }
            const QFontMetrics metrics(label->font());
            const std::string what = c->name().toStdString() + " \"" + c->caption().toStdString();
            if (c->multiLine) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << what;
            } else {
                EXPECT_LE(metrics.horizontalAdvance(c->caption()), label->width()) << what;
                EXPECT_LE(metrics.height(), label->height()) << what;
            }
        }
    }
};

TEST_F(WebView, EachPageCoversThePagesBeneathIt) {
    auto& v = view("FrmInternet");
    visit(home());
    EXPECT_EQ(topmostAt(v, "Command2"), "Command2");
    EXPECT_EQ(topmostAt(v, "Text1"), "Text1");
    EXPECT_FALSE(v.widget("Label2")->isVisible());

    visit("http://www.tarnvik.ru/news");
    EXPECT_EQ(topmostAt(v, "Label2"), "Label2");
    EXPECT_EQ(topmostAt(v, "Command2"), "Picture3");  // the download is out of reach

    visit(jokes());
    EXPECT_EQ(topmostAt(v, "Text2"), "Text2");
    EXPECT_EQ(topmostAt(v, "Picture4"), "Text2");
}

TEST_F(WebView, PageTextsShowWholeAndOnlyTheJokesScroll) {
    auto& v = view("FrmInternet");
    visit(jokes());  // every page box visible, so every text is laid out
    expectLabelsFit(v);
    auto* features = qobject_cast<QTextEdit*>(v.widget("Text1"));
    auto* jokesText = qobject_cast<QTextEdit*>(v.widget("Text2"));
    ASSERT_TRUE(features != nullptr && jokesText != nullptr);
    EXPECT_EQ(features->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(features->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(features->isReadOnly());
    EXPECT_GT(jokesText->verticalScrollBar()->maximum(), 0) << "a long page of jokes";
    EXPECT_EQ(jokesText->horizontalScrollBar()->maximum(), 0) << "lines wrap, nothing is cut";
    EXPECT_TRUE(jokesText->isReadOnly());
}

TEST_F(WebView, TheDownloadWindowShowsItsProgressWhole) {
    visit(home());
    click("FrmInternet", "Command2");
    browserTicks(1);
    auto& v = view("FrmDL");
    click("FrmDL", "Command1");
    downloadTicks(100);
    expectLabelsFit(v);
    EXPECT_EQ(v.shownText("Label2"), "2000 MB из 2000 MB");
}

}  // namespace
}  // namespace web_tests
