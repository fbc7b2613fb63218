// tarnvik-autoplay: a computer player for the headless game.
//   --monkey [--seed S] [--actions N] [--replay FILE]   random play with the rules' invariants
//   checked
//   --best [--route FILE]                              the fastest road to a win it can find
// Exit status 0 when all went well, 1 when a rule broke (or the planner could not win), 2 for a
// command line it cannot use.
#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <optional>

#include "tools/autoplay/monkey.h"
#include "tools/autoplay/route.h"
#include "tools/command_line/tool_command_line.h"

namespace {

struct Options {
    enum Mode { None, Monkey, Best } mode = None;
    autoplay::MonkeyOptions monkey;
    QString route;
};

std::optional<std::uint64_t> count(const QString& text) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    return ok ? std::optional<std::uint64_t>(value) : std::nullopt;
}

// Nothing when the computer player is to play; otherwise the exit status.
std::optional<int> readOptions(const QStringList& args, Options& o) {
    tools::CommandLine line(
        QStringLiteral("tarnvik-autoplay"),
        {QStringLiteral("--monkey [--seed S] [--actions N] [--replay FILE]"),
         QStringLiteral("--best [--route FILE]")},
        QStringLiteral(
            "A computer player for the headless game, through the windows the scenario driver\n"
            "uses. Random play clicks, types, answers message boxes, uses the menus and lets\n"
            "time pass in whatever windows are open, and after every step checks what the\n"
            "rules guarantee; a failure prints the seed and the step. Planned play works out,\n"
            "from the prices and rules the windows show, the fastest road to a win it can find,\n"
            "plays it and prints it day by day. Exit status 0 when all went well, 1 when a rule\n"
            "broke (or the planner could not win), 2 for a command line it cannot use."));
    const autoplay::MonkeyOptions defaults;
    const QCommandLineOption monkey(
        QStringLiteral("monkey"),
        QStringLiteral("Random play, the rules checked after every step."));
    const QCommandLineOption best(QStringLiteral("best"),
                                  QStringLiteral("Planned play: the fastest road to a win."));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("With --monkey: the seed of the random draws (default %1).")
            .arg(defaults.seed),
        QStringLiteral("S"));
    const QCommandLineOption actions(
        QStringLiteral("actions"),
        QStringLiteral("With --monkey: how many actions to take (default %1).")
            .arg(defaults.actions),
        QStringLiteral("N"));
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("With --monkey: writes the run of the program that holds the last action "
                       "as a scenario FILE and says whether the scenario driver fails on it."),
        QStringLiteral("FILE"));
    const QCommandLineOption route(
        QStringLiteral("route"),
        QStringLiteral("With --best: writes the road, with every message box and beep, as a "
                       "scenario FILE."),
        QStringLiteral("FILE"));
    for (const QCommandLineOption* option : {&monkey, &best, &seed, &actions, &replay, &route}) {
        line.addOption(*option);
    }
    if (const auto status = line.read(args)) {
        return status;
    }
    const QCommandLineParser& parser = line.parser();
    // Of --monkey and --best, the last one given counts.
    for (const QString& name : parser.optionNames()) {
        if (name == u"monkey") {
            o.mode = Options::Monkey;
        } else if (name == u"best") {
            o.mode = Options::Best;
        }
    }
    if (o.mode == Options::None) {
        return line.refuse(QStringLiteral("Missing --monkey or --best."));
    }
    for (const auto& [option, target] :
         {std::pair{&seed, &o.monkey.seed}, std::pair{&actions, &o.monkey.actions}}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        const QString text = parser.value(*option);
        const auto n = count(text);
        if (!n) {
            return line.refuse(QStringLiteral("'--%1' wants a number, not '%2'.")
                                   .arg(option->names().constFirst(), text));
        }
        *target = *n;
    }
    o.monkey.replay = parser.value(replay);
    o.route = parser.value(route);
    return std::nullopt;
}

int runMonkey(const autoplay::MonkeyOptions& options, QTextStream& out) {
    autoplay::Monkey monkey(options, out);
    const int status = monkey.run();
    if (status != 0) {
        return status;
    }
    const autoplay::MonkeyTotals& t = monkey.totals();
    const double seconds = std::max(t.seconds, 0.001);
    out << QStringLiteral(
               "monkey: seed %1, %2 actions in %3 s (%4 actions/s), %5 runs of the "
               "program, %6 game hours (%7 hours/s); every invariant held")
               .arg(options.seed)
               .arg(t.actions)
               .arg(t.seconds, 0, 'f', 1)
               .arg(static_cast<double>(t.actions) / seconds, 0, 'f', 0)
               .arg(t.runs)
               .arg(t.hours)
               .arg(static_cast<double>(t.hours) / seconds, 0, 'f', 0)
        << Qt::endl;
    QStringList reached;
    for (const auto& [window, actions] : t.byWindow) {
        reached.append(QStringLiteral("%1 %2").arg(window).arg(actions));
    }
    out << QStringLiteral("monkey: actions by window: ") << reached.join(QStringLiteral(", "))
        << Qt::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Fractions print with "." whatever the machine's locale, as the scenarios expect.
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout);
    Options options;
    if (const auto status = readOptions(QCoreApplication::arguments(), options)) {
        return *status;
    }
    if (options.mode == Options::Best) {
        return autoplay::runBest(options.route, out);
    }
    return runMonkey(options.monkey, out);
}
