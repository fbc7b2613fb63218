#include "app/qt/run_game.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include "app/all_windows.h"
#include "app/command_line.h"
#include "guestos/script_folder.h"
#include "ui/qt/game_icon.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/qt_translation.h"
#include "ui/qt/real_time_clock.h"
#include "ui/qt/window_view.h"

namespace app {

int runGame(int argc, char** argv, const std::function<void(QWidget*)>& firstShown) {
    QApplication qapp(argc, argv);
    if (const std::optional<int> status = refuseUnknownArguments(QApplication::arguments())) {
        return *status;
    }
    QApplication::setOrganizationName(QStringLiteral("Tarnvik"));
    QApplication::setApplicationName(QStringLiteral("Tarnvik 2"));
    // The name of the menu entry, by which the desktop ties the windows to it and its icon.
    QApplication::setDesktopFileName(QStringLiteral(TARNVIK_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The game speaks Russian, and so do the menus and dialogs Qt makes for it.
    ui::qt::translateQt(QStringLiteral("ru"));
    // The game ends by its own rules, not when a window happens to be the last one on screen.
    QApplication::setQuitOnLastWindowClosed(false);

    ui::qt::QtServices services;
    guestos::prepareScriptFolder(services.gameFolder());
    auto game = makeGame(services);
    ui::qt::QtFrontEnd front(*game);
    ui::qt::RealTimeClock clock(*game);
    front.setModalListener(&clock);
    services.setDialogOwner([&front] { return front.dialogOwner(); });
    game->setObserver(&front);
    game->start();
    // The sound system is slow to wake; it does so once the first window is up, long before
    // the first beep.
    QTimer::singleShot(500, &qapp, [&services] { services.prepareSound(); });
    ui::qt::showGameIconAfterFirstPaint(front.view(QStringLiteral("FrmLogin")));
    if (firstShown) {
        if (ui::qt::WindowView* view = front.view(QStringLiteral("FrmLogin"))) {
            firstShown(view);
        }
    }
    const int status = game->ended() ? 0 : QApplication::exec();
    game->setObserver(nullptr);
    return status;
}

}  // namespace app
