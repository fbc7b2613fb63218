#include "game/game.h"

#include <stdexcept>

#include "game/about_windows.h"
#include "game/form1.h"
#include "game/frm_login.h"
#include "game/start_download.h"
#include "game/value_warnings.h"
#include "ui/numbers.h"

namespace game {

Game::Game(ui::Services& services) : ui::Application(services) {
    game::registerWindow<FrmLogin>(*this);
    game::registerWindow<Form1>(*this);
    for (const AboutWindow::Kind kind : {AboutWindow::Author, AboutWindow::Program}) {
        registerWindow(AboutWindow::nameOf(kind),
                       [this, kind] { return std::make_unique<AboutWindow>(*this, kind); });
    }
}

Form1& Game::form1() const {
    ui::Window* w = model(QStringLiteral("Form1"));
    if (w == nullptr) {
        throw std::logic_error("the main window does not exist yet");
    }
    return static_cast<Form1&>(*w);
}

void Game::start() {
    dispatch([this] { show(QStringLiteral("FrmLogin")); });
}

double Game::number(const QString& label) const {
    return ui::toNumber(caption(label));
}

void Game::setNumber(const QString& label, double value) {
    setCaption(label, ui::numberText(value));
}

QString Game::caption(const QString& label) const {
    return form1().control(label).caption();
}

void Game::setCaption(const QString& label, const QString& text) {
    form1().control(label).setCaption(text);
}

void Game::setFreeDisk(int mb) {
    globals.FreeDiskMb = static_cast<std::int16_t>(mb);
    setCaption(QStringLiteral("LblHDF"),
               QString::number(globals.FreeDiskMb) + QStringLiteral(" MB"));
}

ui::Control& Game::clock() const {
    return form1().control(QStringLiteral("Timer1"));
}

void Game::openActivity(const QString& window, bool stopClock) {
    if (!knowsWindow(window)) {
        return;
    }
    if (stopClock) {
        clock().setEnabled(false);
    }
    show(window);
    form1().setEnabled(false);
}

void Game::endActivity(bool startClock) {
    withdrawRemovedSystem();
    form1().setEnabled(true);
    if (startClock) {
        clock().setEnabled(true);
        form1().setTitleNote({});  // time runs again, also after a pause
    }
}

void Game::withdrawRemovedSystem() {
    if (globals.OsLevel != InGameSystemLevel) {
        form1().control(QStringLiteral("mnuVexa")).setEnabled(false);
    }
}

void Game::eventHandled() {
    ui::Application::eventHandled();
    if (hasForm1()) {
        showWarnings(*this);
    }
}

}  // namespace game
