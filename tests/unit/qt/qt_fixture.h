#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/all_windows.h"
#include "game/form1.h"
#include "game/game.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/window_view.h"
#include "ui/scripted_services.h"

namespace qt_tests {

// Scripted services whose message boxes are also shown for real, as dialogs of the window the
// front end names, and answered by a click on the button of the scripted answer.
class ScreenServices : public ui::ScriptedServices {
public:
    ui::Answer messageBox(const QString& text, ui::MessageKind kind,
                          const QString& title) override {
        const ui::Answer answer = ui::ScriptedServices::messageBox(text, kind, title);
        auto box = ui::qt::makeMessageBox(text, kind, title, owner ? owner() : nullptr);
        lastOwner = box->parentWidget();
        QPointer<QAbstractButton> button = ui::qt::buttonFor(*box, answer);
        QTimer::singleShot(0, box.get(), [button] {
            if (button) {
                button->click();
            }
        });
        ui::qt::runMessageBox(*box);
        return answer;
    }

    std::function<QWidget*()> owner;
    QPointer<QWidget> lastOwner;
};

// A whole game through the real Qt windows (offscreen), with scripted services. Input goes to
// the widgets as a player's would; time is virtual.
class QtGame : public ::testing::Test {
protected:
    void SetUp() override {
        game = app::makeGame(services);
        front = std::make_unique<ui::qt::QtFrontEnd>(*game);
        game->setObserver(front.get());
        services.owner = [this] { return front->dialogOwner(); };
        game->start();
        settle();
    }
    void TearDown() override {
        front.reset();
        game->setObserver(nullptr);
        settle();
    }

    // Past the name window: the main window is open, the introduction answered.
    void startPlaying() {
        QTest::keyClick(widget("FrmLogin", "Text1"), Qt::Key_Return);
        settle();
        services.clearPending();
    }

    ui::qt::WindowView* view(const QString& window) const {
        ui::qt::WindowView* v = front->view(window);
        if (v == nullptr) {
            throw std::runtime_error("no view of " + window.toStdString());
        }
        return v;
    }
    QWidget* widget(const QString& window, const QString& control) const {
        QWidget* w = view(window)->widget(control);
        if (w == nullptr) {
            throw std::runtime_error("no widget " + control.toStdString());
        }
        return w;
    }
    ui::Control& control(const QString& window, const QString& name) const {
        return game->find(window)->control(name);
    }
    // A left click on a widget, as the mouse gives it.
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    // Shows a window and gives it the keyboard, as the window manager does.
    void activate(const QString& window) {
        QWidget* v = view(window);
        v->show();
        v->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    }
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    ScreenServices services;
    std::unique_ptr<game::Game> game;
    std::unique_ptr<ui::qt::QtFrontEnd> front;
};

}  // namespace qt_tests
