#include "common/output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace lsys {
namespace {

std::string printfFixed(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%f", value);
  return buffer;
}

// Doubles in general, not only those that hold a float, through the output's "%f".
std::string fixed(double value) {
  std::string out;
  {
    Output output = Output::ToString(out);
    output.fixed(value);
  }
  return out;
}

TEST(OutputFixedDouble, MatchesPrintfOnSpecialValues) {
  const double values[] = {0.0,
                           -0.0,
                           0.1f,
                           0.95703125,
                           0.0078125,  // exact tie at the seventh decimal: rounds to even
                           0.0000005,
                           -0.0000005,
                           2.5e-7,
                           1.0e300,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(),
                           -std::numeric_limits<double>::quiet_NaN()};
  for (double value : values) EXPECT_EQ(fixed(value), printfFixed(value)) << value;
}

TEST(OutputFixedDouble, MatchesPrintfOnManyFloats) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int i = 0; i < 200000; ++i) {
    const std::uint32_t pattern = bits(random);
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    EXPECT_EQ(fixed(value), printfFixed(value)) << value;
  }
}

TEST(OutputFixedDouble, MatchesPrintfOnTiesAndSmallDyadics) {
  // k / 2^n has a finite decimal expansion; many of them are exact ties at six decimals.
  for (int n = 1; n <= 30; ++n) {
    for (int k = -300; k <= 300; ++k) {
      const double value = std::ldexp(static_cast<double>(k), -n);
      EXPECT_EQ(fixed(value), printfFixed(value)) << k << " / 2^" << n;
    }
  }
}

}  // namespace
}  // namespace lsys
