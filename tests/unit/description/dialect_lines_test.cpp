// Reading the dialect's lines: the marker, the keys, the "=>" rules and what is wrong in them.
#include "description/dialect_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/lsystem.h"

namespace lsys {
namespace {

std::unique_ptr<LSystem> Loaded(const std::vector<std::string>& lines) {
  std::vector<std::string> file{"#lsys dialect=1\n"};
  for (const std::string& line : lines) file.push_back(line + "\n");
  auto lsystem = std::make_unique<LSystem>();
  LoadDialect(*lsystem, 0, file, {{"W", "2", 0, 0}});
  return lsystem;
}

TEST(DialectMarker, IsTheFirstMarkerLine) {
  EXPECT_EQ(FindDialectMarker({"axiom=F\n", "  #lsys dialect=1 \r\n", "#lsys dialect=1\n"}),
            std::optional<std::size_t>(1));
  EXPECT_EQ(FindDialectMarker({"axiom=F\n", "# lsys dialect=1\n", "#lsys dialect=10\n"}),
            std::nullopt);
  std::vector<DialectIssue> unknown;
  EXPECT_EQ(FindDialectMarker({"#lsys dialect=2\n"}, &unknown), std::nullopt);
  ASSERT_EQ(unknown.size(), 1u);
  EXPECT_EQ(unknown[0].column, 14u);
}

TEST(DialectKeys, AreReadWhenWellFormed) {
  auto lsystem = Loaded({"seed=42", "  tropism= 0, -1 ,0.5", "elasticity=-0.25",
                         "seed=18446744073709551615", "x seed=3"});
  const DialectOptions& dialect = lsystem->dialect;
  EXPECT_TRUE(dialect.enabled);
  EXPECT_TRUE(dialect.issues.empty()) << dialect.issues.front().message;
  EXPECT_EQ(dialect.seed, 18446744073709551615ull);  // the last seed= line; "x seed=" is text
  EXPECT_EQ(dialect.seedLine, 4u);
  EXPECT_EQ(dialect.tropism, (std::array<double, 3>{0, -1, 0.5}));
  EXPECT_EQ(dialect.elasticity, -0.25);
}

TEST(DialectKeys, ReportMalformedValuesAtTheirColumn) {
  struct Case {
    const char* line;
    std::size_t column;
  };
  const Case cases[] = {
      {"seed=-1", 5},       {"seed=", 5},
      {"seed=1.5", 6},      {"seed=18446744073709551616", 5},
      {"tropism=1,2", 11},  {"tropism=1,2,3,4", 13},
      {"tropism=a,b,c", 8}, {"tropism=1 2 3", 10},
      {"elasticity=", 11},  {"elasticity=0.2x", 14},
  };
  for (const Case& c : cases) {
    auto lsystem = Loaded({c.line});
    const DialectOptions& dialect = lsystem->dialect;
    ASSERT_EQ(dialect.issues.size(), 1u) << c.line;
    EXPECT_TRUE(dialect.issues[0].error) << c.line;
    EXPECT_EQ(dialect.issues[0].line, 1u) << c.line;
    EXPECT_EQ(dialect.issues[0].column, c.column) << c.line << ": " << dialect.issues[0].message;
    // A malformed key keeps its default.
    EXPECT_EQ(dialect.seed, 1u) << c.line;
    EXPECT_EQ(dialect.elasticity, 0.0) << c.line;
  }
}

TEST(DialectRuleLines, SplitTheWeightAndSubstituteDefinitions) {
  auto lsystem = Loaded({"A(x)<B(y):(x>y)=>C(x,y):W*x", "B=>D(min(1,2))", "C=>E:(1:2)*0+1"});
  const auto& rules = lsystem->dialect.rules;
  ASSERT_EQ(rules.size(), 3u);
  const Rule& first = *rules[0].rule;
  EXPECT_EQ(first.predecessor, 'B');
  EXPECT_EQ(first.leftContext, 'A');
  EXPECT_EQ(first.parameterNames, "x,y");
  EXPECT_EQ(first.conditions, std::vector<std::string>{"x>y"});
  EXPECT_EQ(first.successor.expressionForm(), "C({x},{y})");
  EXPECT_TRUE(first.hasProbability());
  EXPECT_EQ(first.probability, "2*x");  // W is defined as 2
  EXPECT_FALSE(rules[1].rule->hasProbability());
  EXPECT_EQ(rules[1].rule->successor.expressionForm(), "D({min(1,2)})");
  // Only a ':' outside parentheses starts the weight: "(1:2)*0+1" has none, so the last is
  // the one after E.
  EXPECT_EQ(rules[2].rule->probability, "(1:2)*0+1");
}

TEST(DialectRuleLines, ReportExpressionsThatDoNotParseAndWeightsNeverPositive) {
  struct Case {
    const char* line;
    bool error;
    std::size_t column;
  };
  const Case cases[] = {
      {"A=>B:", true, 5},            // empty weight
      {"A=>B:ran(", true, 9},        // where the library stops
      {"A=>B:nran(1)", true, 11},    // nran takes two arguments
      {"A=>B(ran(1,2))", true, 10},  // ran in an argument
      {"A:(ran(1)>)=>B", true, 10},  // and in a condition
      {"A=>B:-1", true, 5},          // negative for every module
      {"A=>B:1e308*10", true, 5},    // infinite
      {"A=>B:0", false, 5},          // never chosen
      {"A(x)=>B:W-3", true, 8},      // the column in the line, before substitution (W is 2)
  };
  for (const Case& c : cases) {
    auto lsystem = Loaded({c.line});
    const auto& issues = lsystem->dialect.issues;
    ASSERT_EQ(issues.size(), 1u) << c.line;
    EXPECT_EQ(issues[0].error, c.error) << c.line;
    EXPECT_EQ(issues[0].column, c.column) << c.line << ": " << issues[0].message;
  }
  // Weights that depend on a parameter or a draw are left to the run.
  for (const char* line : {"A(x)=>B:x-1", "A=>B:ran(1)-0.5", "A=>B:nran(1,1)"}) {
    EXPECT_TRUE(Loaded({line})->dialect.issues.empty()) << line;
  }
}

TEST(DialectLines, AreKnownByTheirShape) {
  for (const char* line : {"#lsys dialect=1\n", " seed=3\n", "tropism=0,-1,0", "elasticity=1",
                           "F=>FF", "#lsys dialect=7"}) {
    EXPECT_TRUE(IsDialectLine(line)) << line;
  }
  for (const char* line : {"axiom=F\n", "F->FF\n", "# seed=3 is nice\n", "x tropism=1,1,1"}) {
    EXPECT_FALSE(IsDialectLine(line)) << line;
  }
}

}  // namespace
}  // namespace lsys
