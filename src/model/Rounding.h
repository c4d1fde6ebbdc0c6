// Floating values become integers by rounding to the nearest integer, ties
// to the even one, as every conversion in the game does.
#pragma once

#include <cmath>

namespace grizzet {

inline int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace grizzet
