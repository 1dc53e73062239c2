// Checks FormatFixedFloat against the C library's printf("%f") on a range of float bit
// patterns, skipping infinities and NaNs, and FixedFloatReadsNegativeZero against the text. Usage:
// verify_float_format FIRST LAST (inclusive, decimal or 0x-hex). Prints the number of floats
// checked and every mismatch (the first 20); exits 1 on any mismatch.
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/fixed_format.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FIRST LAST\n", argv[0]);
    return 2;
  }
  const std::uint64_t first = std::strtoull(argv[1], nullptr, 0);
  const std::uint64_t last = std::strtoull(argv[2], nullptr, 0);
  std::uint64_t checked = 0;
  std::uint64_t mismatches = 0;
  for (std::uint64_t pattern = first; pattern <= last; ++pattern) {
    const auto bits = static_cast<std::uint32_t>(pattern);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    char expected[64];
    char actual[lsys::kFixedFloatBufferSize];
    const int length = std::snprintf(expected, sizeof expected, "%f", static_cast<double>(value));
    const char* end = lsys::FormatFixedFloat(value, actual);
    ++checked;
    // The scene writer's shortcut for "-0.000000" must agree with the text as well.
    const bool readsNegativeZero = std::strcmp(expected, "-0.000000") == 0;
    if (length < 0 || end - actual != length ||
        std::memcmp(expected, actual, static_cast<std::size_t>(length)) != 0 ||
        lsys::FixedFloatReadsNegativeZero(value) != readsNegativeZero) {
      if (++mismatches <= 20) {
        std::printf("MISMATCH 0x%08" PRIx32 ": printf %s, ours %.*s\n", bits, expected,
                    static_cast<int>(end - actual), actual);
      }
    }
  }
  std::printf("checked %" PRIu64 " floats in [0x%" PRIx64 ", 0x%" PRIx64 "], %" PRIu64
              " mismatches\n",
              checked, first, last, mismatches);
  return mismatches == 0 ? 0 : 1;
}
