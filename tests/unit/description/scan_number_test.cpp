#include "description/scan_number.h"
#include "common/output.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

struct ScanCase {
  const char* text;
  int position;
  float expected;
};

TEST(ScanNumber, ReadsTheWholeRunAroundThePositionWithoutMessage) {
  const ScanCase cases[] = {
      {"gamma=25\n", 6, 25.0f},
      {"gamma=22.5\n", 6, 22.5f},
      {"steps=4.9\n", 6, 4.9f},
      {"x=123;", 2, 123.0f},  // position at the first digit
      {"x=123;", 3, 123.0f},  // position in the middle
      {"x=123;", 4, 123.0f},  // position at the last digit
      {"a12.5b", 1, 12.5f},
      {"a12.5b", 3, 12.5f},  // position at the point itself
      {"a12.5b", 4, 12.5f},
      {".5", 0, 0.5f},  // point first, at the start of the text
      {".5", 1, 0.5f},
      {"(.5)", 1, 0.5f},
      {"5.", 0, 5.0f},  // point last
      {"(5.)", 2, 5.0f},
      {".", 0, 0.0f},  // a lone point is a number of value 0
      {"(.)", 1, 0.0f},
      {"-3", 1, 3.0f},    // the minus sign is only the left bound
      {"+7e2", 1, 7.0f},  // no sign, no exponent
      {"12", 0, 12.0f},   // start of text
      {"12", 1, 12.0f},
      {"7", 0, 7.0f},  // ends at the terminating NUL
      {"F(3\n", 2, 3.0f},
      {"(12.5,3)", 1, 12.5f},
      {"(12.5,3)", 6, 3.0f},
      {"0", 0, 0.0f},
      {"007", 0, 7.0f},
      {"1000000", 3, 1000000.0f},
      {"16777217", 0, 16777216.0f},  // one past 2^24 rounds to single precision
      {"0.1", 0, 0.1f},
      {"0.01", 3, 0.01f},
      // Each addition is rounded to single precision, so these differ from the nearest float
      // of the decimal text.
      {"0.999", 0, 0x1.ff7cecp-1f},
      {"3.14159", 0, 0x1.921f9cp+1f},
      {"9.87654", 4, 0x1.3c0c9cp+3f},
  };
  for (const ScanCase& c : cases) {
    float value = -1.0f;
    const std::string printed =
        CaptureOutput([&] { value = ScanNumber(c.text, c.position, StandardOutput()); });
    EXPECT_EQ(value, c.expected) << c.text << " at " << c.position;
    EXPECT_EQ(printed, "") << c.text << " at " << c.position;
  }
}

TEST(ScanNumber, FractionIsTheSingleSumOfDoubleProducts) {
  // 0 + 1 * (1.0 / 10) is formed in double and rounded once to float: the float nearest 0.1,
  // which is not the double 0.1.
  const float value = ScanNumber("0.1", 2, StandardOutput());
  EXPECT_EQ(value, static_cast<float>(0.0f + 1 * (1.0 / 10)));
  EXPECT_NE(static_cast<double>(value), 0.1);
}

TEST(ScanNumber, PrintsMessageAndYieldsZeroWhenNoNumberStandsThere) {
  const ScanCase cases[] = {
      {"-3", 0, 0.0f},  {"steps= 5\n", 6, 0.0f}, {"gamma=\n", 6, 0.0f},
      {"abc", 3, 0.0f},  // the terminating NUL
      {"", 0, 0.0f},    {"(12.5,3)", 5, 0.0f},   {"x", 0, 0.0f},
  };
  for (const ScanCase& c : cases) {
    float value = -1.0f;
    const std::string printed =
        CaptureOutput([&] { value = ScanNumber(c.text, c.position, StandardOutput()); });
    EXPECT_EQ(value, 0.0f) << c.text << " at " << c.position;
    EXPECT_EQ(printed, "parser number not found\n") << c.text << " at " << c.position;
  }
}

TEST(SkipNumber, ReturnsTheEndOfARunThatBeginsWithADigit) {
  struct SkipCase {
    const char* text;
    std::size_t position;
    std::size_t expected;
  };
  const SkipCase cases[] = {
      {"(12.5,3)", 1, 5},                                          // the ','
      {"(12.5,3)", 2, 5}, {"(12.5,3)", 4, 5}, {"(12.5,3)", 6, 7},  // the ')'
      {"(12.5,3)", 3, 0},                                          // at the '.'
      {"(12.5,3)", 0, 0}, {"(12.5,3)", 5, 0}, {"-3", 0, 0},        // at the '-'
      {"-3", 1, 2},                                                // up to the NUL
      {".5", 0, 0},                        // a number that begins with a point is not skipped
      {"5.", 0, 2},       {"12 4", 0, 2},  // a blank ends the run
      {"F(3\n", 2, 3},    {"", 0, 0},
  };
  for (const SkipCase& c : cases) {
    std::size_t result = 99;
    const std::string printed = CaptureOutput([&] { result = SkipNumber(c.text, c.position); });
    EXPECT_EQ(result, c.expected) << c.text << " at " << c.position;
    EXPECT_EQ(printed, "") << c.text << " at " << c.position;
  }
}

TEST(IntPower, MultipliesRepeatedlyAndGivesOneForNoExponent) {
  EXPECT_EQ(IntPower(10, 0), 1);
  EXPECT_EQ(IntPower(10, -1), 1);
  EXPECT_EQ(IntPower(10, -100), 1);
  EXPECT_EQ(IntPower(10, 1), 10);
  EXPECT_EQ(IntPower(10, 3), 1000);
  EXPECT_EQ(IntPower(10, 9), 1000000000);
  EXPECT_EQ(IntPower(2, 30), 1073741824);
  EXPECT_EQ(IntPower(-3, 3), -27);
  EXPECT_EQ(IntPower(0, 0), 1);
  EXPECT_EQ(IntPower(0, 5), 0);
}

TEST(ScanNumber, VeryLongRunsReturnPromptly) {
  // The value of such runs is outside the supported range; only the call must come back
  // without touching memory outside the text.
  const std::string digits(200000, '7');
  const std::string whole = "(" + digits + ")";
  const std::string fraction = "(" + digits + "." + digits + ")";
  const std::string points = "(" + std::string(100000, '.') + ")";
  std::string printed = CaptureOutput([&] {
    (void)ScanNumber(whole.c_str(), 1, StandardOutput());
    (void)ScanNumber(whole.c_str(), 100000, StandardOutput());
    (void)ScanNumber(whole.c_str(), 200000, StandardOutput());
    (void)ScanNumber(fraction.c_str(), 1, StandardOutput());
    (void)ScanNumber(fraction.c_str(), 200001, StandardOutput());
    (void)ScanNumber(fraction.c_str(), 400001, StandardOutput());
    (void)ScanNumber(points.c_str(), 50000, StandardOutput());
  });
  EXPECT_EQ(printed, "");
  EXPECT_EQ(SkipNumber(whole.c_str(), 1), 200001u);
  EXPECT_EQ(SkipNumber(fraction.c_str(), 1), 400002u);
  EXPECT_EQ(SkipNumber(fraction.c_str(), 300000), 400002u);
}

}  // namespace
}  // namespace lsys
