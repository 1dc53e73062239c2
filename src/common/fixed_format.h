// "%f" of single-precision values by integer arithmetic: the exact decimal expansion of the
// float rounded to six decimals, ties to even, as the C library's printf writes it under the
// default rounding mode, at a fraction of its cost.
#pragma once

#include <cstddef>

namespace lsys {

// Enough for "%f" of any finite float: a sign, 39 integer digits, the point and six decimals.
inline constexpr std::size_t kFixedFloatBufferSize = 48;

// Writes "%f" of the finite value at out (which must hold kFixedFloatBufferSize bytes) and
// returns the end of the text; no terminating NUL. The sign is written whenever the sign bit is
// set, so -0.0 and tiny negative values give "-0.000000". The value must be finite.
char* FormatFixedFloat(float value, char* out);

}  // namespace lsys
