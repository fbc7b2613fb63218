#pragma once

#include <map>
#include <optional>
#include <string>

namespace bench {

// One run of a program measured from outside.
struct ChildRun {
    bool ok = false;                     // it exited by itself with status 0
    std::string failure;                 // why not, when not ok
    double wallMs = 0;                   // spawn to exit
    double peakRssMb = 0;                // the child's peak resident set
    std::optional<double> firstPaintMs;  // spawn to first painted window, as the child reported
};

// Runs `program` with no arguments and the current environment changed by `environment`, tells it
// its spawn time, and waits for it. Its stderr goes to the file `errors` (replaced).
ChildRun runChild(const std::string& program, const std::map<std::string, std::string>& environment,
                  const std::string& errors);

}  // namespace bench
