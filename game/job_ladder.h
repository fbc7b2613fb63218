#pragma once

#include <array>
#include <cstdint>

namespace game {

// One rung of the career ladder: what it pays a day and what it asks of the applicant.
struct Job {
    const char* name;
    std::int16_t salary;
    int school;  // at least this many points of each course
    int english;
    int university;
    int language;         // at least this programming-language level
    const char* missing;  // told to an applicant who lacks any of them
};

inline constexpr int JobCount = 9;

// Row r of the job list is job level r + 1.
const std::array<Job, JobCount>& jobLadder();

// The points a move up the ladder from level `from` to level `to` earns.
int JobPoints(int from, int to);

}  // namespace game
