#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace game {

// Meals and outings cost and give more as the career goes up; the first job still pays
// the prices of the unemployed.
inline constexpr int jobScale(std::uint8_t jobLevel) {
    return jobLevel >= 2 ? jobLevel : 1;
}

// A meal or an outing: it costs as many rubles as it adds to satiety or mood, its factor times
// the job's scale.
struct Treat {
    const char* name;  // the caption of its button
    int factor;
};

inline constexpr int treatAmount(const Treat& treat, std::uint8_t jobLevel) {
    return treat.factor * jobScale(jobLevel);
}

// The food shop's meals in the order of its buttons (Command1 to Command3).
inline constexpr std::array<Treat, 3> Meals = {{{"Завтрак", 2}, {"Обед", 8}, {"Ужин", 5}}};

// The outings in the order of their buttons (Command1 and Command2).
inline constexpr std::array<Treat, 2> Outings = {{{"Пойти в кафе", 5}, {"Пойти в кино", 10}}};

// The price of the cheapest meal: with less money than this the player can buy no food.
inline constexpr int cheapestMeal(std::uint8_t jobLevel) {
    int cheapest = treatAmount(Meals[0], jobLevel);
    for (const Treat& meal : Meals) {
        cheapest = std::min(cheapest, treatAmount(meal, jobLevel));
    }
    return cheapest;
}

}  // namespace game
