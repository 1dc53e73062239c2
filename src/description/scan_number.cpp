#include "description/scan_number.h"

#include "common/output.h"

namespace lsys {
namespace {

bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digit characters count their value; a surplus point in a malformed run counts as '.' - '0'.
std::int32_t digitValue(char c) { return c - '0'; }

// The 32-bit product of a digit and a place value, wrapping like a machine integer.
std::int32_t placeProduct(std::int32_t digit, std::int32_t place) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(digit) *
                                   static_cast<std::uint32_t>(place));
}

}  // namespace

std::int32_t IntPower(std::int32_t base, std::int32_t exponent) {
  // Square-and-multiply gives the same wrapped product as repeated multiplication, in
  // logarithmic time, so a number with thousands of digits cannot stall the scanner.
  std::uint32_t result = 1;
  std::uint32_t factor = static_cast<std::uint32_t>(base);
  while (exponent > 0) {
    if (exponent & 1) result *= factor;
    factor *= factor;
    exponent >>= 1;
  }
  return static_cast<std::int32_t>(result);
}

ScannedNumber ReadNumber(const char* text, std::size_t position) {
  // The left bound may be the index before the text, -1: signed positions.
  const auto at = [&](std::ptrdiff_t i) { return text[static_cast<std::size_t>(i)]; };
  const auto start = static_cast<std::ptrdiff_t>(position);
  std::ptrdiff_t point = -1;
  std::ptrdiff_t left = start;
  while (left >= 0 && isNumberChar(at(left))) {
    if (at(left) == '.') point = left;
    --left;
  }
  std::ptrdiff_t right = start;
  std::ptrdiff_t upwardPoint = -1;
  while (isNumberChar(at(right))) {
    if (at(right) == '.') upwardPoint = right;
    ++right;
  }
  // A point met going up takes precedence over one met going down.
  if (upwardPoint >= 0) point = upwardPoint;

  float value = 0.0f;
  if (point >= 0) {
    std::int32_t k = 0;
    for (std::ptrdiff_t i = point - 1; i > left; --i, ++k) {
      value += static_cast<float>(placeProduct(digitValue(at(i)), IntPower(10, k)));
    }
    k = 1;
    for (std::ptrdiff_t i = point + 1; i < right; ++i, ++k) {
      // The reciprocal of the place value and its product with the digit are formed in double;
      // each sum is rounded back to single precision.
      const double reciprocal = 1.0 / static_cast<double>(IntPower(10, k));
      value = static_cast<float>(static_cast<double>(value) + digitValue(at(i)) * reciprocal);
    }
    return {value, true};
  }
  if (left == start && right == start) return {0.0f, false};
  std::int32_t k = 0;
  for (std::ptrdiff_t i = right - 1; i > left; --i, ++k) {
    value += static_cast<float>(placeProduct(digitValue(at(i)), IntPower(10, k)));
  }
  return {value, true};
}

float ScanNumber(const char* text, std::size_t position, Output& out) {
  const ScannedNumber number = ReadNumber(text, position);
  if (!number.found) out.text("parser number not found\n");
  return number.value;
}

std::size_t SkipNumber(const char* text, std::size_t position) {
  if (!isDigit(text[position])) return 0;
  std::size_t index = position;
  while (isNumberChar(text[index])) ++index;
  return index;
}

}  // namespace lsys
