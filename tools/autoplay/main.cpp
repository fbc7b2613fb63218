// tarnvik-autoplay: a computer player for the headless game.
//   --monkey --seed S --actions N [--replay FILE]   random play with the rules' invariants checked
//   --best [--route FILE]                          the fastest road to a win it can find
// Exit status 0 when all went well, 1 when a rule broke (or the planner could not win), 2 for a
// command line it cannot use.
#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <optional>

#include "tools/autoplay/monkey.h"
#include "tools/autoplay/route.h"

namespace {

constexpr int Unusable = 2;

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

std::optional<Options> readOptions(const QStringList& args) {
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--monkey") {
            o.mode = Options::Monkey;
        } else if (a == u"--best") {
            o.mode = Options::Best;
        } else if (a == u"--seed" && hasValue) {
            const auto n = count(args[++i]);
            if (!n) {
                return std::nullopt;
            }
            o.monkey.seed = *n;
        } else if (a == u"--actions" && hasValue) {
            const auto n = count(args[++i]);
            if (!n) {
                return std::nullopt;
            }
            o.monkey.actions = *n;
        } else if (a == u"--replay" && hasValue) {
            o.monkey.replay = args[++i];
        } else if (a == u"--route" && hasValue) {
            o.route = args[++i];
        } else {
            return std::nullopt;
        }
    }
    if (o.mode == Options::None) {
        return std::nullopt;
    }
    return o;
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
    const auto options = readOptions(QCoreApplication::arguments());
    if (!options) {
        QTextStream(stderr) << "usage: tarnvik-autoplay --monkey [--seed S] [--actions N] "
                               "[--replay FILE]\n"
                               "       tarnvik-autoplay --best [--route FILE]"
                            << Qt::endl;
        return Unusable;
    }
    if (options->mode == Options::Best) {
        return autoplay::runBest(options->route, out);
    }
    return runMonkey(options->monkey, out);
}
