// The reader of the unsigned decimal numbers written in description files: the values after
// "gamma=" and "steps=" and the parameters of the axiom's modules.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lsys {

class Output;

// Base raised to the exponent by repeated 32-bit multiplication (wrapping on overflow, as a
// 32-bit machine integer does); 1 for an exponent of 0 or less.
std::int32_t IntPower(std::int32_t base, std::int32_t exponent);

// What ReadNumber found: the value, and whether a number stands at the position at all.
struct ScannedNumber {
  float value = 0.0f;
  bool found = false;  // false when the character there is neither a digit nor a point
};

// The single-precision value of the run of digits and points that contains the position, or
// 0 and found false when the character at the position is neither a digit nor a point. The
// text is NUL-terminated and the position lies between 0 and the index of the NUL.
ScannedNumber ReadNumber(const char* text, std::size_t position);

// ReadNumber's value; prints "parser number not found\n" to the output when no number stands
// at the position.
float ScanNumber(const char* text, std::size_t position, Output& out);

// When a digit stands at the position, the index of the first character after the run of digits
// and points that begins there; otherwise 0 (also for a point).
std::size_t SkipNumber(const char* text, std::size_t position);

}  // namespace lsys
