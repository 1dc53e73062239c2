// The dialect's rule choice: "=>" rules, lotteries, the cut and the warnings of faulty weights.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "derivation/derive.h"
#include "description/dialect_lines.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

// An L-system of the axiom and the "->" rules, with the dialect lines read as a marked file
// would be (what the loader reports about them is tested with the loader).
std::unique_ptr<LSystem> MakeDialectSystem(const std::string& axiom,
                                           const std::vector<std::string>& rules,
                                           const std::vector<std::string>& dialectLines) {
  auto lsystem = testing_support::MakeSystem(axiom, rules);
  std::vector<std::string> lines{std::string(kDialectMarker) + "\n"};
  for (const std::string& line : dialectLines) lines.push_back(line + "\n");
  LoadDialect(*lsystem, 0, lines, {});
  return lsystem;
}

std::string Grown(LSystem& lsystem, int steps) {
  CaptureOutput([&] {
    for (int step = 0; step < steps; ++step) rewritePass(lsystem);
  });
  return lsystem.current->valueForm();
}

TEST(DialectRules, ChooseAsTheDialectSays) {
  struct Case {
    const char* axiom;
    std::vector<std::string> rules;    // "->" rules
    std::vector<std::string> dialect;  // further lines of the marked file
    const char* grown;                 // after one pass
  };
  const Case cases[] = {
      // A symbol with "=>" rules is rewritten by them alone; other symbols keep their "->".
      {"AB", {"A->X", "B->Y"}, {"A=>Z"}, "ZY"},
      // The first applicable rule without a weight wins.
      {"A", {}, {"A=>B", "A=>C:1"}, "B"},
      // Conditions and contexts decide applicability as for "->" rules.
      {"A(0)A(2)", {}, {"A(x):(x>1)=>B", "A(x)=>C(x)"}, "C(0.000000)B"},
      {"XA", {}, {"X<A=>L", "A=>R"}, "XL"},
      // Known lottery draws of seed 1 (draw 0 of position 0 is 0.7867...): C wins.
      {"A", {}, {"A=>B:1", "A=>C:1"}, "C"},
      {"A", {}, {"seed=2", "A=>B:1", "A=>C:1"}, "B"},  // 0.0711...
      // A weight of 0 is never chosen.
      {"A", {}, {"A=>B:0", "A=>C:1"}, "C"},
      {"A", {}, {"A=>B:1", "A=>C:0"}, "B"},
      // Weights are expressions over the rule's parameters.
      {"A(1)", {}, {"A(x)=>B:x", "A(x)=>C:1-x"}, "B"},
      // The weight's ':' is the last one outside parentheses after the arrow.
      {"A", {}, {"A=>B(x:2):0", "A=>C:1"}, "C"},
      // A weighted rule that does not apply stays out of the lottery.
      {"A(0)", {}, {"A(x)=>B:1", "A(x):(x>0)=>C:1000"}, "B"},
      // The cut: '%' and the rest of its branch go, the ']' stays.
      {"A[B%CD]E", {}, {}, "A[B]E"},
      {"A[B%C[D]E]F", {}, {}, "A[B]F"},
      {"AB%C[D]E", {}, {}, "AB"},
      {"F%", {}, {}, "F"},
      // Modules after a cut are not rewritten, the ']' is.
      {"[A%A]", {}, {"A=>X", "]=>Y"}, "[XY"},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeDialectSystem(c.axiom, c.rules, c.dialect);
    EXPECT_EQ(Grown(*lsystem, 1), c.grown) << c.axiom << " " << ::testing::PrintToString(c.dialect);
  }
}

TEST(DialectRules, ALotteryMatchesItsWeights) {
  // 10^5 modules in a 1:2:1 lottery; chi-square with 2 degrees of freedom below 13.82, the
  // critical value for p = 0.001.
  constexpr int kModules = 100000;
  auto lsystem = MakeDialectSystem("", {}, {"seed=7", "A=>B:1", "A=>C:2", "A=>D:1"});
  auto axiom = std::make_unique<ModuleString>();
  axiom->appendModules(std::string(kModules, 'A'));
  lsystem->setAxiom(std::move(axiom));
  const std::string grown = Grown(*lsystem, 1);
  std::map<char, int> counts;
  for (char symbol : grown) ++counts[symbol];
  ASSERT_EQ(counts['B'] + counts['C'] + counts['D'], kModules);
  const double expected[] = {kModules / 4.0, kModules / 2.0, kModules / 4.0};
  const int observed[] = {counts['B'], counts['C'], counts['D']};
  double chiSquare = 0.0;
  for (int k = 0; k < 3; ++k) {
    chiSquare += (observed[k] - expected[k]) * (observed[k] - expected[k]) / expected[k];
  }
  EXPECT_LT(chiSquare, 13.82) << counts['B'] << " " << counts['C'] << " " << counts['D'];
}

TEST(DialectRules, SameSeedSameWordOtherSeedOtherWord) {
  // The stochastic weed: three successors of one third each.
  const std::vector<std::string> weed = {"F=>F[+F]F[-F]F:1/3", "F=>F[+F]F:1/3", "F=>F[-F]F:1/3"};
  auto grow = [&](const std::string& seed) {
    std::vector<std::string> lines = weed;
    lines.push_back("seed=" + seed);
    auto lsystem = MakeDialectSystem("F", {}, lines);
    return Grown(*lsystem, 4);
  };
  EXPECT_EQ(grow("1"), grow("1"));
  EXPECT_NE(grow("1"), grow("2"));
  EXPECT_NE(grow("2"), grow("3"));
}

TEST(DialectRules, RanDrawsPerModuleAndStep) {
  auto lsystem = MakeDialectSystem("AA", {}, {"A=>B(ran(1))"});
  const std::string grown = Grown(*lsystem, 1);
  // Draw 1 of position 0 in step 1 with seed 1 is 0.17928534074863056; position 1 draws
  // anew.
  EXPECT_EQ(grown.substr(0, 12), "B(0.179285)B") << grown;
  EXPECT_NE(grown.substr(2, 8), grown.substr(13, 8)) << grown;
}

TEST(DialectRules, AFaultyWeightCopiesTheModuleAndWarnsOncePerRule) {
  struct Case {
    std::vector<std::string> dialect;
    const char* grown;
    std::size_t warnings;
  };
  const Case cases[] = {
      {{"A=>B:-1", "A=>C:1"}, "AAA", 1},
      {{"A=>B:0", "A=>C:0"}, "AAA", 2},          // a zero sum: one warning for each rule
      {{"A=>B:1e308*10", "A=>C:1"}, "AAA", 1},   // infinite
      {{"A=>B:1e308", "A=>C:1e308"}, "AAA", 2},  // an infinite sum
      // The library reads 1/0 as 0, which is a weight like any other.
      {{"A=>B:1/0", "A=>C:1"}, "CCC", 0},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeDialectSystem("AAA", {}, c.dialect);
    EXPECT_EQ(Grown(*lsystem, 2), c.grown) << ::testing::PrintToString(c.dialect);
    EXPECT_EQ(lsystem->dialect.warnings.size(), c.warnings) << ::testing::PrintToString(c.dialect);
  }
}

}  // namespace
}  // namespace lsys
