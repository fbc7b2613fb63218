#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace autoplay {

// The monkey's own chances, apart from the game's random draws: one seed gives one run.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    // 0 <= n < bound (bound > 0).
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
    // An index chosen with the given weights (not all zero).
    int weighted(const std::vector<double>& weights) {
        return static_cast<int>(
            std::discrete_distribution<int>(weights.begin(), weights.end())(engine_));
    }
    template <class List>
    const auto& pick(const List& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace autoplay
