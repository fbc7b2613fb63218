#include "tools/autoplay/planner.h"

#include <algorithm>

#include "tools/autoplay/rules_tables.h"

namespace autoplay {

namespace {

// No purchase earns a point for less than this many rubles: the bound that keeps the search
// for the last purchases honest (a video card or a browser bought outright, 10 points for 150).
constexpr double CheapestPoint = 15;
constexpr int LongestGame = 1500;

int pointsToGo(const Player& p) {
    return std::max(0, static_cast<int>(rules::WinningPoints) - p.points);
}

// Takes the best job the player qualifies for, up to a level.
void climbJobs(Player& p, int upTo, std::vector<Move>& moves) {
    for (int row = upTo - 1; row >= p.job; --row) {
        if (p.apply({Deed::Job, row})) {
            moves.push_back({Deed::Job, row});
            return;
        }
    }
}

// Food and fun enough for the next hour to pass, bought as late and as little as may be: early
// on every ruble goes into the career, and what is eaten beyond the win is wasted.
bool keepAlive(Player& p, std::vector<Move>& moves) {
    auto buy = [&](double& need, Deed deed, std::initializer_list<int> factors) {
        while (need <= 0) {
            bool bought = false;
            for (int f : factors) {
                if (p.apply({deed, f})) {
                    moves.push_back({deed, f});
                    bought = true;
                    break;
                }
            }
            if (!bought) {
                return false;
            }
        }
        return true;
    };
    return buy(p.satiety, Deed::Meal, {2, 5, 8}) && buy(p.mood, Deed::Outing, {5, 10});
}

std::vector<Move> pointMoves(const Player& p) {
    std::vector<Move> moves;
    for (int row = 0; row < 17; ++row) {
        moves.push_back({Deed::Hardware, row});
    }
    for (int row = 0; row < 10; ++row) {
        moves.push_back({Deed::Software, row});
    }
    for (int row = 0; row < 9; ++row) {
        moves.push_back({Deed::Language, row});
    }
    if (p.os > 0 || p.antivirus > 0 || p.browser > 0) {
        moves.push_back({Deed::Format, 0});
    }
    return moves;
}

int rowOf(rules::Part part, int level) {
    const auto& rows = rules::hardware();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].part == part && rows[i].level == level) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const rules::SoftwareRow& systemRow(int level) {
    for (const rules::SoftwareRow& r : rules::software()) {
        if (r.program == rules::Program::System && r.level == level) {
            return r;
        }
    }
    return rules::software()[0];
}

int systemRowIndex(int level) {
    return 4 - level;  // the systems are listed best first
}

struct Strategy {
    int job = 0;                 // the career goal
    std::vector<int> languages;  // the language levels bought on the way, ascending
    bool bigDisk = false;        // the disk of the last language at once
};

// Disk space a system and a language need together, and the smallest disk that holds them.
int diskFor(int system, int language) {
    const int need =
        (system > 0 ? systemRow(system).diskMb : 0) +
        (language > 0 ? rules::languages()[static_cast<std::size_t>(language - 1)].diskMb : 0);
    for (int level = 1; level <= 4; ++level) {
        if (rules::diskCapacity(level) >= need) {
            return level;
        }
    }
    return 4;
}

// What the next job of the goal still needs, one purchase at a time.
std::optional<Move> nextForJob(const Player& p, const Strategy& s) {
    if (p.job >= s.job) {
        return std::nullopt;
    }
    const rules::Job& j = rules::jobs()[static_cast<std::size_t>(p.job)];
    const int wants[3] = {j.school, j.english, j.university};
    for (int course : {1, 0, 2}) {
        if (p.study[course] < wants[course]) {
            return Move{Deed::Study, course};
        }
    }
    if (p.language >= j.language) {
        return std::nullopt;
    }
    int target = j.language;
    for (int level : s.languages) {
        if (level >= j.language) {
            target = level;
            break;
        }
    }
    const int system = rules::languages()[static_cast<std::size_t>(target - 1)].os;
    const rules::SoftwareRow& os = systemRow(system);
    if (p.cpu < os.cpu) {
        return Move{Deed::Hardware, rowOf(rules::Part::Processor, os.cpu)};
    }
    if (p.ram < os.ram) {
        return Move{Deed::Hardware, rowOf(rules::Part::Memory, os.ram)};
    }
    if (p.video < os.video) {
        return Move{Deed::Hardware, rowOf(rules::Part::Video, os.video)};
    }
    int disk = diskFor(system, target);
    if (s.bigDisk && !s.languages.empty()) {
        const int last = s.languages.back();
        disk = std::max(disk,
                        diskFor(rules::languages()[static_cast<std::size_t>(last - 1)].os, last));
    }
    if (p.disk < disk) {
        return Move{Deed::Hardware, rowOf(rules::Part::Disk, disk)};
    }
    if (p.os < system) {
        if (p.freeDisk < os.diskMb) {
            return Move{Deed::Format, 0};
        }
        return Move{Deed::Software, systemRowIndex(system)};
    }
    if (p.freeDisk < rules::languages()[static_cast<std::size_t>(target - 1)].diskMb) {
        return Move{Deed::Format, 0};
    }
    return Move{Deed::Language, target - 1};
}

std::optional<Plan> follow(const Strategy& s, bool internet, int giveUpAfter) {
    Plan plan;
    Player p;
    for (int day = 1; day <= giveUpAfter; ++day) {
        std::vector<Move> today;
        if (!keepAlive(p, today)) {
            return std::nullopt;
        }
        if (auto last = finishNow(p, internet)) {
            for (const Move& m : *last) {
                p.apply(m);
                today.push_back(m);
            }
            plan.days.push_back(today);
            plan.end = p;
            return plan;
        }
        climbJobs(p, s.job, today);
        for (int guard = 0; guard < 64; ++guard) {
            const auto move = nextForJob(p, s);
            if (!move || !p.apply(*move)) {
                break;
            }
            today.push_back(*move);
            climbJobs(p, s.job, today);
        }
        plan.days.push_back(today);
        p.passDay();
    }
    return std::nullopt;
}

std::vector<Strategy> strategies() {
    std::vector<Strategy> all;
    for (int job = 0; job <= rules::JobCount; ++job) {
        const int language =
            job >= 1 ? rules::jobs()[static_cast<std::size_t>(job - 1)].language : 0;
        // Every set of language levels below the goal's, each bought when a job first needs it.
        const int free = std::max(0, language - 2);
        for (int mask = 0; mask < (1 << free); ++mask) {
            Strategy s;
            s.job = job;
            for (int level = 2; level < language; ++level) {
                if ((mask & (1 << (level - 2))) != 0) {
                    s.languages.push_back(level);
                }
            }
            if (language > 0) {
                s.languages.push_back(language);
            }
            all.push_back(s);
            s.bigDisk = true;
            all.push_back(s);
        }
    }
    return all;
}

}  // namespace

std::optional<std::vector<Move>> finishNow(const Player& start, bool internet) {
    Player p = start;
    std::vector<Move> moves;
    if (!keepAlive(p, moves)) {
        return std::nullopt;
    }
    if (internet && !p.connected && p.money >= p.connectPrice && p.apply({Deed::Connect, 0})) {
        moves.push_back({Deed::Connect, 0});
    }
    climbJobs(p, rules::JobCount, moves);
    // Buy, one at a time, what earns the points still missing at the lowest price per point;
    // a point beyond the win is worth nothing, so near the end a small purchase beats a big one.
    while (pointsToGo(p) > 0) {
        if (pointsToGo(p) * CheapestPoint > p.money) {
            return std::nullopt;
        }
        std::optional<std::vector<Move>> best;
        double bestRate = 0;
        Player bestPlayer;
        auto consider = [&](const Player& from, std::vector<Move> prefix) {
            for (const Move& m : pointMoves(from)) {
                if (m.deed == Deed::Format) {
                    continue;
                }
                Player next = from;
                if (!next.apply(m) || next.points <= p.points) {
                    continue;
                }
                const int earned = std::min(next.points - p.points, pointsToGo(p));
                const double rate = (p.money - next.money) / earned;
                if (!best || rate < bestRate) {
                    best = prefix;
                    best->push_back(m);
                    bestRate = rate;
                    bestPlayer = next;
                }
            }
        };
        consider(p, {});
        Player formatted = p;
        if (formatted.apply({Deed::Format, 0}) && (p.os > 0 || p.antivirus > 0 || p.browser > 0)) {
            consider(formatted, {Move{Deed::Format, 0}});
        }
        if (!best) {
            return std::nullopt;
        }
        p = bestPlayer;
        moves.insert(moves.end(), best->begin(), best->end());
    }
    return moves;
}

std::optional<Plan> bestPlan(bool internet) {
    std::optional<Plan> best;
    for (const Strategy& s : strategies()) {
        auto plan = follow(s, internet, best ? best->winDay() : LongestGame);
        if (plan && (!best || plan->winDay() < best->winDay() ||
                     (plan->winDay() == best->winDay() && plan->end.money > best->end.money))) {
            best = std::move(plan);
        }
    }
    return best;
}

}  // namespace autoplay
