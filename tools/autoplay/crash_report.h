#pragma once

#include <cstdint>

namespace autoplay {

// Where a long run is, told on the way out when the process dies: a crash, a sanitizer report or
// a step that never returns. The report says how to play the same run up to that step again.
void watchForCrashes(std::uint64_t seed);
void setCurrentStep(std::uint64_t step);
// Reports a step that has not returned for this many seconds, then stops the process.
void startWatchdog(int seconds);

}  // namespace autoplay
