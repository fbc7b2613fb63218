#pragma once

#include <chrono>
#include <vector>

namespace bench {

// The moments at which game hours passed, and what they say about the clock.
class HourLog {
public:
    using Clock = std::chrono::steady_clock;

    void record(Clock::time_point at) { hours_.push_back(at); }
    void clear() { hours_.clear(); }
    std::size_t count() const { return hours_.size(); }

    // Milliseconds between consecutive hours.
    std::vector<double> intervalsMs() const;
    // The largest distance of any interval from `expectedMs`, in % of it (0 with fewer than two
    // hours).
    double worstDeviationPercent(double expectedMs) const;

private:
    std::vector<Clock::time_point> hours_;
};

}  // namespace bench
