#pragma once

#include <QString>
#include <array>

// What the rules say the game shows and charges, as a tester reads them from the rules: the
// names each level writes into the main window, the job ladder, the catalogues with their prices.
// The checks and the planner compare the game against these, never against the game's own tables.
namespace autoplay::rules {

// Names shown for levels 1..n of each kind of part or program ("" for level 0 or unknown).
QString processorName(int level);
QString memoryName(int level);
QString modemName(int level);
QString diskName(int level);
QString videoName(int level);
QString systemName(int level);  // 1..4; level 5 is the in-game system
QString antivirusName(int level);
QString languageName(int level);  // 1..9
// The browser's label: the software store writes "Inernet Explorer N", a loaded game
// "Internet Explorer N"; both are the rules' own spellings.
bool isBrowserName(int level, const QString& caption);
bool isInGameSystemName(const QString& caption);  // "Vexa" after the download, "Vexa 2" loaded

int modemSpeed(int level);    // 0 for none or unknown
int diskCapacity(int level);  // 0 for none or unknown

struct Job {
    const char* name;
    int salary;
    int school;
    int english;
    int university;
    int language;
};
inline constexpr int JobCount = 9;
const std::array<Job, JobCount>& jobs();  // row r is job level r + 1
int jobPoints(int from, int to);

inline int triangle(int n) {
    return n * (n + 1) / 2;
}

inline constexpr double WinningPoints = 162;

// The catalogues of the three stores, row for row.
enum class Part { Processor, Memory, Modem, Disk, Video };
struct HardwareRow {
    Part part;
    int level;
    int price;
};
const std::array<HardwareRow, 17>& hardware();

enum class Program { System, Antivirus, Browser };
struct SoftwareRow {
    Program program;
    int level;
    int price;
    int diskMb;
    int cpu;  // what it needs installed first
    int ram;
    int video;
    int os;
};
const std::array<SoftwareRow, 10>& software();

struct LanguageRow {
    int level;
    int price;
    int diskMb;
    int os;
};
const std::array<LanguageRow, 9>& languages();

}  // namespace autoplay::rules
