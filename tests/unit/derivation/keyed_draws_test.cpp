#include "derivation/keyed_draws.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "derivation/draw_functions.h"

namespace lsys {
namespace {

TEST(SplitMix64, GivesThePublishedSequence) {
  // The reference generator's first outputs from the state 1234567; each call advances the
  // state by 0x9e3779b97f4a7c15.
  std::uint64_t state = 1234567;
  for (std::uint64_t expected :
       {6457827717110365317ull, 3203168211198807973ull, 9817491932198370423ull}) {
    EXPECT_EQ(SplitMix64(state), expected) << state;
    state += 0x9e3779b97f4a7c15ull;
  }
}

TEST(KeyedBits, GivesKnownDrawsForFixedKeys) {
  // Worked out with an independent implementation of the chained definition
  // S(S(S(S(seed) ^ step) ^ position) ^ draw).
  struct Case {
    DrawKey key;
    std::uint64_t draw;
    std::uint64_t bits;
    double uniform;
  };
  const Case cases[] = {
      {{1, 1, 0}, 0, 14512240895448352642ull, 0.7867101553239042},
      {{1, 1, 0}, 1, 3307230796957799012ull, 0.17928534074863056},
      {{2, 1, 0}, 0, 1312088327056213029ull, 0.0711284507343608},
      {{1, 2, 0}, 0, 8460352000482166300ull, 0.4586366009457423},
      {{1, 1, 1}, 0, 4512790872782869896ull, 0.24463888341219708},
      {{0, 1, 0}, 0, 15114123258453576503ull, 0.8193382636014529},
      {{18446744073709551615ull, 3, 7}, 2, 5789360049326505749ull, 0.31384183713902913},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyedBits(c.key, c.draw), c.bits)
        << c.key.seed << " " << c.key.step << " " << c.key.position << " " << c.draw;
    EXPECT_EQ(UnitInterval(c.bits), c.uniform) << c.bits;
  }
}

TEST(UnitInterval, KeepsTheTop53BitsBelowOne) {
  EXPECT_EQ(UnitInterval(0), 0.0);
  EXPECT_EQ(UnitInterval(std::uint64_t{1} << 11), 0x1.0p-53);
  EXPECT_EQ(UnitInterval((std::uint64_t{1} << 11) - 1), 0.0);  // the low 11 bits are dropped
  EXPECT_EQ(UnitInterval(~std::uint64_t{0}), 1.0 - 0x1.0p-53);
}

TEST(DrawFunctions, RanAndNranTakeTheModulesDrawsInOrder) {
  DrawStream stream(DrawKey{1, 1, 0});
  stream.skipTo(1);  // draw 0 belongs to the lottery
  const ScopedDrawStream installed(stream);
  FunctionParser parser;
  ASSERT_TRUE(AddDrawFunctions(parser));
  ASSERT_LT(parser.Parse("ran(10)", ""), 0);
  EXPECT_EQ(parser.Eval(nullptr), 10 * 0.17928534074863056);
  EXPECT_EQ(stream.nextDraw(), 2u);

  // nran takes two draws: Box-Muller of draws 1 and 2 for seed 1, step 1, position 0.
  DrawStream second(DrawKey{1, 1, 0});
  second.skipTo(1);
  const ScopedDrawStream again(second);
  ASSERT_LT(parser.Parse("nran(5,2)", ""), 0);
  EXPECT_NEAR(parser.Eval(nullptr), 5 + 2 * -0.22905910239687857, 1e-12);
  EXPECT_EQ(second.nextDraw(), 3u);

  // Each call is a draw of its own: two calls in one expression differ.
  ASSERT_LT(parser.Parse("ran(1)-ran(1)", ""), 0);
  EXPECT_NE(parser.Eval(nullptr), 0.0);
  EXPECT_EQ(second.nextDraw(), 5u);
}

TEST(DrawFunctions, ExistOnlyWhereRegistered) {
  FunctionParser plain;
  EXPECT_GE(plain.Parse("ran(1)", ""), 0);
  FunctionParser dialect;
  AddDrawFunctions(dialect);
  EXPECT_GE(dialect.Parse("ran(1,2)", ""), 0);  // ran takes one argument
  EXPECT_GE(dialect.Parse("nran(1)", ""), 0);   // nran takes two
}

}  // namespace
}  // namespace lsys
