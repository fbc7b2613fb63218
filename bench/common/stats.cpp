#include "bench/common/stats.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

std::optional<double> numberOption(int argc, char** argv, const std::string& name) {
    for (int i = 1; i < argc; ++i) {
        if (name != argv[i]) {
            continue;
        }
        if (i + 1 < argc) {
            char* end = nullptr;
            const double value = std::strtod(argv[i + 1], &end);
            if (end != argv[i + 1] && *end == '\0' && value > 0) {
                return value;
            }
        }
        std::fprintf(stderr, "%s needs a positive number\n", name.c_str());
        std::exit(2);
    }
    return std::nullopt;
}

void onlyOptions(int argc, char** argv, const std::vector<std::string>& names, const char* usage) {
    for (int i = 1; i < argc; i += 2) {
        if (std::find(names.begin(), names.end(), argv[i]) == names.end()) {
            std::fprintf(stderr, "unknown option %s\nusage: %s\n", argv[i], usage);
            std::exit(2);
        }
    }
}

}  // namespace bench
