// tarnvik-scenario FILE.scn [--qt] [--dir DIR]: plays a scenario against the game as a player
// would and checks what the game shows. Exit status 0 when every step went as written, 1 when a
// step failed, 2 when the file cannot be read, parsed, or names what the game does not have.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/all_windows.h"
#include "tools/scenario/headless_player.h"
#include "tools/scenario/name_check.h"
#include "tools/scenario/qt/qt_player.h"
#include "tools/scenario/runner.h"
#include "tools/scenario/script.h"
#include "ui/scripted_services.h"

namespace {

constexpr int Unusable = 2;

struct Options {
    QString file;
    bool qt = false;
    std::optional<QString> dir;
};

std::optional<Options> readOptions(const QStringList& args) {
    Options options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--qt") {
            options.qt = true;
        } else if (args[i] == u"--dir" && i + 1 < args.size()) {
            options.dir = args[++i];
        } else if (args[i].startsWith(u'-') || !options.file.isEmpty()) {
            return std::nullopt;
        } else {
            options.file = args[i];
        }
    }
    if (options.file.isEmpty()) {
        return std::nullopt;
    }
    return options;
}

// The offscreen platform says so for every window it cannot raise or resize; that is no news.
QtMessageHandler previousHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// The Qt application object must exist before anything else of Qt; the real windows need a
// screen, and a test machine without one gets the offscreen platform.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool qt) {
    if (!qt) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        previousHandler = qInstallMessageHandler(quietOffscreen);
    }
    return std::make_unique<QApplication>(argc, argv);
}

int refuse(QTextStream& err, const QString& why) {
    err << "error: " << why << Qt::endl;
    err << "scenario: not run" << Qt::endl;
    return Unusable;
}

int refuse(QTextStream& err, std::vector<scenario::Fault> faults) {
    std::stable_sort(faults.begin(), faults.end(),
                     [](const auto& a, const auto& b) { return a.line < b.line; });
    for (const scenario::Fault& fault : faults) {
        err << "error: line " << fault.line << ": " << fault.why << Qt::endl;
    }
    err << "scenario: not run (" << faults.size() << " error(s))" << Qt::endl;
    return Unusable;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    bool qt = false;
    for (int i = 0; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
        qt = qt || args.back() == u"--qt";
    }
    const auto application = makeApplication(argc, argv, qt);
    // Fractions print with "." whatever the machine's locale, as the scenarios expect.
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout);
    QTextStream err(stderr);

    const auto options = readOptions(args);
    if (!options) {
        err << "usage: tarnvik-scenario FILE.scn [--qt] [--dir DIR]" << Qt::endl;
        return Unusable;
    }
    QFile file(options->file);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(err, options->file + QStringLiteral(": ") + file.errorString());
    }
    const scenario::Script script = scenario::parseScript(file.readAll());

    ui::ScriptedServices services;
    const auto game = app::makeGame(services);
    std::vector<scenario::Fault> faults = scenario::scriptFaults(script, *game);
    if (!faults.empty()) {
        return refuse(err, std::move(faults));
    }

    QTemporaryDir temporary;
    const QString folder = options->dir ? QDir(*options->dir).absolutePath() : temporary.path();
    if ((!options->dir && !temporary.isValid()) || !QDir().mkpath(folder + QStringLiteral("/PF"))) {
        return refuse(err, QStringLiteral("cannot create the game folder ") + folder);
    }
    services.folder = folder;
    std::unique_ptr<scenario::Player> player;
    if (options->qt) {
        player = scenario::makeQtPlayer(*game);
    } else {
        player = std::make_unique<scenario::HeadlessPlayer>(*game);
    }
    int status = 0;
    {
        scenario::Runner runner(*game, services, *player, folder, out);
        status = runner.run(script.steps);
    }
    player.reset();  // the windows on screen go before the models they show
    return status;
}
