#include "derivation/keyed_draws.h"

#include <cmath>

namespace lsys {

std::uint64_t SplitMix64(std::uint64_t x) {
  std::uint64_t z = x + 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

std::uint64_t KeyedBits(const DrawKey& key, std::uint64_t draw) {
  return SplitMix64(SplitMix64(SplitMix64(SplitMix64(key.seed) ^ key.step) ^ key.position) ^ draw);
}

double UnitInterval(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

double StandardNormal(double u1, double u2) {
  constexpr double kTwoPi = 6.283185307179586;  // the double nearest 2 pi
  return std::sqrt(-2.0 * std::log(1.0 - u1)) * std::cos(kTwoPi * u2);
}

double DrawStream::normal(double m, double s) {
  const double u1 = uniform();
  const double u2 = uniform();
  return m + s * StandardNormal(u1, u2);
}

}  // namespace lsys
