#pragma once

#include <cstdint>

namespace life {

// Meals and outings cost and give more as the career goes up; the first job still pays
// the prices of the unemployed.
inline int jobScale(std::uint8_t jobLevel) {
    return jobLevel >= 2 ? jobLevel : 1;
}

}  // namespace life
