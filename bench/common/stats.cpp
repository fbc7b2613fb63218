#include "bench/common/stats.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace bench {

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[middle];
    }
    return (values[middle - 1] + values[middle]) / 2.0;
}

double mean(const std::vector<double>& values) {
    if (values.empty()) {
        return 0.0;
    }
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double loadAverage() {
    double load = -1;
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf", &load) != 1) {
            load = -1;
        }
        std::fclose(f);
    }
    return load;
}

const char* verdict(bool withinGoal) {
    return withinGoal ? "PASS" : "OVER BUDGET";
}

}  // namespace bench
