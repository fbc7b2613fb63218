#pragma once

class QWidget;

namespace bench {

// The environment variable through which the start-up runner tells a program when it was
// spawned (steady-clock nanoseconds, the same clock in every process).
inline constexpr const char* SpawnTimeVariable = "TARNVIK_BENCH_SPAWN_NS";

// Quits the application once any widget of `window` has been painted, after the paint is done,
// and prints "first-paint-ms N" (milliseconds since the spawn time, if the runner gave one) on
// stdout. Gives up with exit status 3 if nothing is painted within 30 s.
void quitAfterFirstPaint(QWidget* window);

}  // namespace bench
