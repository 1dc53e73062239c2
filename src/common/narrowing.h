// Conversions from double to the narrower types the program stores, defined for every input.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace lsys {

// The nearest single-precision value; values beyond the float range become infinities and NaN
// stays NaN, as the hardware conversion gives them.
inline float NarrowToFloat(double value) {
  // Halfway between the largest float and 2^128: from here on rounding goes to infinity.
  constexpr double kOverflow = 340282356779733661637539395458142568448.0;
  if (value >= kOverflow) return std::numeric_limits<float>::infinity();
  if (value <= -kOverflow) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

// Truncation toward zero to a 32-bit integer. A value outside the integer range, or NaN, gives
// the smallest integer, as the processor's truncating conversion does.
inline std::int32_t TruncateToInt(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace lsys
