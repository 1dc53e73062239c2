// Context searches over deeply nested or long bracket runs: a search that recursed per '[' would
// overflow the stack, and one that searched a branch again after passing over its '[' would
// take time exponential in the nesting depth.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "derivation/derive.h"
#include "derivation/rule_matching.h"
#include "description/rule.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

constexpr std::size_t kDepth = 100000;

std::unique_ptr<LSystem> MakeSystem(const std::string& axiom, const std::string& listed = "",
                                    bool consider = false,
                                    const std::vector<std::string>& rules = {}) {
  auto lsystem = testing_support::MakeSystem(axiom, rules, listed, consider);
  lsystem->steps = 1;
  return lsystem;
}

std::string Repeat(const std::string& part, std::size_t count) {
  std::string out;
  out.reserve(part.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += part;
  return out;
}

struct Mode {
  const char* listed;
  bool consider;
};

// Ignore mode with nothing listed ends a search at every symbol; listing '[' in ignore mode, or
// consider mode without '[' listed, passes over each '[' after its branch has been searched.
constexpr Mode kModes[] = {{"", false}, {"[", false}, {"A", true}};

TEST(RightContextStress, IntoOneHundredThousandNestedBranches) {
  const std::string axiom = "A" + std::string(kDepth, '[') + "B";
  for (const Mode& mode : kModes) {
    auto lsystem = MakeSystem(axiom, mode.listed, mode.consider);
    EXPECT_EQ(testing_support::RightContextOf(*lsystem, 0, 'B'), kDepth + 1) << mode.listed;
    EXPECT_FALSE(testing_support::RightContextOf(*lsystem, 0, 'Z')) << mode.listed;
    // The innermost '[' is the first one examined, after its branch failed.
    EXPECT_EQ(testing_support::RightContextOf(*lsystem, 0, '['), kDepth) << mode.listed;
  }
}

TEST(RightContextStress, NestedBranchesClosedAgain) {
  // Behind every branch stands a ']', so the C after the last one is never reached.
  const std::string axiom = "A" + std::string(kDepth, '[') + std::string(kDepth, ']') + "C";
  for (const Mode& mode : kModes) {
    auto lsystem = MakeSystem(axiom, mode.listed, mode.consider);
    EXPECT_FALSE(testing_support::RightContextOf(*lsystem, 0, 'C')) << mode.listed;
    EXPECT_EQ(testing_support::RightContextOf(*lsystem, 0, '['), kDepth) << mode.listed;
  }
}

TEST(LeftContextStress, BracketRuns) {
  struct Case {
    std::string axiom;
    Mode mode;
    bool found;
  };
  const std::string open(kDepth, '[');
  const std::string close(kDepth, ']');
  const Case cases[] = {
      {"A" + open + "B", {"", false}, true},    // climbs out of every '['
      {"A" + close + "B", {"", false}, false},  // no '[' to step back to
      {"A" + close + "B", {"A", true}, false},
      {"A" + Repeat("[]", kDepth) + "B", {"", false}, true},  // steps over each branch
      {"A" + Repeat("[X]", kDepth) + "B", {"", false}, true},
      // From the last ']' back to the innermost '[', then the '[' before it is examined.
      {"A" + open + close + "B", {"", false}, false},
      {"A" + open + close + "B", {"[", false}, true},
      {"A" + open + close + "B", {"A", true}, true},
      {"A" + Repeat("[X", kDepth) + close + "B", {"X", false}, true},
      {"A" + Repeat("[X", kDepth) + close + "B", {"", false}, false},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeSystem(c.axiom, c.mode.listed, c.mode.consider);
    const std::string label = c.axiom.substr(0, 4) + "... list '" + c.mode.listed + "'";
    const std::optional<std::size_t> found =
        testing_support::LeftContextOf(*lsystem, lsystem->current->size() - 1, 'A');
    EXPECT_EQ(found.has_value(), c.found) << label;
    if (c.found && found) {
      EXPECT_EQ(*found, 0u) << label;
    }
  }
}

TEST(ContextSearchStress, ThirtyNestedBranchesInConsiderMode) {
  // A [B [B ... [B ]]...] C with thirty branches: A, 30 times "[B", 30 times ']', C.
  for (std::size_t depth : {std::size_t{30}, std::size_t{50000}}) {
    const std::string axiom = "A" + Repeat("[B", depth) + std::string(depth, ']') + "C";
    auto lsystem = MakeSystem(axiom, "A", true);
    const std::size_t a = 0;
    const std::size_t b = 2;
    const std::size_t c = lsystem->current->size() - 1;
    EXPECT_FALSE(testing_support::RightContextOf(*lsystem, a, 'C')) << depth;
    EXPECT_FALSE(testing_support::RightContextOf(*lsystem, a, 'Z')) << depth;
    EXPECT_FALSE(testing_support::RightContextOf(*lsystem, b, 'C')) << depth;
    EXPECT_EQ(testing_support::RightContextOf(*lsystem, a, 'B'), 2u) << depth;
    EXPECT_EQ(testing_support::RightContextOf(*lsystem, a, '['), 2 * depth - 1) << depth;
    // Leftwards the unlisted B and '[' are passed over all the way to A.
    EXPECT_EQ(testing_support::LeftContextOf(*lsystem, c, 'A'), a) << depth;
  }
}

TEST(DeriveStress, DeeplyNestedAxiom) {
  const std::string open(kDepth, '[');
  {
    auto lsystem = MakeSystem("A" + open + "B", "", false, {"A>Z->Y", "A>B->C", "A<B->D"});
    const std::string printed = CaptureOutput([&] { Derive(*lsystem); });
    EXPECT_TRUE(printed == "Parsing:\nstep 1 >>C" + open + "D\n");
  }
  {
    auto lsystem = MakeSystem("A" + open + "B", "[", false, {"A>Z->Y", "A>B->C"});
    const std::string printed = CaptureOutput([&] { Derive(*lsystem); });
    EXPECT_TRUE(printed == "Parsing:\nstep 1 >>C" + open + "B\n");
  }
  {
    auto lsystem = MakeSystem("A" + Repeat("[]", kDepth) + "B", "", false, {"A<B->D", "A>Z->Y"});
    const std::string printed = CaptureOutput([&] { Derive(*lsystem); });
    EXPECT_TRUE(printed == "Parsing:\nstep 1 >>A" + Repeat("[]", kDepth) + "D\n");
  }
}

TEST(DeriveStress, ThirtyNestedBranchesInConsiderMode) {
  const std::string axiom = "A" + Repeat("[B", 30) + std::string(30, ']') + "C";
  auto lsystem = MakeSystem(axiom, "A", true, {"B>C->X", "B>B->E", "A<C->Z", "A>C->Y"});
  const std::string printed = CaptureOutput([&] { Derive(*lsystem); });
  // Every B but the innermost finds a B in its branch; C finds A to its left.
  EXPECT_EQ(printed,
            "Parsing:\nstep 1 >>A" + Repeat("[E", 29) + "[B" + std::string(30, ']') + "Z\n");
}

// A search that passes over the symbol of the module it starts from would walk the whole run
// again for every module of the run: a pass over 64k modules would take minutes instead of
// milliseconds.
TEST(LinearPassStress, SearchesPassingOverTheirOwnSymbol) {
  // 64k modules where the search succeeds; 32k where it fails or meets branches, which is still
  // far beyond the time limit if a pass turns quadratic.
  constexpr std::size_t kModules = 1 << 16;
  constexpr std::size_t kFewer = 1 << 15;
  const std::string run(kModules, 'B');
  const std::string shorter(kFewer, 'B');
  struct Case {
    std::string axiom;
    const char* listed;
    bool consider;
    std::string rule;
    std::string result;
  };
  const Case cases[] = {
      {"A" + run, "B", false, "A<B->C", "A" + std::string(kModules, 'C')},
      {"A" + run, "A", true, "A<B->C", "A" + std::string(kModules, 'C')},
      {run + "A", "B", false, "B>A->C", std::string(kModules, 'C') + "A"},
      {run + "A", "A", true, "B>A->C", std::string(kModules, 'C') + "A"},
      // Not found: every search runs to the end of the word.
      {shorter, "B", false, "A<B->C", shorter},
      {shorter, "B", false, "B>A->C", shorter},
      // Branches on the way: each is stepped over leftwards and searched into rightwards.
      {"A" + Repeat("B[B]", kFewer / 4), "B[]", false, "A<B->C", "A" + Repeat("C[C]", kFewer / 4)},
      {Repeat("B[B]", kFewer / 4) + "A", "B", false, "B>A->C", Repeat("C[B]", kFewer / 4) + "A"},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeSystem(c.axiom, c.listed, c.consider, {c.rule});
    const std::string printed = CaptureOutput([&] { Derive(*lsystem); });
    EXPECT_TRUE(printed == "Parsing:\nstep 1 >>" + c.result + "\n")
        << c.rule << " list '" << c.listed << "' consider " << c.consider;
  }
}

TEST(LinearPassStress, ManyContextSymbolsInDeepBranches) {
  // Each B looks for six different symbols to its right through 20,000 nested branches, and
  // for as many to its left.
  constexpr std::size_t kNesting = 20000;
  const std::string axiom = "X" + Repeat("[B", kNesting) + std::string(kNesting, ']') + "Y";
  auto lsystem = MakeSystem(axiom, "B[]", false,
                            {"B>C->P", "B>D->P", "B>E->P", "B>F->P", "B>G->P", "B>Y->Q", "C<B->P",
                             "D<B->P", "E<B->P", "F<B->P", "G<B->P", "X<B>Z->R"});
  const std::string printed = CaptureOutput([&] { Derive(*lsystem); });
  // No rule applies: behind every branch stands the first ']', followed by another ']', so no B
  // reaches Y, and to the left every B finds X, which is not listed and ends the search.
  EXPECT_TRUE(printed == "Parsing:\nstep 1 >>" + axiom + "\n");
}

}  // namespace
}  // namespace lsys
