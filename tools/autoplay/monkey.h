#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "tools/autoplay/dice.h"
#include "tools/autoplay/invariants.h"
#include "tools/autoplay/replay_log.h"
#include "tools/autoplay/round_trip.h"
#include "tools/autoplay/session.h"

namespace autoplay {

struct MonkeyOptions {
    std::uint64_t seed = 1;
    std::uint64_t actions = 10000;
    QString replay;  // follow the current run of the program in this scenario file
};

struct MonkeyTotals {
    std::uint64_t actions = 0;
    std::uint64_t runs = 0;
    std::uint64_t hours = 0;
    double seconds = 0;
    // Actions taken in each window, by name: what the run reached.
    std::map<QString, std::uint64_t> byWindow;
};

// Random play: every step acts on something a player could reach, lets time pass, writes saves
// and scripts into the game folder, or saves and loads back; after every step the rules'
// invariants are checked. A run of the program that ends is followed by a new one.
class Monkey {
public:
    Monkey(const MonkeyOptions& options, QTextStream& out);
    ~Monkey();

    // 0 when every step kept the rules, 1 at the first that did not.
    int run();
    const MonkeyTotals& totals() const { return totals_; }

private:
    struct Planned {
        scenario::Step step;
        std::vector<bool> answers;
    };

    void startRun();
    std::optional<Violation> endRun();
    std::optional<Violation> oneStep();
    // The next random move; nothing when a save-and-load-back has just begun (its steps follow).
    std::optional<Planned> choose();
    // Takes the first step off a plan just made, which starts at once, with answers drawn now
    // or none (its questions are then answered at random as they come).
    std::optional<Planned> startPlan(bool answersAtRandom);
    std::optional<Planned> fileWrite();
    // A computer that can go online, written as a save and loaded through the load window.
    void planOnlineLoad();
    void planScriptRun();
    std::optional<Violation> play(const Planned& planned);
    void count(const Moment& before, const Moment& after, const scenario::Step& step);
    void tidyFolder();
    int fail(const Violation& violation);

    MonkeyOptions options_;
    QTextStream& out_;
    Dice dice_;
    QTemporaryDir sandbox_;
    QString folder_;
    std::unique_ptr<Session> session_;
    Invariants invariants_;
    ReplayLog log_;
    std::optional<RoundTrip> roundTrip_;
    std::deque<scenario::Step> plan_;
    bool onRoad_ = false;  // the plan is the planner's road, which says yes to every question
    std::optional<std::vector<scenario::Step>> road_;  // the planner's road, once asked for
    MonkeyTotals totals_;
    std::uint64_t step_ = 0;
    std::uint64_t runStart_ = 0;
};

}  // namespace autoplay
