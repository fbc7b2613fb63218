#pragma once

#include <vector>

namespace bench {

// The middle value (the mean of the two middle ones for an even count); 0 for no values.
double median(std::vector<double> values);
double mean(const std::vector<double>& values);

// The verdict printed beside a figure.
const char* verdict(bool withinGoal);

// The machine's one-minute load average, for the report (other work skews every figure).
double loadAverage();

}  // namespace bench
