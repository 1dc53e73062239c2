#include "common/fixed_format.h"

#include <cstdint>
#include <cstring>

namespace lsys {
namespace {

// 128-bit integers hold every float at or above 1 exactly (the largest is below 2^128).
__extension__ typedef unsigned __int128 Uint128;

constexpr std::uint64_t kMillion = 1000000;

// "00" to "99".
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The most digits of a 64-bit integer.
constexpr std::size_t kMaxDigits = 20;

// Writes the decimal digits of the value, without leading zeros (one "0" for zero). The digits
// are built from the right in a scratch buffer and copied with one copy of kMaxDigits bytes,
// which is a few moves rather than a call: out must have room for kMaxDigits bytes.
char* writeInteger(std::uint64_t value, char* out) {
  char digits[2 * kMaxDigits];
  char* end = digits + kMaxDigits;
  char* p = end;
  while (value >= 100) {
    const std::uint64_t pair = value % 100;
    value /= 100;
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * pair, 2);
  }
  if (value >= 10) {
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * value, 2);
  } else {
    *--p = static_cast<char>('0' + value);
  }
  std::memcpy(out, p, kMaxDigits);
  return out + (end - p);
}

// Integers up to 2^128: the high part above 10^19 first, then 19 digits with leading zeros.
char* writeWideInteger(Uint128 value, char* out) {
  constexpr std::uint64_t kTenToThe19 = 10000000000000000000ull;
  if (value <= UINT64_MAX) return writeInteger(static_cast<std::uint64_t>(value), out);
  const Uint128 high = value / kTenToThe19;
  std::uint64_t low = static_cast<std::uint64_t>(value % kTenToThe19);
  out = writeWideInteger(high, out);
  for (int i = 18; i >= 0; --i) {
    out[i] = static_cast<char>('0' + low % 10);
    low /= 10;
  }
  return out + 19;
}

// "." and exactly six digits of the fraction (0 to 999999).
char* writeMillionths(std::uint32_t millionths, char* out) {
  out[0] = '.';
  const std::uint32_t high = millionths / 10000;
  const std::uint32_t middle = millionths / 100 % 100;
  const std::uint32_t low = millionths % 100;
  std::memcpy(out + 1, kDigitPairs + 2 * high, 2);
  std::memcpy(out + 3, kDigitPairs + 2 * middle, 2);
  std::memcpy(out + 5, kDigitPairs + 2 * low, 2);
  return out + 7;
}

}  // namespace

char* FormatFixedFloat(float value, char* out) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  if (bits >> 31) *out++ = '-';
  const std::uint32_t biasedExponent = (bits >> 23) & 0xff;
  const std::uint32_t fraction = bits & 0x7fffff;
  // value = mantissa * 2^exponent, mantissa < 2^24.
  std::uint64_t mantissa = fraction;
  int exponent = -149;
  if (biasedExponent != 0) {
    mantissa |= 1u << 23;
    exponent = static_cast<int>(biasedExponent) - 150;
  }

  if (exponent >= 0) {
    // An integer below 2^128: no fraction.
    out = writeWideInteger(static_cast<Uint128>(mantissa) << exponent, out);
    return writeMillionths(0, out);
  }

  const int shift = -exponent;  // 1 to 149
  // mantissa * 10^6 < 2^44, so from a shift of 45 on the value is below half a millionth and
  // rounds to zero.
  if (shift > 45) {
    *out++ = '0';
    return writeMillionths(0, out);
  }
  std::uint64_t integerPart = mantissa >> shift;
  const std::uint64_t fractionBits = mantissa & ((std::uint64_t{1} << shift) - 1);
  // The fraction in millionths, exact: fractionBits * 10^6 / 2^shift, then rounded to
  // nearest with ties to even.
  const std::uint64_t scaled = fractionBits * kMillion;
  std::uint64_t millionths = scaled >> shift;
  const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (remainder > half || (remainder == half && (millionths & 1) != 0)) ++millionths;
  if (millionths == kMillion) {
    millionths = 0;
    ++integerPart;
  }
  out = writeInteger(integerPart, out);
  return writeMillionths(static_cast<std::uint32_t>(millionths), out);
}

char* FixedFloatTexts::remember(Entry& entry, std::uint32_t bits, float value, char* out) {
  char* const end = FormatFixedFloat(value, out);
  const auto length = static_cast<std::size_t>(end - out);
  if (length <= sizeof entry.text) {
    entry.bits = bits;
    entry.length = static_cast<std::uint8_t>(length);
    std::memcpy(entry.text, out, length);
  }
  return end;
}

}  // namespace lsys
