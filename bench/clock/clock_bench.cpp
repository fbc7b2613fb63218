// The game clock in play, through the Qt front end and the real-time clock: how many hours a
// minute yields at the fastest speed, how evenly hours come at the slowest, and what the running
// game costs in processor time while it only waits and swaps its pictures.
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <optional>

#include "app/all_windows.h"
#include "bench/clock/hour_log.h"
#include "bench/common/stats.h"
#include "game/form1.h"
#include "tools/command_line/tool_command_line.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/real_time_clock.h"
#include "ui/qt/window_view.h"
#include "ui/scripted_services.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double FastIntervalMs = 50;
constexpr double SlowIntervalMs = 1500;
constexpr double SwapIntervalMs = 200;
constexpr double FastTolerancePercent = 1;
constexpr double SlowTolerancePercent = 2;
constexpr double IdleBudgetPercent = 1;

struct Options {
    double fastSeconds = 60;
    double slowSeconds = 30;
    double idleSeconds = 30;
};

// The options after Qt has taken its own (-platform ...); nothing when the bench is to stop, with
// its exit status.
std::optional<int> readOptions(const QStringList& arguments, Options& options) {
    tools::CommandLine line(
        QStringLiteral("clock_bench"),
        {QStringLiteral("[--seconds N] [--slow-seconds N] [--idle-seconds N]")},
        QStringLiteral(
            "The game clock in play, through the Qt front end: how many hours a minute yields\n"
            "at the fastest speed (aim: 1200, within 1 %), how evenly hours come at the slowest\n"
            "(1500 ms apart, within 2 %), and the share of a core the running game takes while\n"
            "it only waits and swaps its pictures (aim: under 1 %). Run it under xvfb-run -a,\n"
            "or offscreen. Exit status 0 when every run could be measured."));
    const QCommandLineOption fast(
        QStringLiteral("seconds"),
        QStringLiteral("How long to run at 6-X (default 60); the 1-X and idle runs take half of "
                       "it unless given."),
        QStringLiteral("N"));
    const QCommandLineOption slow(QStringLiteral("slow-seconds"),
                                  QStringLiteral("How long to run at 1-X."), QStringLiteral("N"));
    const QCommandLineOption idle(QStringLiteral("idle-seconds"),
                                  QStringLiteral("How long to measure the idle game."),
                                  QStringLiteral("N"));
    for (const QCommandLineOption* option : {&fast, &slow, &idle}) {
        line.addOption(*option);
    }
    if (const auto status = line.read(arguments)) {
        return status;
    }
    if (!line.positiveNumber(fast, options.fastSeconds)) {
        return tools::CommandLine::Unusable;
    }
    options.slowSeconds = options.idleSeconds = options.fastSeconds / 2;
    if (!line.positiveNumber(slow, options.slowSeconds) ||
        !line.positiveNumber(idle, options.idleSeconds)) {
        return tools::CommandLine::Unusable;
    }
    return std::nullopt;
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Lets the game run as it does in play for `seconds` of wall time.
void play(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
}

// Counts paint events of the main window's two pictures: proof that the swaps reach the screen.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

// The game as run_game.cpp builds it, with scripted services so no message box waits for a
// player and nothing is written outside a temporary folder.
class Bench {
public:
    explicit Bench(const QString& folder)
        : services_(folder), game_(app::makeGame(services_)), front_(*game_), clock_(*game_) {
        front_.setModalListener(&clock_);
        game_->setObserver(&front_);
    }
    ~Bench() { game_->setObserver(nullptr); }
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    bool start() {
        game_->start();
        ui::Window* login = game_->find(QStringLiteral("FrmLogin"));
        if (login == nullptr || !game_->click(login->control(QStringLiteral("Command1"))) ||
            !game_->hasForm1()) {
            return false;
        }
        // Nobody eats during a benchmark: the player must outlive it.
        game_->setCaption(QStringLiteral("LblEda"), QStringLiteral("1000000000"));
        game_->setCaption(QStringLiteral("LblRazvl"), QStringLiteral("1000000000"));
        services_.clearPending();

        ui::Control& hours = game_->form1().control(QStringLiteral("Timer1"));
        hours.onTick = [this, hourStep = hours.onTick] {
            log.record(Clock::now());
            hourStep();
        };
        ui::Control& pictures = game_->form1().control(QStringLiteral("Timer2"));
        pictures.onTick = [this, swap = pictures.onTick] {
            ++swaps;
            swap();
        };
        if (ui::qt::WindowView* view = front_.view(QStringLiteral("Form1"))) {
            for (const char* image : {"Image1", "Image2"}) {
                if (QWidget* widget = view->widget(QString::fromLatin1(image))) {
                    widget->installEventFilter(&paints);
                }
            }
        }
        return true;
    }

    bool chooseSpeed(int speed) {
        return game_->click(game_->form1().control(QStringLiteral("mnu%1").arg(speed)));
    }

    // Anything the game showed or did on its own (a message box, the end) spoils the run.
    bool undisturbed() const { return !game_->ended() && services_.pending().empty(); }

    bench::HourLog log;
    int swaps = 0;
    PaintCounter paints;

private:
    ui::ScriptedServices services_;
    std::unique_ptr<game::Game> game_;
    ui::qt::QtFrontEnd front_;
    ui::qt::RealTimeClock clock_;
};

bool fastRun(Bench& bench, double seconds) {
    bench.log.clear();
    const Clock::time_point start = Clock::now();
    if (!bench.chooseSpeed(6)) {
        return false;
    }
    play(seconds);
    const double elapsedMs = msSince(start);
    const double expected = elapsedMs / FastIntervalMs;
    const double ratio = static_cast<double>(bench.log.count()) / expected;
    const auto intervals = bench.log.intervalsMs();
    std::printf("clock at 6-X (an hour every %.0f ms) for %.1f s\n", FastIntervalMs,
                elapsedMs / 1000);
    std::printf("  hours counted %zu, expected %.1f, ratio %.4f   %s (goal 1 +- %.0f %%)\n",
                bench.log.count(), expected, ratio,
                bench::verdict(std::abs(ratio - 1) * 100 <= FastTolerancePercent),
                FastTolerancePercent);
    std::printf("  intervals: mean %.3f ms, median %.3f ms, worst deviation %.1f %%\n",
                bench::mean(intervals), bench::median(intervals),
                bench.log.worstDeviationPercent(FastIntervalMs));
    return bench.log.count() > 0;
}

bool slowRun(Bench& bench, double seconds) {
    bench.log.clear();
    const Clock::time_point start = Clock::now();
    if (!bench.chooseSpeed(1)) {
        return false;
    }
    play(seconds);
    const auto intervals = bench.log.intervalsMs();
    std::printf("clock at 1-X (an hour every %.0f ms) for %.1f s\n", SlowIntervalMs,
                msSince(start) / 1000);
    if (intervals.empty()) {
        std::printf("  only %zu hours passed: not measured, run it longer\n", bench.log.count());
        return false;
    }
    const double worst = bench.log.worstDeviationPercent(SlowIntervalMs);
    const double ratio = bench::mean(intervals) / SlowIntervalMs;
    std::printf(
        "  %zu intervals: mean %.3f ms, ratio %.5f, worst deviation %.2f %%   %s (goal "
        "every interval within %.0f %%)\n",
        intervals.size(), bench::mean(intervals), ratio, worst,
        bench::verdict(worst <= SlowTolerancePercent), SlowTolerancePercent);
    return true;
}

bool idleRun(Bench& bench, double seconds) {
    bench.swaps = 0;
    bench.paints.count = 0;
    const double cpuBefore = cpuSeconds();
    const Clock::time_point start = Clock::now();
    play(seconds);
    const double wallSeconds = msSince(start) / 1000;
    const double cpu = cpuSeconds() - cpuBefore;
    const double percent = cpu / wallSeconds * 100;
    std::printf("idle at 1-X with the pictures swapping, %.1f s\n", wallSeconds);
    std::printf("  %.3f s of CPU (user+sys) = %.2f %% of one core   %s (goal below %.0f %%)\n", cpu,
                percent, bench::verdict(percent < IdleBudgetPercent), IdleBudgetPercent);
    std::printf("  picture swaps %d (expected %.0f), pictures painted %d times\n", bench.swaps,
                wallSeconds * 1000 / SwapIntervalMs, bench.paints.count);
    return bench.swaps > 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);  // takes its own options (-platform ...) out of argv first
    Options options;
    if (const auto status = readOptions(QApplication::arguments(), options)) {
        return *status;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(folder.errorString()));
        return 1;
    }
    Bench bench(folder.path());
    if (!bench.start()) {
        std::fprintf(stderr, "the game did not get past its name window\n");
        return 1;
    }
    std::printf("platform %s, load average %.2f at the start\n",
                qPrintable(QGuiApplication::platformName()), bench::loadAverage());
    // Let the main window appear and settle before anything is measured.
    play(1);

    // Every run is made even if one could not be measured (a run too short for two hours).
    const bool fast = fastRun(bench, options.fastSeconds);
    const bool slow = slowRun(bench, options.slowSeconds);
    const bool idle = idleRun(bench, options.idleSeconds);
    const bool ok = fast && slow && idle;
    if (!bench.undisturbed()) {
        std::fprintf(stderr, "the game showed a message or ended during the run\n");
        return 1;
    }
    std::printf("load average %.2f at the end\n", bench::loadAverage());
    return ok ? 0 : 1;
}
