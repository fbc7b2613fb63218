// "Vexa 2" on a real screen: borderless windows, the desktop's colours, captions over the
// wallpaper, and pictures drawn for the screen's density. The screen here has two pixels to a
// point, as a dense laptop screen has.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include "app/all_windows.h"
#include "game/form1.h"
#include "tests/support/suite_application.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/window_view.h"
#include "ui/scripted_services.h"

namespace {

class VexaView : public testing_support::WithSuiteApplication<QApplication> {
protected:
    static void SetUpTestSuite() {
        qputenv("QT_SCALE_FACTOR", "2");
        WithSuiteApplication::SetUpTestSuite();
    }

    void SetUp() override {
        game = app::makeGame(services);
        front = std::make_unique<ui::qt::QtFrontEnd>(*game);
        game->setObserver(front.get());
        game->start();
        game->click(game->find("FrmLogin")->control("Command1"));
        game->globals.OsLevel = 5;
        game->globals.BrowserLevel = 4;
        game->scheduler().advance(1500);
        game->click(game->form1().control("mnuVexa"));
    }
    void TearDown() override {
        game->setObserver(nullptr);
        front.reset();
    }

    void bootToDesktop() { game->scheduler().advance(11000); }
    ui::qt::WindowView& view(const QString& window) {
        ui::qt::WindowView* v = front->view(window);
        if (v == nullptr) {
            throw std::runtime_error("no view of " + window.toStdString());
        }
        return *v;
    }
    QLabel* label(const QString& window, const QString& control) {
        return qobject_cast<QLabel*>(view(window).widget(control));
    }

    ui::ScriptedServices services;
    std::unique_ptr<game::Game> game;
    std::unique_ptr<ui::qt::QtFrontEnd> front;
};

TEST_F(VexaView, TheSystemsWindowsHaveNoBorder) {
    EXPECT_TRUE(view("FrmLoadGUI").windowFlags() & Qt::FramelessWindowHint);
    bootToDesktop();
    EXPECT_TRUE(view("FrmGUI").windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(view("Form1").windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(VexaView, TheTaskBarIsFilledLightGrey) {
    bootToDesktop();
    QWidget* bar = view("FrmGUI").widget("Shape1");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->autoFillBackground());
    EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(VexaView, TheSystemsNameLiesOnTheWallpaperWithoutABox) {
    bootToDesktop();
    QLabel* name = label("FrmGUI", "Label1");
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->autoFillBackground());
    EXPECT_EQ(name->text(), "Vexa 2");
    // An ordinary label keeps its background.
    EXPECT_TRUE(label("FrmGUI", "Label9")->autoFillBackground());
}

TEST_F(VexaView, PicturesAreDrawnForTheScreensDensity) {
    bootToDesktop();
    ASSERT_DOUBLE_EQ(view("FrmGUI").devicePixelRatioF(), 2.0);
    game->click(game->find("FrmGUI")->control("Command4"));
    ASSERT_TRUE(game->edit(game->find("FrmGUI")->control("Combo1"), "Нет"));
    game->globals.AntivirusLevel = 2;
    game->click(game->find("FrmGUI")->control("Command7"));
    const QPixmap picture = label("FrmGUI", "Picture1")->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.size(), QSize(840, 660));
    for (const char* image : {"Image1", "Image2", "Image3"}) {
        const QPixmap shown = label("FrmGUI", image)->pixmap();
        const ui::Rect area = game->find("FrmGUI")->control(image).geometry();
        EXPECT_EQ(shown.size(), QSize(2 * area.width, 2 * area.height)) << image;
        EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 2.0) << image;
    }
}

}  // namespace
