#include "derivation/parametric_eval.h"

#include "common/output.h"
#include "derivation/evaluator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "description/rule.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

// The expression library's parse error messages.
constexpr const char* kSyntaxError = "Syntax error\n";
constexpr const char* kOperatorExpected = "Syntax error: Operator expected\n";
constexpr const char* kUnknownIdentifier = "Syntax error: Unknown identifier\n";
constexpr const char* kBadNames =
    "Syntax error in parameter 'Vars' given to FunctionParser::Parse()\n";

std::unique_ptr<Rule> Parsed(const std::string& text) {
  auto rule = std::make_unique<Rule>();
  EXPECT_EQ(CaptureOutput([&] { rule->parse(text, StandardOutput()); }), text + "\n");
  return rule;
}

struct Check {
  bool holds;
  std::string printed;
};

// An evaluator keeps what it parsed for each rule for as long as the rule lives, so the checks
// that look at one call take a fresh evaluator, and those that repeat calls pass their own.
Check Condition(Evaluator& evaluator, const Rule& rule, const std::vector<double>& values) {
  Check check{false, {}};
  check.printed = CaptureOutput([&] { check.holds = evaluator.conditionHolds(rule, values); });
  return check;
}

Check Condition(const Rule& rule, const std::vector<double>& values) {
  Evaluator evaluator(StandardOutput());
  return Condition(evaluator, rule, values);
}

struct Production {
  std::string valueForm;
  std::string printed;
};

Production Produce(Evaluator& evaluator, const Rule& rule, const std::vector<double>& values) {
  Production production;
  production.printed = CaptureOutput(
      [&] { production.valueForm = produceSuccessor(evaluator, rule, values).valueForm(); });
  return production;
}

Production Produce(const Rule& rule, const std::vector<double>& values) {
  Evaluator evaluator(StandardOutput());
  return Produce(evaluator, rule, values);
}

TEST(ConditionHolds, EveryConditionMustBeNonZero) {
  struct Case {
    const char* rule;
    std::vector<double> values;
    bool holds;
  };
  const Case cases[] = {
      {"B->F", {}, true},
      {"B(x)->F", {0.0}, true},
      {"B:(1)->F", {}, true},
      {"B:(0)->F", {}, false},
      {"B(x):(x>1,x<3)->F", {2.0}, true},
      {"B(x):(x>1,x<3)->F", {3.0}, false},
      {"B(x):(x>1,x<3)->F", {1.0}, false},
      {"B(x):(x=2)->F", {2.0}, true},
      {"B(x):(x=2)->F", {2.5}, false},
      // 0.1 in a module is the nearest float, widened to double.
      {"B(x):(x=0.1)->F", {static_cast<double>(0.1f)}, false},
      {"B(x):(x=0.1)->F", {0.1}, true},
      {"B(x,y):(x*y=6)->F", {1.5, 4.0}, true},
      {"B(x):(x>1&x<3)->F", {2.0}, true},
      {"B(x):(x<1|x>3)->F", {2.0}, false},
      {"B(x):(1/x)->F", {0.0}, false},  // an evaluation error counts as 0
      {"B(x):(-x)->F", {2.0}, true},
      // Names without a gathered value are 0.
      {"B(x,y):(y=0)->F", {5.0}, true},
      {"B(x,y):(x=5)->F", {5.0}, true},
      {"A(x)<B(y):(x<y)->F", {1.0, 2.0}, true},
      {"A(x)<B(y):(x<y)->F", {2.0, 1.0}, false},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.rule);
    const Check check = Condition(*rule, c.values);
    EXPECT_EQ(check.holds, c.holds) << c.rule;
    EXPECT_EQ(check.printed, "") << c.rule;
  }
}

TEST(ConditionHolds, EvaluatesEveryConditionAndPrintsEachParseErrorEveryTime) {
  auto rule = Parsed("B(x):(x<0,x+,*x)->F");
  Evaluator evaluator(StandardOutput());
  for (int call = 0; call < 3; ++call) {
    const Check check = Condition(evaluator, *rule, {5.0});
    EXPECT_FALSE(check.holds) << call;
    EXPECT_EQ(check.printed, std::string(kSyntaxError) + kSyntaxError) << call;
  }
  // A condition that fails to parse is false even when the others hold.
  auto faulty = Parsed("B(x):(x+,x>1)->F");
  const Check check = Condition(*faulty, {5.0});
  EXPECT_FALSE(check.holds);
  EXPECT_EQ(check.printed, kSyntaxError);
}

TEST(ConditionHolds, ACommaSplitFunctionCallGivesTwoParseErrors) {
  auto rule = Parsed("B(x,y):(min(x,y)>1)->F");
  const Check check = Condition(*rule, {2.0, 3.0});
  EXPECT_FALSE(check.holds);
  EXPECT_EQ(check.printed, std::string(kSyntaxError) + kOperatorExpected);
}

TEST(ConditionHolds, UnknownNamesAndFaultyNameListsArePrinted) {
  auto unknown = Parsed("B:(x>1)->F");
  Check check = Condition(*unknown, {5.0});
  EXPECT_FALSE(check.holds);
  EXPECT_EQ(check.printed, kUnknownIdentifier);

  auto repeated = Parsed("B(x,x):(x>1)->F");
  Evaluator evaluator(StandardOutput());
  for (int call = 0; call < 2; ++call) {
    check = Condition(evaluator, *repeated, {5.0, 5.0});
    EXPECT_FALSE(check.holds) << call;
    EXPECT_EQ(check.printed, kBadNames) << call;
  }
}

TEST(ProduceSuccessor, EvaluatesArgumentsToFloats) {
  struct Case {
    const char* rule;
    std::vector<double> values;
    const char* valueForm;
  };
  const Case cases[] = {
      {"B(x,y)->F(x*y)", {1.5, 4.0}, "F(6.000000)"},
      {"A->F(2)", {}, "F(2.000000)"},  // constant arguments need no names
      {"A->F(2)", {7.0}, "F(2.000000)"},
      {"A(x)->F", {7.0}, "F"},  // no expressions: no parameters
      {"A->F(0.1)", {}, "F(0.100000)"},
      {"A(x)->F(x,x+1)[+A(x/2)]G", {3.0}, "F(3.000000,4.000000)[+A(1.500000)]G"},
      {"A(x)->F(1/x)", {0.0}, "F(0.000000)"},  // an evaluation error gives 0
      {"A(x)->F(max(x,2),min(x,2))", {5.0}, "F(5.000000,2.000000)"},
      {"A(x)->F(1e40)", {}, "F(inf)"},           // rounded to float
      {"A(x,y)->F(y+1)", {5.0}, "F(1.000000)"},  // y has no value: 0
      {"A(x)->", {5.0}, ""},                     // an erasing rule
      {"A->F F", {}, "F F"},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.rule);
    const Production production = Produce(*rule, c.values);
    EXPECT_EQ(production.valueForm, c.valueForm) << c.rule;
    EXPECT_EQ(production.printed, "") << c.rule;
  }
}

TEST(ProduceSuccessor, ValuesAreRoundedToTheNearestFloat) {
  auto rule = Parsed("A(x)->F(x/3,x*0.1)");
  Evaluator evaluator(StandardOutput());
  ModuleString produced;
  CaptureOutput([&] { produced = produceSuccessor(evaluator, *rule, std::vector<double>{1.0}); });
  ASSERT_FALSE(produced.empty());
  EXPECT_EQ(testing_support::ParametersAt(produced, 0),
            (std::vector<float>{static_cast<float>(1.0 / 3), static_cast<float>(1.0 * 0.1)}));
}

TEST(ProduceSuccessor, AnUnparsableArgumentPrintsEachTimeAndIsZero) {
  auto rule = Parsed("A(x)->F(x+)G(x)");
  Evaluator evaluator(StandardOutput());
  for (int call = 0; call < 3; ++call) {
    const Production production = Produce(evaluator, *rule, {3.0});
    EXPECT_EQ(production.valueForm, "F(0.000000)G(3.000000)") << call;
    EXPECT_EQ(production.printed, kSyntaxError) << call;
  }
  auto bad = Parsed("A(x,x)->F(2)");
  const Production production = Produce(*bad, {3.0, 3.0});
  EXPECT_EQ(production.valueForm, "F(0.000000)");
  EXPECT_EQ(production.printed, kBadNames);
}

TEST(ParametricEval, ExpressionsLongerThan255CharactersAreEvaluatedWhole) {
  std::string sum = "x";
  for (int i = 0; i < 200; ++i) sum += "+1";  // 401 characters
  auto rule = Parsed("A(x):(" + sum + "=203)->F(" + sum + ")");
  ASSERT_EQ(rule->conditions.size(), 1u);
  EXPECT_EQ(rule->conditions[0].size(), 405u);
  const Check check = Condition(*rule, {3.0});
  EXPECT_TRUE(check.holds);
  EXPECT_EQ(check.printed, "");
  EXPECT_EQ(Produce(*rule, {3.0}).valueForm, "F(203.000000)");
}

TEST(ParametricEval, MoreThanSixtyValuesAreAllBound) {
  std::string names;
  std::vector<double> values;
  for (int i = 0; i < 70; ++i) {
    if (i > 0) names += ",";
    names += "q";
    names += static_cast<char>('a' + i / 26);
    names += static_cast<char>('a' + i % 26);
    values.push_back(i);
  }
  // The last name is "qcr", bound to the value 69.
  auto rule = Parsed("B(" + names + "):(qcr=69,qaa=0)->F(qcr,qcq+qaa)");
  const Check check = Condition(*rule, values);
  EXPECT_TRUE(check.holds);
  EXPECT_EQ(check.printed, "");
  const Production production = Produce(*rule, values);
  EXPECT_EQ(production.valueForm, "F(69.000000,68.000000)");
  EXPECT_EQ(production.printed, "");
}

}  // namespace
}  // namespace lsys
