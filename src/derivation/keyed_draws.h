// The dialect's random numbers: a stateless generator keyed by where a draw is made, so that a
// seed grows the same plant on every platform and a change to one rule leaves the draws of
// unrelated modules alone. Every function here is exact integer or IEEE arithmetic written out
// (no standard-library distribution, whose algorithms differ between libraries).
#pragma once

#include <cstdint>

namespace lsys {

// One output of SplitMix64 for the state x: the finaliser applied to x + 0x9e3779b97f4a7c15.
std::uint64_t SplitMix64(std::uint64_t x);

// Where a draw is made: the seed of the run, the derivation step that is producing a generation
// (counted from 1), the position of the module being rewritten in the source generation
// (counted from 0) and the number of the draw within that module (counted from 0).
struct DrawKey {
  std::uint64_t seed = 1;
  std::uint64_t step = 0;
  std::uint64_t position = 0;
};

// The 64 random bits of one draw:
// SplitMix64(SplitMix64(SplitMix64(SplitMix64(seed) ^ step) ^ position) ^ draw).
std::uint64_t KeyedBits(const DrawKey& key, std::uint64_t draw);

// A double in [0, 1) from 64 bits: (bits >> 11) * 2^-53, exact.
double UnitInterval(std::uint64_t bits);

// A standard normal value from two numbers of [0, 1) by Box-Muller:
// sqrt(-2 ln(1 - u1)) * cos(2 pi u2), with 1 - u1 in (0, 1] so the logarithm is finite.
double StandardNormal(double u1, double u2);

// The draws of one module, numbered from 0 in the order they are asked for.
class DrawStream {
 public:
  DrawStream() = default;
  explicit DrawStream(const DrawKey& key) : key_(key) {}

  const DrawKey& key() const { return key_; }
  // Starts the draws of another module: numbering starts again at 0.
  void startModule(std::uint64_t position) {
    key_.position = position;
    next_ = 0;
  }
  // The draw with the given number, without moving on (the lottery's draw 0).
  double uniformAt(std::uint64_t draw) const { return UnitInterval(KeyedBits(key_, draw)); }
  // The next draw in [0, 1).
  double uniform() { return uniformAt(next_++); }
  // The next two draws as one normal value with mean m and standard deviation s.
  double normal(double m, double s);
  // Moves the numbering on to the given draw number when it stands below it.
  void skipTo(std::uint64_t draw) {
    if (next_ < draw) next_ = draw;
  }
  std::uint64_t nextDraw() const { return next_; }

 private:
  DrawKey key_;
  std::uint64_t next_ = 0;
};

}  // namespace lsys
