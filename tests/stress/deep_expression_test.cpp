// Expressions nested far deeper than the call stack could follow one level per frame.
#include <gtest/gtest.h>
#include "common/output.h"

#include <string>

#include "derivation/parametric_eval.h"
#include "description/rule.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

std::string nested(int depth, const std::string& core) {
  return std::string(static_cast<std::size_t>(depth), '(') + core +
         std::string(static_cast<std::size_t>(depth), ')');
}

TEST(DeepExpression, NestedParenthesesEvaluate) {
  Rule rule;
  const std::string text = "A(x):(" + nested(200000, "x>1") + ")->F(" + nested(200000, "x*3") + ")";
  CaptureOutput([&] { rule.parse(text, StandardOutput()); });
  std::string printed;
  printed = CaptureOutput([&] {
    EXPECT_TRUE(conditionHolds(rule, {2.0}));
    EXPECT_FALSE(conditionHolds(rule, {1.0}));
    const ModuleString& produced = produceSuccessor(rule, {2.0});
    ASSERT_FALSE(produced.empty());
    EXPECT_EQ(testing_support::ParametersAt(produced, 0), std::vector<float>{6.0f});
  });
  EXPECT_EQ(printed, "");
}

TEST(DeepExpression, LongOperatorChainsEvaluate) {
  // 300,000 unary minus signs cancel out; a chain of powers of 1 stays 1.
  Rule rule;
  const std::string minuses(300000, '-');
  std::string powers;
  for (int i = 0; i < 100000; ++i) powers += "x^";
  CaptureOutput([&] { rule.parse("A(x)->F(" + minuses + "x," + powers + "x)", StandardOutput()); });
  const ModuleString& produced = produceSuccessor(rule, {1.0});
  ASSERT_FALSE(produced.empty());
  EXPECT_EQ(testing_support::ParametersAt(produced, 0), (std::vector<float>{1.0f, 1.0f}));
}

TEST(DeepExpression, UnbalancedDeepConditionReportsTheParseErrorAndFails) {
  // The condition text is everything between "(" after ':' and the character before the
  // arrow: here 100,000 '(' and a 1, never closed.
  Rule rule;
  CaptureOutput([&] { rule.parse("A:((" + std::string(100000, '(') + "1)->F", StandardOutput()); });
  ASSERT_EQ(rule.conditions.size(), 1u);
  bool holds = true;
  const std::string printed = CaptureOutput([&] { holds = conditionHolds(rule, {}); });
  EXPECT_FALSE(holds);
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed;
}

}  // namespace
}  // namespace lsys
