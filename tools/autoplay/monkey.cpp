#include "tools/autoplay/monkey.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <cmath>

#include "game/game.h"
#include "tools/autoplay/crash_report.h"
#include "tools/autoplay/moves.h"
#include "tools/autoplay/replay_check.h"
#include "tools/autoplay/route.h"
#include "tools/autoplay/save_files.h"
#include "tools/autoplay/scripts.h"
#include "tools/autoplay/step_lines.h"

namespace autoplay {

namespace {

// A run of the program this long is left for a fresh one, as a player closes the game at night.
constexpr std::uint64_t LongestRun = 20000;
// The game folder keeps about this many files, so that listing it stays quick.
constexpr int FolderFiles = 40;

std::vector<bool> randomAnswers(Dice& dice) {
    std::vector<bool> answers;
    for (int i = 0; i < 4; ++i) {
        answers.push_back(dice.chance(0.5));
    }
    return answers;
}

int questionsAsked(const std::vector<ui::ServiceEvent>& events) {
    int n = 0;
    for (const ui::ServiceEvent& e : events) {
        n += e.type == ui::ServiceEvent::Message && e.kind == ui::MessageKind::Question ? 1 : 0;
    }
    return n;
}

QStringList filesIn(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

}  // namespace

Monkey::Monkey(const MonkeyOptions& options, QTextStream& out)
    : options_(options), out_(out), dice_(options.seed) {
    // The game folder lies a few levels down, so that a name with ".." in it stays in the sandbox
    // where the checks find what it wrote.
    folder_ = sandbox_.path() + QStringLiteral("/home/player/game");
    QDir().mkpath(folder_ + QStringLiteral("/PF"));
    if (!options_.replay.isEmpty()) {
        log_.follow(options_.replay);
    }
}

Monkey::~Monkey() = default;

int Monkey::run() {
    watchForCrashes(options_.seed);
    startWatchdog(60);
    QElapsedTimer clock;
    clock.start();
    startRun();
    for (step_ = 1; step_ <= options_.actions; ++step_) {
        setCurrentStep(step_);
        if (session_->ended() || step_ - runStart_ > LongestRun) {
            if (auto v = endRun()) {
                return fail(*v);
            }
            startRun();
        }
        if (auto v = oneStep()) {
            return fail(*v);
        }
        ++totals_.actions;
    }
    if (auto v = endRun()) {
        return fail(*v);
    }
    totals_.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return 0;
}

void Monkey::startRun() {
    tidyFolder();
    session_.reset();
    roundTrip_.reset();
    plan_.clear();
    runStart_ = step_;
    ++totals_.runs;
    log_.startRun(QStringLiteral("# tarnvik-autoplay --monkey --seed %1: run %2 of the program, "
                                 "from step %3 on. Played by tarnvik-scenario it reproduces what "
                                 "the tool found.")
                      .arg(options_.seed)
                      .arg(totals_.runs)
                      .arg(step_ + 1),
                  folder_);
    session_ = std::make_unique<Session>(folder_);
    invariants_.startRun();
    // Now and then the run starts down the planner's road and leaves it at a random day, so that
    // random play also begins from a career, a computer and its programs.
    onRoad_ = false;
    if (dice_.chance(0.08)) {
        if (!road_) {
            road_ = roadSteps();
        }
        if (!road_->empty()) {
            const int length = dice_.below(static_cast<int>(road_->size()) - 1);
            plan_.assign(road_->begin(), road_->begin() + length);
            onRoad_ = true;
        }
    }
}

std::optional<Violation> Monkey::endRun() {
    // Whatever the game wrote lies in its folder, nowhere else.
    QDirIterator it(sandbox_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(folder_ + u'/')) {
            QFile::remove(path);
            return Violation{
                QStringLiteral("the game writes only in its own folder"),
                QStringLiteral("it wrote ") + QDir(sandbox_.path()).relativeFilePath(path),
                {}};
        }
    }
    return std::nullopt;
}

void Monkey::tidyFolder() {
    QStringList files;
    QDirIterator it(folder_, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(it.next());
    }
    std::sort(files.begin(), files.end());
    while (files.size() > FolderFiles) {
        QFile::remove(files.takeAt(dice_.below(static_cast<int>(files.size()))));
    }
}

std::optional<Violation> Monkey::oneStep() {
    if (roundTrip_) {
        if (auto step = roundTrip_->next(*session_)) {
            if (auto v = play({*step, {true}})) {
                return v;
            }
            if (auto v = roundTrip_->after(*session_)) {
                return v;
            }
            if (roundTrip_->done()) {
                roundTrip_.reset();
            }
            return std::nullopt;
        }
        roundTrip_.reset();
    }
    while (!plan_.empty()) {
        scenario::Step step = plan_.front();
        plan_.pop_front();
        const std::vector<bool> answers =
            onRoad_ ? std::vector<bool>{true, true} : randomAnswers(dice_);
        if (step.op == scenario::Op::Wait || step.op == scenario::Op::File) {
            return play({step, {}});
        }
        // A planned step no longer in reach (a message ended the game, a window closed) is
        // dropped with the rest of the plan.
        const game::Game& game = session_->game();
        const ui::Window* w = game.find(step.window);
        if (step.control.isEmpty()) {
            if (w != nullptr && game.canReach(*w)) {
                return play({step, answers});
            }
        } else if (const ui::Control* c = w != nullptr ? w->find(step.control) : nullptr;
                   c != nullptr && game.canReach(*c) &&
                   (step.op != scenario::Op::Select || !c->items().isEmpty())) {
            if (step.op == scenario::Op::Select && !onRoad_) {
                step.number = dice_.below(static_cast<int>(c->items().size()));
            }
            return play({step, answers});
        }
        plan_.clear();
    }
    if (auto planned = choose()) {
        return play(*planned);
    }
    // A save-and-load-back has begun: its first step is played and checked like the others.
    return oneStep();
}

std::optional<Monkey::Planned> Monkey::startPlan(bool answersAtRandom) {
    onRoad_ = false;
    if (plan_.empty()) {
        return std::nullopt;
    }
    Planned first{plan_.front(), answersAtRandom ? randomAnswers(dice_) : std::vector<bool>{}};
    plan_.pop_front();
    return first;
}

std::optional<Monkey::Planned> Monkey::choose() {
    const game::Game& game = session_->game();
    const bool loads = game.knowsWindow(QStringLiteral("Frmload"));
    const bool scripts = game.knowsWindow(QStringLiteral("FrmGUI"));
    const bool desktop = scripts && game.find(QStringLiteral("FrmGUI")) != nullptr;
    const ui::Window* main = game.find(QStringLiteral("Form1"));
    const bool online =
        loads && main != nullptr && game.canReach(main->control(QStringLiteral("mnuload")));
    switch (dice_.weighted({80, 12, loads || scripts ? 2.5 : 0,
                            RoundTrip::possible(*session_) ? 1.0 : 0.0, desktop ? 3.0 : 0.0,
                            online ? 1.0 : 0.0})) {
        case 1:
            return Planned{randomWait(*session_, dice_), {}};
        case 2:
            if (auto file = fileWrite()) {
                return *file;
            }
            break;
        case 3:
            roundTrip_.emplace(QStringLiteral("rt%1").arg(dice_.below(4)));
            return std::nullopt;
        case 4:
            planScriptRun();
            if (auto first = startPlan(true)) {
                return first;
            }
            break;
        case 5:
            planOnlineLoad();
            if (auto first = startPlan(false)) {
                return first;
            }
            break;
        default:
            break;
    }
    if (auto action = randomAction(*session_, dice_)) {
        return Planned{*action, randomAnswers(dice_)};
    }
    return Planned{randomWait(*session_, dice_), {}};
}

std::optional<Monkey::Planned> Monkey::fileWrite() {
    const game::Game& game = session_->game();
    const bool loads = game.knowsWindow(QStringLiteral("Frmload"));
    const bool scripts = game.knowsWindow(QStringLiteral("FrmGUI"));
    const int kind = dice_.weighted({loads ? 3.0 : 0, loads ? 2.0 : 0, scripts ? 3.0 : 0});
    if (kind == 2) {
        const QString ext = dice_.chance(0.9) ? QStringLiteral(".RPF") : QStringLiteral(".rpf");
        return Planned{
            fileStep(QStringLiteral("PF/s%1").arg(dice_.below(6)) + ext, randomScript(dice_)), {}};
    }
    const QString name = QStringLiteral("f%1.sav").arg(dice_.below(8));
    if (kind == 0) {
        return Planned{fileStep(name, randomSave(dice_)), {}};
    }
    // Damage a save the game wrote, or a fresh one.
    const QStringList saves = filesIn(folder_, QStringLiteral("*.sav"));
    QByteArray content;
    if (!saves.isEmpty() && dice_.chance(0.7)) {
        QFile f(QDir(folder_).filePath(saves[dice_.below(static_cast<int>(saves.size()))]));
        if (f.open(QIODevice::ReadOnly)) {
            content = f.readAll().left(4096);
        }
    }
    if (content.isEmpty()) {
        content = randomSave(dice_);
    }
    return Planned{fileStep(name, damagedSave(dice_, content)), {}};
}

void Monkey::planOnlineLoad() {
    const QString main = QStringLiteral("Form1");
    const QString name = QStringLiteral("online%1.sav").arg(dice_.below(3));
    scenario::Step choose = selectStep(QStringLiteral("Frmload"), QStringLiteral("File1"), 0);
    choose.byText = true;
    choose.text = name;
    plan_ = {fileStep(name, onlineSave(dice_)), menuStep(main, QStringLiteral("mnuload")), choose,
             clickStep(QStringLiteral("Frmload"), QStringLiteral("Command1"))};
    // Then, most times, straight on to where the load leads: the system booted to its desktop,
    // or the browser on the home site and the download of the system. A step out of reach by
    // then (the load failed, no system) drops the rest, and random play goes on from there.
    if (dice_.chance(0.4)) {
        plan_.insert(plan_.end(), {menuStep(main, QStringLiteral("mnuVexa")), waitStep(11000)});
    } else if (dice_.chance(0.7)) {
        const QString browser = QStringLiteral("FrmInternet");
        plan_.insert(plan_.end(), {clickStep(main, QStringLiteral("Command4")),
                                   clickStep(browser, QStringLiteral("Command1")), waitStep(11000),
                                   clickStep(browser, QStringLiteral("Command2")), waitStep(500),
                                   clickStep(QStringLiteral("FrmDL"), QStringLiteral("Command1")),
                                   waitStep(1000 * dice_.between(1, 402))});
    }
}

void Monkey::planScriptRun() {
    // The desktop's shortcut to the run-program window, a refresh of its list, a file, run.
    const QString desktop = QStringLiteral("FrmGUI");
    plan_ = {clickStep(desktop, QStringLiteral("Command11")),
             clickStep(desktop, QStringLiteral("Command8")),
             selectStep(desktop, QStringLiteral("File1"), 0),
             clickStep(desktop, QStringLiteral("Command8"))};
}

std::optional<Violation> Monkey::play(const Planned& planned) {
    const Moment before = invariants_.moment(*session_);
    std::vector<bool> answers = planned.answers;
    std::size_t next = 0;
    session_->services().answer = [this, &answers, &next](const QString&) {
        if (next == answers.size()) {
            answers.push_back(dice_.chance(0.5));
        }
        return bool(answers[next++]);
    };
    log_.play(planned.step, answers);
    const std::optional<QString> problem = session_->play(planned.step);
    session_->services().answer = nullptr;
    log_.played(questionsAsked(session_->events()));
    if (problem) {
        return Violation{QStringLiteral("a player's action within reach is taken"), *problem, {}};
    }
    const Moment after = invariants_.moment(*session_);
    count(before, after, planned.step);
    if (!planned.step.window.isEmpty()) {
        ++totals_.byWindow[planned.step.window];
    }
    return invariants_.check(*session_, planned.step, before);
}

void Monkey::count(const Moment& before, const Moment& after, const scenario::Step& step) {
    if (step.op != scenario::Op::Wait || !before.playing || !after.playing) {
        return;
    }
    // Nothing but the end of a day takes satiety during a wait: five at a time.
    const long days = std::lround((before.satiety - after.satiety) / 5.0);
    const long hours = 24 * days + after.hour - before.hour;
    totals_.hours += static_cast<std::uint64_t>(std::max(0L, hours));
}

int Monkey::fail(const Violation& violation) {
    log_.broken(violation);
    out_ << QStringLiteral(
                "FAIL at seed %1, step %2 (run %3 of the program, its step %4): %5\n  %6")
                .arg(options_.seed)
                .arg(step_)
                .arg(totals_.runs)
                .arg(step_ - runStart_)
                .arg(violation.rule, violation.detail)
         << Qt::endl;
    if (options_.replay.isEmpty()) {
        out_ << QStringLiteral(
                    "  replay it: tarnvik-autoplay --monkey --seed %1 --actions %2 "
                    "--replay failure.scn")
                    .arg(options_.seed)
                    .arg(step_)
             << Qt::endl;
    } else {
        out_ << QStringLiteral("  replay written to ") << options_.replay << Qt::endl;
        out_ << QStringLiteral("  ") << checkReplay(options_.replay) << Qt::endl;
    }
    return 1;
}

}  // namespace autoplay
