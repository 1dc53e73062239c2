// Context searches over deeply nested or long bracket runs: a search that recursed per '[' would
// overflow the stack, and one that searched a branch again after passing over its '[' would
// take time exponential in the nesting depth.
#include <gtest/gtest.h>

#include <memory>
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
using testing_support::MakeModules;

constexpr std::size_t kDepth = 100000;

std::unique_ptr<LSystem> MakeSystem(const std::string& axiom, const std::string& listed = "",
                                    bool consider = false,
                                    const std::vector<std::string>& rules = {}) {
  auto lsystem = testing_support::MakeSystem(axiom, rules, listed, consider);
  lsystem->steps = 1;
  return lsystem;
}

std::size_t IndexOf(const LSystem& lsystem, const Module* wanted) {
  std::size_t index = 0;
  for (const Module* m = lsystem.current->first(); m != nullptr; m = m->next, ++index) {
    if (m == wanted) return index;
  }
  return static_cast<std::size_t>(-1);
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
    const Module& a = *lsystem->current->first();
    EXPECT_TRUE(findRightContext(*lsystem, a, 'B')) << mode.listed;
    EXPECT_EQ(IndexOf(*lsystem, lsystem->rightMatch), kDepth + 1) << mode.listed;
    EXPECT_FALSE(findRightContext(*lsystem, a, 'Z')) << mode.listed;
    // The innermost '[' is the first one examined, after its branch failed.
    EXPECT_TRUE(findRightContext(*lsystem, a, '[')) << mode.listed;
    EXPECT_EQ(IndexOf(*lsystem, lsystem->rightMatch), kDepth) << mode.listed;
  }
}

TEST(RightContextStress, NestedBranchesClosedAgain) {
  // Behind every branch stands a ']', so the C after the last one is never reached.
  const std::string axiom = "A" + std::string(kDepth, '[') + std::string(kDepth, ']') + "C";
  for (const Mode& mode : kModes) {
    auto lsystem = MakeSystem(axiom, mode.listed, mode.consider);
    const Module& a = *lsystem->current->first();
    EXPECT_FALSE(findRightContext(*lsystem, a, 'C')) << mode.listed;
    EXPECT_TRUE(findRightContext(*lsystem, a, '[')) << mode.listed;
    EXPECT_EQ(IndexOf(*lsystem, lsystem->rightMatch), kDepth) << mode.listed;
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
    EXPECT_EQ(findLeftContext(*lsystem, *lsystem->current->last(), 'A'), c.found) << label;
    if (c.found) {
      EXPECT_EQ(lsystem->leftMatch, lsystem->current->first()) << label;
    }
  }
}

TEST(ContextSearchStress, ThirtyNestedBranchesInConsiderMode) {
  // A [B [B ... [B ]]...] C with thirty branches: A, 30 times "[B", 30 times ']', C.
  for (std::size_t depth : {std::size_t{30}, std::size_t{50000}}) {
    const std::string axiom = "A" + Repeat("[B", depth) + std::string(depth, ']') + "C";
    auto lsystem = MakeSystem(axiom, "A", true);
    const Module& a = *lsystem->current->first();
    const Module& b = *a.next->next;
    const Module& c = *lsystem->current->last();
    EXPECT_FALSE(findRightContext(*lsystem, a, 'C')) << depth;
    EXPECT_FALSE(findRightContext(*lsystem, a, 'Z')) << depth;
    EXPECT_FALSE(findRightContext(*lsystem, b, 'C')) << depth;
    EXPECT_TRUE(findRightContext(*lsystem, a, 'B')) << depth;
    EXPECT_EQ(IndexOf(*lsystem, lsystem->rightMatch), 2u) << depth;
    EXPECT_TRUE(findRightContext(*lsystem, a, '[')) << depth;
    EXPECT_EQ(IndexOf(*lsystem, lsystem->rightMatch), 2 * depth - 1) << depth;
    // Leftwards the unlisted B and '[' are passed over all the way to A.
    EXPECT_TRUE(findLeftContext(*lsystem, c, 'A')) << depth;
    EXPECT_EQ(lsystem->leftMatch, &a) << depth;
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

}  // namespace
}  // namespace lsys
