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
#include "tools/command_line/tool_command_line.h"
#include "ui/scripted_services.h"

namespace {

constexpr int Unusable = tools::CommandLine::Unusable;

struct Options {
    QString file;
    bool qt = false;
    std::optional<QString> dir;
};

// Nothing when the scenario is to be played; otherwise the exit status.
std::optional<int> readOptions(const QStringList& args, Options& options) {
    tools::CommandLine line(
        QStringLiteral("tarnvik-scenario"), {QStringLiteral("FILE.scn [--qt] [--dir DIR]")},
        QStringLiteral(
            "Plays a scenario against the game as a player would, click by click, and checks\n"
            "what the game shows. By default the window models and rules run alone, with\n"
            "scripted services; time is virtual in both modes. Each message box, beep and the\n"
            "program's end is printed as it happens, each failed step as \"FAIL line N: ...\",\n"
            "and the last line counts the checks passed and failed. Exit status 0 when every\n"
            "step went as written, 1 when a step failed, 2 when the file cannot be read or\n"
            "parsed, names what the game does not have, or the command line cannot be used."));
    const QCommandLineOption qt(
        QStringLiteral("qt"),
        QStringLiteral("Plays through the real Qt windows (offscreen when there is no display); "
                       "every check of a caption or text also checks what the widget shows."));
    const QCommandLineOption dir(
        QStringLiteral("dir"),
        QStringLiteral("The game folder (saves, PF/ scripts), kept afterwards. Without it, a "
                       "fresh temporary folder, removed afterwards."),
        QStringLiteral("DIR"));
    line.addOption(qt);
    line.addOption(dir);
    line.addArgument(QStringLiteral("FILE.scn"),
                     QStringLiteral("The scenario: one command per line."));
    if (const auto status = line.read(args)) {
        return status;
    }
    options.file = line.parser().positionalArguments().constFirst();
    options.qt = line.parser().isSet(qt);
    if (line.parser().isSet(dir)) {
        options.dir = line.parser().value(dir);
    }
    return std::nullopt;
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
    for (int i = 0; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    // Read before the application object: --qt decides which kind it is.
    Options options;
    if (const auto status = readOptions(args, options)) {
        return *status;
    }
    const auto application = makeApplication(argc, argv, options.qt);
    // Fractions print with "." whatever the machine's locale, as the scenarios expect.
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout);
    QTextStream err(stderr);

    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(err, options.file + QStringLiteral(": ") + file.errorString());
    }
    const scenario::Script script = scenario::parseScript(file.readAll());

    ui::ScriptedServices services;
    const auto game = app::makeGame(services);
    std::vector<scenario::Fault> faults = scenario::scriptFaults(script, *game);
    if (!faults.empty()) {
        return refuse(err, std::move(faults));
    }

    QTemporaryDir temporary;
    const QString folder = options.dir ? QDir(*options.dir).absolutePath() : temporary.path();
    if ((!options.dir && !temporary.isValid()) || !QDir().mkpath(folder + QStringLiteral("/PF"))) {
        return refuse(err, QStringLiteral("cannot create the game folder ") + folder);
    }
    services.folder = folder;
    std::unique_ptr<scenario::Player> player;
    if (options.qt) {
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
