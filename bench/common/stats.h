#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

// The middle value (the mean of the two middle ones for an even count); 0 for no values.
double median(std::vector<double> values);
double mean(const std::vector<double>& values);

// The verdict printed beside a figure.
const char* verdict(bool withinGoal);

// The machine's one-minute load average, for the report (other work skews every figure).
double loadAverage();

// Reads "--name N" from the command line: the number after the option, nullopt when the option
// is absent. A missing or malformed number is reported on stderr and ends the program.
std::optional<double> numberOption(int argc, char** argv, const std::string& name);
// Ends the program with a usage message unless every argument is one of `names` followed by
// its number.
void onlyOptions(int argc, char** argv, const std::vector<std::string>& names, const char* usage);

}  // namespace bench
