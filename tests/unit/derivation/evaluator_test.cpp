#include "derivation/evaluator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/output.h"
#include "description/rule.h"

namespace lsys {
namespace {

constexpr const char* kBadNames =
    "Syntax error in parameter 'Vars' given to FunctionParser::Parse()\n";

std::unique_ptr<Rule> Parsed(const std::string& text) {
  auto rule = std::make_unique<Rule>();
  rule->read(text);
  return rule;
}

// What one application of a rule gives: the condition, the argument values and the messages.
struct Application {
  bool holds = false;
  std::vector<float> arguments;
  std::string printed;
  bool operator==(const Application&) const = default;
};

Application Apply(Evaluator& evaluator, std::string& console, const Rule& rule,
                  const std::vector<double>& values) {
  Application application;
  console.clear();
  application.holds = evaluator.conditionHolds(rule, values);
  evaluator.evaluateArguments(rule, values, application.arguments);
  application.printed = console;
  return application;
}

std::string Describe(const Application& application) {
  std::string text = application.holds ? "holds [" : "fails [";
  for (float value : application.arguments) text += std::to_string(value) + " ";
  return text + "] printed: " + application.printed;
}

TEST(Evaluator, RejectedNameListsFailEveryExpressionEveryTime) {
  struct Case {
    const char* rule;
    const char* names;
  };
  const Case cases[] = {
      {"A(x)<B(x):(x>1,x<9)->F(x,x+1)G(2)", "x,x"},
      {"B(x y):(x>1,1)->F(x)G(1)", "x y"},
      {"B(1x):(1,1)->F(1)G(2)", "1x"},
      {"B(x,x):(1)->F(2,3)", "x,x"},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.rule);
    ASSERT_EQ(rule->parameterNames, c.names) << c.rule;
    std::string console;
    Output output = Output::ToString(console);
    Evaluator evaluator(output);
    const std::size_t expressions =
        rule->conditions.size() + rule->successor.expressionTexts().size();
    std::string expected;
    for (std::size_t i = 0; i < expressions; ++i) expected += kBadNames;
    for (int call = 0; call < 3; ++call) {
      Application application = Apply(evaluator, console, *rule, {5.0, 5.0});
      output.flush();
      application.printed = console;
      EXPECT_FALSE(application.holds) << c.rule << " call " << call;
      EXPECT_EQ(application.arguments,
                std::vector<float>(rule->successor.expressionTexts().size(), 0.0f))
          << c.rule << " call " << call;
      EXPECT_EQ(application.printed, expected) << c.rule << " call " << call;
    }
  }
}

TEST(Evaluator, NameListsTheLibraryAcceptsWork) {
  struct Case {
    const char* rule;
    const char* names;
    std::vector<double> values;
    std::vector<float> arguments;
  };
  const Case cases[] = {
      {"B(x1):(x1>1)->F(x1*2,x1+1)", "x1", {3.0}, {6.0f, 4.0f}},
      {"B(x,):(x>1)->F(x*2)", "x,", {3.0}, {6.0f}},
      {"A(x)<B(y):(x<y)->F(x+y,y)", "x,y", {1.0, 2.0}, {3.0f, 2.0f}},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.rule);
    ASSERT_EQ(rule->parameterNames, c.names) << c.rule;
    std::string console;
    Output output = Output::ToString(console);
    Evaluator evaluator(output);
    for (int call = 0; call < 2; ++call) {
      Application application;
      application.holds = evaluator.conditionHolds(*rule, c.values);
      evaluator.evaluateArguments(*rule, c.values, application.arguments);
      output.flush();
      EXPECT_TRUE(application.holds) << c.rule;
      EXPECT_EQ(application.arguments, c.arguments) << c.rule;
      EXPECT_EQ(console, "") << c.rule;
    }
  }
}

// Rules whose evaluation covers values, evaluation errors, syntax errors and name-list errors.
const char* const kMixedRules[] = {
    "B(x,y):(x*y=6,y>1)->F(x*y)[+B(y,x)]",
    "A(x):(x+,x>1)->F(x+)G(x/3)",
    "A(x)->F(1/x,x*0.1)",
    "A(x)<B(x):(x>1)->F(x)",
    "B(x,y):(min(x,y)>1)->F(max(x,y))",
    "B:(z>1)->F(2)",
    "B(x,y)->F(y+1)",
    "B(x,y):(x*y=6,y>1)->F(x*y)[+B(y,x)]",  // the same texts and names as the first rule
};

TEST(Evaluator, ATinyBudgetGivesTheValuesAndMessagesOfALargeOne) {
  std::vector<std::unique_ptr<Rule>> rules;
  for (const char* text : kMixedRules) rules.push_back(Parsed(text));
  const std::vector<std::vector<double>> valueSets = {
      {1.5, 4.0}, {0.0, 0.0}, {3.0}, {}, {2.0, 3.0}};

  std::string largeConsole;
  Output largeOutput = Output::ToString(largeConsole);
  Evaluator large(largeOutput);
  std::string tinyConsole;
  Output tinyOutput = Output::ToString(tinyConsole);
  Evaluator tiny(tinyOutput, 0);
  std::string smallConsole;
  Output smallOutput = Output::ToString(smallConsole);
  // Room for about three parses: some are kept, the rest parsed on every call.
  Evaluator small(smallOutput, 3 * ExpressionCache::EstimatedFootprint("x*y=6", "x,y"));

  for (int round = 0; round < 3; ++round) {
    for (const auto& rule : rules) {
      for (const auto& values : valueSets) {
        Application expected = Apply(large, largeConsole, *rule, values);
        largeOutput.flush();
        expected.printed = largeConsole;
        for (auto [evaluator, output, console] :
             {std::tuple{&tiny, &tinyOutput, &tinyConsole},
              std::tuple{&small, &smallOutput, &smallConsole}}) {
          Application got = Apply(*evaluator, *console, *rule, values);
          output->flush();
          got.printed = *console;
          EXPECT_EQ(got, expected) << rule->parameterNames << " " << values.size() << ": "
                                   << Describe(got) << " vs " << Describe(expected);
        }
      }
    }
  }
  EXPECT_EQ(tiny.cache().keptCount(), 0u);
  EXPECT_EQ(tiny.cache().keptBytes(), 0u);
  EXPECT_GT(small.cache().keptCount(), 0u);
  EXPECT_LE(small.cache().keptBytes(), 3 * ExpressionCache::EstimatedFootprint("x*y=6", "x,y"));
  EXPECT_GT(small.cache().parseCount(), small.cache().keptCount());
  // The large evaluator parsed each distinct pair once.
  EXPECT_EQ(large.cache().parseCount(), large.cache().keptCount());
}

TEST(Evaluator, IdenticalTextsAndNamesShareOneParse) {
  std::string console;
  Output output = Output::ToString(console);
  Evaluator evaluator(output);
  auto first = Parsed("A(x):(x>1)->F(x*2)");
  auto same = Parsed("B(x):(x>1)->G(x*2)");     // other symbols, the same texts and names
  auto renamed = Parsed("B(y):(x>1)->G(x*2)");  // the same texts, other names
  std::vector<float> arguments;
  for (const Rule* rule : {first.get(), same.get(), first.get(), same.get()}) {
    EXPECT_TRUE(evaluator.conditionHolds(*rule, std::vector<double>{3.0}));
    evaluator.evaluateArguments(*rule, std::vector<double>{3.0}, arguments);
    EXPECT_EQ(arguments, std::vector<float>{6.0f});
  }
  EXPECT_EQ(evaluator.cache().parseCount(), 2u);
  EXPECT_EQ(evaluator.cache().keptCount(), 2u);
  // With the name y the text x is an unknown identifier: a parse of its own.
  EXPECT_FALSE(evaluator.conditionHolds(*renamed, std::vector<double>{3.0}));
  output.flush();
  EXPECT_EQ(console, "Syntax error: Unknown identifier\n");
  EXPECT_EQ(evaluator.cache().parseCount(), 3u);
}

TEST(ExpressionCache, KeepsNoMoreThanItsBudget) {
  const std::size_t footprint = ExpressionCache::EstimatedFootprint("x+1", "x");
  ExpressionCache cache(2 * footprint);
  ParsedExpression scratch;
  const std::string texts[] = {"x+1", "x+2", "x+3", "x+4", "x+1", "x+2", "x+3"};
  for (const std::string& text : texts) {
    ParsedExpression& parsed = cache.find(text, "x", scratch);
    ASSERT_EQ(parsed.outcome, ParsedExpression::Outcome::kParsed) << text;
    double value = 10.0;
    EXPECT_EQ(parsed.parser.Eval(&value), 10.0 + (text.back() - '0')) << text;
  }
  EXPECT_EQ(cache.keptCount(), 2u);
  EXPECT_LE(cache.keptBytes(), 2 * footprint);
  // x+1 and x+2 were kept; x+3 and x+4 are parsed every time.
  EXPECT_EQ(cache.parseCount(), 5u);
}

TEST(ExpressionCache, FootprintGrowsWithTextAndNames) {
  EXPECT_LT(ExpressionCache::EstimatedFootprint("x", "x"),
            ExpressionCache::EstimatedFootprint(std::string(1000, 'x'), "x"));
  EXPECT_LT(ExpressionCache::EstimatedFootprint("x", "x"),
            ExpressionCache::EstimatedFootprint("x", "x,y,z"));
  // Measured: a parser with one name takes about 2,000 bytes.
  EXPECT_GE(ExpressionCache::EstimatedFootprint("x", "x"), 2000u);
}

}  // namespace
}  // namespace lsys
