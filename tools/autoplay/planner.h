#pragma once

#include <optional>
#include <vector>

#include "tools/autoplay/economy.h"

namespace autoplay {

// A road to the win: what to do at the start of each day; after the last day's deeds one hour
// passes and the points win.
struct Plan {
    std::vector<std::vector<Move>> days;
    Player end;  // as the planner expects the player just before the winning hour
    int winDay() const { return static_cast<int>(days.size()); }
};

// The cheapest deeds, at today's prices, that take the player to the winning points now (with
// whatever food keeps him alive for the hour that decides); none if the money does not reach.
std::optional<std::vector<Move>> finishNow(const Player& player, bool internet);

// The fastest road the planner finds: it tries career goals and ways of climbing the language
// ladder, buying what each next job needs as soon as the money allows, and on every morning
// looks whether the win can be bought that day.
std::optional<Plan> bestPlan(bool internet);

}  // namespace autoplay
