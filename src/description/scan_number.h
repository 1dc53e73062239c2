// The reader of the unsigned decimal numbers written in description files: the values after
// "gamma=" and "steps=" and the parameters of the axiom's modules.
#pragma once

#include <cstdint>

namespace lsys {

// Base raised to the exponent by repeated 32-bit multiplication (wrapping on overflow, as a
// 32-bit machine integer does); 1 for an exponent of 0 or less.
std::int32_t IntPower(std::int32_t base, std::int32_t exponent);

// The single-precision value of the run of digits and points that contains the position.
// The text is NUL-terminated and the position lies between 0 and the index of the NUL. When the
// character at the position is neither a digit nor a point, prints "parser number not found\n"
// and returns 0.
float ScanNumber(const char* text, int position);

// When a digit stands at the position, the index of the first character after the run of digits
// and points that begins there; otherwise 0 (also for a point).
int SkipNumber(const char* text, int position);

}  // namespace lsys
