// "%f" of single-precision values by integer arithmetic: the exact decimal expansion of the
// float rounded to six decimals, ties to even, as the C library's printf writes it under the
// default rounding mode, at a fraction of its cost.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lsys {

// Enough for "%f" of any finite float: a sign, 39 integer digits, the point and six decimals.
inline constexpr std::size_t kFixedFloatBufferSize = 48;

// Writes "%f" of the finite value at out (which must hold kFixedFloatBufferSize bytes) and
// returns the end of the text; no terminating NUL. The sign is written whenever the sign bit is
// set, so -0.0 and tiny negative values give "-0.000000". The value must be finite.
char* FormatFixedFloat(float value, char* out);

// Whether "%f" of the finite value is "-0.000000": the sign bit is set and the value rounds to
// no millionth, which is |value| <= 0.0000005 (a tie rounds to the even 0). 5e-7 is far from
// every float, and the double nearest it is far closer, so the comparison in double is exact.
inline bool FixedFloatReadsNegativeZero(float value) {
  return std::signbit(value) && static_cast<double>(std::fabs(value)) <= 5e-7;
}

// FormatFixedFloat with a memory of recent values, for texts that repeat a few values many
// times (the widths of a plant, its angles, its lengths by generation). Each value's text is
// kept by its bits in one of 256 slots; a value seen again is copied, not formatted.
class FixedFloatTexts {
 public:
  // Writes "%f" of the finite value at out, which must hold kFixedFloatBufferSize bytes, and
  // returns the end of the text, as FormatFixedFloat does.
  char* write(float value, char* out) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Entry& entry = entries_[(bits * 0x9E3779B1u) >> (32 - kSlotBits)];
    if (entry.length == 0 || entry.bits != bits) return remember(entry, bits, value, out);
    std::memcpy(out, entry.text, sizeof entry.text);  // a few moves, whatever the length
    return out + entry.length;
  }

 private:
  static constexpr int kSlotBits = 10;
  struct Entry {
    std::uint32_t bits = 0;
    std::uint8_t length = 0;  // 0: empty
    char text[27];            // longer texts are formatted every time
  };
  static_assert(sizeof(Entry::text) <= kFixedFloatBufferSize, "an entry is copied whole");
  char* remember(Entry& entry, std::uint32_t bits, float value, char* out);

  Entry entries_[std::size_t{1} << kSlotBits];
};

}  // namespace lsys
