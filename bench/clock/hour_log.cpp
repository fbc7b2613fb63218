#include "bench/clock/hour_log.h"

#include <cmath>

namespace bench {

std::vector<double> HourLog::intervalsMs() const {
    std::vector<double> intervals;
    for (std::size_t i = 1; i < hours_.size(); ++i) {
        intervals.push_back(
            std::chrono::duration<double, std::milli>(hours_[i] - hours_[i - 1]).count());
    }
    return intervals;
}

double HourLog::worstDeviationPercent(double expectedMs) const {
    double worst = 0;
    for (double interval : intervalsMs()) {
        worst = std::max(worst, std::abs(interval - expectedMs) / expectedMs * 100.0);
    }
    return worst;
}

}  // namespace bench
