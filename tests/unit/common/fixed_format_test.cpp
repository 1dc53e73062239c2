#include "common/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace lsys {
namespace {

std::string printfFixed(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
  return buffer;
}

std::string ours(float value) {
  char buffer[kFixedFloatBufferSize];
  const char* end = FormatFixedFloat(value, buffer);
  return std::string(static_cast<const char*>(buffer), end);
}

float fromBits(std::uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

TEST(FormatFixedFloat, WritesTheWorkedExamples) {
  struct Case {
    float value;
    const char* text;
  };
  const Case cases[] = {
      {0.0f, "0.000000"},
      {-0.0f, "-0.000000"},
      {1.0f, "1.000000"},
      {-1.5f, "-1.500000"},
      {0.1f, "0.100000"},             // 0.100000001490116...
      {0.95703125f, "0.957031"},      // 0.95703125: tie at the seventh decimal, 1 is odd
      {0.0078125f, "0.007812"},       // 0.0078125: tie, 2 is even, stays
      {0.0234375f, "0.023438"},       // 0.0234375: tie, 7 is odd, goes up
      {9.9999995e-7f, "0.000001"},    // just below a millionth, rounds up
      {4.7683716e-7f, "0.000000"},    // 2^-21: below half a millionth
      {-4.7683716e-7f, "-0.000000"},  // the sign stays on a value that rounds to zero
      {1.9999999f, "2.000000"},       // carry from the fraction into the integer part
      {999999.94f, "999999.937500"},
      {16777216.0f, "16777216.000000"},
      {std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.000000"},
      {-std::numeric_limits<float>::max(), "-340282346638528859811704183484516925440.000000"},
      {std::numeric_limits<float>::denorm_min(), "0.000000"},
      {18446744073709551616.0f, "18446744073709551616.000000"},  // 2^64, past 64 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ours(c.value), c.text) << c.text;
    EXPECT_EQ(ours(c.value), printfFixed(c.value)) << c.text;
  }
}

TEST(FormatFixedFloat, MatchesPrintfOnEveryTieAndBoundaryBetweenTwoMillionths) {
  // The floats next to k/10^6 and (k + 1/2)/10^6 for small k, where rounding decides.
  for (int k = 0; k < 20000; ++k) {
    for (const double target : {k / 1e6, (k + 0.5) / 1e6}) {
      float value = static_cast<float>(target);
      for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(ours(value), printfFixed(value)) << target;
        EXPECT_EQ(ours(-value), printfFixed(-value)) << target;
        value = std::nextafter(value, 1.0f);
      }
    }
  }
}

TEST(FormatFixedFloat, MatchesPrintfOnAMillionRandomBitPatterns) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<std::uint32_t> bits;
  int checked = 0;
  while (checked < 1000000) {
    const float value = fromBits(bits(random));
    if (!std::isfinite(value)) continue;
    ++checked;
    char expected[64];
    char actual[kFixedFloatBufferSize];
    const int length = std::snprintf(expected, sizeof expected, "%f", static_cast<double>(value));
    const char* end = FormatFixedFloat(value, actual);
    ASSERT_EQ(std::string(actual, static_cast<std::size_t>(end - actual)),
              std::string(expected, static_cast<std::size_t>(length)))
        << std::hexfloat << value;
  }
}

TEST(FormatFixedFloat, MatchesPrintfOnEveryExponentAtItsEdges) {
  for (std::uint32_t exponent = 0; exponent < 255; ++exponent) {
    for (const std::uint32_t mantissa : {0u, 1u, 2u, 0x400000u, 0x7ffffeu, 0x7fffffu}) {
      for (const std::uint32_t sign : {0u, 0x80000000u}) {
        const float value = fromBits(sign | exponent << 23 | mantissa);
        EXPECT_EQ(ours(value), printfFixed(value)) << std::hexfloat << value;
      }
    }
  }
}

TEST(FixedFloatReadsNegativeZero, AgreesWithTheTextAroundTheRoundingEdge) {
  // Every float within a thousand steps of +-5e-7, and the small values on either side of 0.
  std::vector<float> values = {0.0f, -0.0f, fromBits(0x80000001u), -1e-6f, -1.0f, 1e-7f};
  for (const float edge : {5e-7f, -5e-7f}) {
    float below = edge;
    float above = edge;
    for (int step = 0; step < 1000; ++step) {
      values.push_back(below = std::nextafter(below, 0.0f));
      values.push_back(above = std::nextafter(above, 2.0f * above));
    }
  }
  for (const float value : values) {
    EXPECT_EQ(FixedFloatReadsNegativeZero(value), ours(value) == "-0.000000")
        << std::hexfloat << value;
  }
}

TEST(FixedFloatTexts, WritesWhatFormatFixedFloatWritesAsValuesRepeatAndCollide) {
  // Draws from a pool larger than the slots, so that entries are replaced, and mixes in texts
  // too long to be kept (1e30) and the values that share a slot with them.
  std::mt19937 random(7);
  std::uniform_int_distribution<std::uint32_t> bits;
  std::vector<float> pool = {1e30f, -3.4e38f, 0.1f, -0.0f, 137.5f};
  while (pool.size() < 600) {
    const float value = fromBits(bits(random));
    if (std::isfinite(value)) pool.push_back(value);
  }
  std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
  FixedFloatTexts texts;
  for (int i = 0; i < 200000; ++i) {
    const float value = pool[i < 5 ? static_cast<std::size_t>(i) : pick(random)];
    char buffer[kFixedFloatBufferSize];
    const char* end = texts.write(value, buffer);
    ASSERT_EQ(std::string(static_cast<const char*>(buffer), end), ours(value))
        << std::hexfloat << value;
  }
}

}  // namespace
}  // namespace lsys
