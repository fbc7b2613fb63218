#pragma once

#include <QString>
#include <vector>

namespace autoplay {

// What a purchase or a deed of the planner is, in the words of the windows that do it.
enum class Deed { Study, Job, Hardware, Software, Language, Format, Meal, Outing, Connect };

struct Move {
    Deed deed;
    int row = 0;  // course 0..2, job row, catalogue row, meal or outing factor
};

// The player's state as the planner models it from the rules: what the main window shows, plus
// the levels behind its labels.
struct Player {
    double money = 200;
    int points = 0;
    double satiety = 50;
    double mood = 50;
    int job = 0;
    int study[3] = {0, 0, 0};  // evening school, English, university
    int cpu = 0;
    int ram = 0;
    int modem = 0;
    int disk = 0;
    int video = 0;
    int os = 0;
    int antivirus = 0;
    int browser = 0;
    int language = 0;
    int freeDisk = 0;
    bool connected = false;
    int connectPrice = 10;  // the most a connection can cost, until the game names its price

    // Applies the move as the rules do; false (and nothing changed) when the rules refuse it or
    // a question would be answered No. A buy-back offer is always taken.
    bool apply(const Move& move);
    // One day on the clock: its costs at the end, then the salary.
    void passDay();
    int salary() const;
    int priceScale() const { return job >= 2 ? job : 1; }
    bool qualifiesFor(int jobRow) const;
    // A key of everything the purchases depend on, for searches.
    std::vector<int> key() const;
};

QString describe(const Move& move);

}  // namespace autoplay
