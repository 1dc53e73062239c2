// Expressions nested far deeper than a default stack could follow one level per frame: they are
// evaluated on the stack sized for the run's deepest text, and never parsed on a stack too small
// for them.
#include <gtest/gtest.h>

#include <string>

#include "derivation/evaluator.h"
#include "derivation/expression_stack.h"
#include "derivation/parametric_eval.h"
#include "description/rule.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeSystem;

std::string nested(int depth, const std::string& core) {
  return std::string(static_cast<std::size_t>(depth), '(') + core +
         std::string(static_cast<std::size_t>(depth), ')');
}

constexpr const char* kNoStack = "Error: expression nested too deeply for this thread's stack\n";

TEST(DeepExpression, NestedParenthesesEvaluateOnTheSizedStack) {
  auto lsystem = MakeSystem(
      "A(2)", {"A(x):(" + nested(200000, "x>1") + ")->F(" + nested(200000, "x*3") + ")"});
  const Rule& rule = *lsystem->rules()[0];
  std::string printed;
  bool ran = false;
  printed = CaptureOutput([&] {
    ran = RunWithExpressionStack(*lsystem, [&] {
      Evaluator evaluator(StandardOutput());
      EXPECT_TRUE(evaluator.conditionHolds(rule, std::vector<double>{2.0}));
      EXPECT_FALSE(evaluator.conditionHolds(rule, std::vector<double>{1.0}));
      const ModuleString produced = produceSuccessor(evaluator, rule, std::vector<double>{2.0});
      ASSERT_FALSE(produced.empty());
      EXPECT_EQ(testing_support::ParametersAt(produced, 0), std::vector<float>{6.0f});
    });
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(printed, "");
}

TEST(DeepExpression, LongOperatorChainsEvaluateOnTheSizedStack) {
  // 300,000 unary minus signs cancel out; a chain of powers of 1 stays 1; a not of a not.
  const std::string minuses(300000, '-');
  std::string powers;
  for (int i = 0; i < 100000; ++i) powers += "x^";
  const std::string nots(200000, '!');
  auto lsystem = MakeSystem("A(1)", {"A(x)->F(" + minuses + "x," + powers + "x," + nots + "x)"});
  const Rule& rule = *lsystem->rules()[0];
  bool ran = false;
  const std::string printed = CaptureOutput([&] {
    ran = RunWithExpressionStack(*lsystem, [&] {
      Evaluator evaluator(StandardOutput());
      const ModuleString produced = produceSuccessor(evaluator, rule, std::vector<double>{1.0});
      ASSERT_FALSE(produced.empty());
      EXPECT_EQ(testing_support::ParametersAt(produced, 0), (std::vector<float>{1.0f, 1.0f, 1.0f}));
    });
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(printed, "");
}

TEST(DeepExpression, UnbalancedDeepConditionReportsTheParseErrorAndFails) {
  // The condition text is everything between "(" after ':' and the character before the
  // arrow: here 100,000 '(' and a 1, never closed.
  auto lsystem = MakeSystem("A", {"A:((" + std::string(100000, '(') + "1)->F"});
  const Rule& rule = *lsystem->rules()[0];
  ASSERT_EQ(rule.conditions.size(), 1u);
  bool holds = true;
  const std::string printed = CaptureOutput([&] {
    EXPECT_TRUE(RunWithExpressionStack(*lsystem, [&] {
      Evaluator evaluator(StandardOutput());
      holds = evaluator.conditionHolds(rule, std::vector<double>{});
    }));
  });
  EXPECT_FALSE(holds);
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed;
  EXPECT_NE(printed, kNoStack);
}

TEST(DeepExpression, ATextTooDeepForTheCallersStackIsNotParsed) {
  // On the test's own thread (8 MiB at most) 100,000 levels would overflow the stack: the
  // text is refused with a message and has the value 0, every time.
  Rule rule;
  CaptureOutput([&] { rule.read("A(x)->F(" + nested(100000, "x") + ",x)"); });
  Evaluator evaluator(StandardOutput());
  for (int call = 0; call < 2; ++call) {
    ModuleString produced;
    const std::string printed = CaptureOutput(
        [&] { produced = produceSuccessor(evaluator, rule, std::vector<double>{4.0}); });
    EXPECT_EQ(printed, kNoStack) << call;
    ASSERT_FALSE(produced.empty());
    EXPECT_EQ(testing_support::ParametersAt(produced, 0), (std::vector<float>{0.0f, 4.0f})) << call;
  }
}

TEST(DeepExpressionStack, NeedGrowsWithNestingNotLength) {
  struct Case {
    std::string text;
    std::size_t atLeast;  // measured stack use of the library, in bytes
  };
  std::string powers;
  for (int i = 0; i < 1000; ++i) powers += "x^";
  const Case cases[] = {
      {nested(1000, "x"), 1000 * 512},
      {std::string(1000, '('), 1000 * 512},
      {std::string(1000, '-') + "x", 1000 * 64},
      {std::string(1000, '!') + "x", 1000 * 64},
      {powers + "x", 1000 * 64},
  };
  for (const Case& c : cases) {
    EXPECT_GE(ExpressionStackNeed(c.text), 2 * c.atLeast) << c.text.substr(0, 8);
  }
  // Flat sums and products are parsed in loops.
  std::string flat;
  for (int i = 0; i < 10000; ++i) flat += "x+x*x<";
  EXPECT_EQ(ExpressionStackNeed(flat), 0u);
}

TEST(DeepExpressionStack, AStackBeyondTheAddressSpaceIsRefused) {
  auto lsystem = MakeSystem("A", {});
  bool ran = false;
  EXPECT_FALSE(RunWithStack(SIZE_MAX / 2, [&] { ran = true; }));
  EXPECT_FALSE(ran);
  EXPECT_TRUE(RunWithStack(1 << 20, [&] { ran = StackHolds(1 << 20); }));
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace lsys
