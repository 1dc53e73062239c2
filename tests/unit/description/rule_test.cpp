#include "description/rule.h"
#include "common/output.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

// Parses the text into a fresh rule; what parse printed goes to *printed when given.
std::unique_ptr<Rule> Parsed(const std::string& text, std::string* printed = nullptr) {
  auto rule = std::make_unique<Rule>();
  const std::string out = CaptureOutput([&] { rule->parse(text, StandardOutput()); });
  if (printed != nullptr) *printed = out;
  return rule;
}

std::string ReportOf(const Rule& rule) {
  return CaptureOutput([&] { rule.report(StandardOutput()); });
}

TEST(RuleParse, PrintsTheRuleTextFirst) {
  std::string printed;
  Parsed("A(x)<B(y)>E(z):(x>y,z<2)->F(x*2)[+B(y)]", &printed);
  EXPECT_EQ(printed, "A(x)<B(y)>E(z):(x>y,z<2)->F(x*2)[+B(y)]\n");
  Parsed("A->", &printed);
  EXPECT_EQ(printed, "A->\n");
}

TEST(RuleParse, FillsEveryFieldOfAFullRule) {
  auto rule = Parsed("A(x)<B(y)>E(z):(x>y,z<2)->F(x*2)[+B(y)]");
  EXPECT_EQ(rule->leftContext, 'A');
  EXPECT_EQ(rule->predecessor, 'B');
  EXPECT_EQ(rule->rightContext, 'E');
  EXPECT_EQ(rule->leftContextPos, 4);
  EXPECT_EQ(rule->rightContextPos, 9);
  EXPECT_EQ(rule->conditionPos, 14);
  EXPECT_TRUE(rule->contextSensitive);
  EXPECT_EQ(rule->parameterNames, "x,y,z");
  EXPECT_EQ(rule->conditions, (std::vector<std::string>{"x>y", "z<2"}));
  EXPECT_EQ(rule->successor.expressionForm(), "F({x*2})[+B({y})]");
  EXPECT_EQ(ReportOf(*rule),
            " Regel: A<B>E->F({x*2})[+B({y})]\n"
            "[kontextsensitiv][parameterbedingungen]\n"
            "Parameter: x,y,z\n"
            "Parameterbedingungen: (x>y)&&(z<2)\n");
}

TEST(RuleParse, SymbolsAndMarks) {
  struct Case {
    const char* text;
    char left, predecessor, right;
    int leftPos, rightPos, conditionPos;
    bool contextSensitive;
  };
  const Case cases[] = {
      {"F->F+F", '\0', 'F', '\0', 0, 0, 0, false},
      {"A<B>E->D", 'A', 'B', 'E', 1, 3, 0, true},
      {"A<B->D", 'A', 'B', '\0', 1, 0, 0, true},
      {"B>E->D", '\0', 'B', 'E', 0, 1, 0, true},
      {"B(x):(x>1,x<5)->F(x*2)", '\0', 'B', '\0', 0, 0, 4, false},
      {"A ->B", '\0', 'A', '\0', 0, 0, 0, false},       // a blank is a symbol character
      {"<B->C", '\0', 'B', '\0', 0, 0, 0, false},       // '<' in column 0 marks nothing
      {":(x>1)A->B", '\0', 'A', '\0', 0, 0, 0, false},  // ':' in column 0 marks nothing
      {"A->B->C", '\0', 'A', '\0', 0, 0, 0, false},     // the first "->" is the arrow
      {"A-B->C", '\0', 'A', '\0', 0, 0, 0, false},
      // Symbols that the marks call for but the left part lacks are NUL.
      {"->F", '\0', '\0', '\0', 0, 0, 0, false},
      {"A<->F", 'A', '\0', '\0', 1, 0, 0, true},
      {"A>->F", '\0', 'A', '\0', 0, 1, 0, true},
      {"A<B>->F", 'A', 'B', '\0', 1, 3, 0, true},
      {"(x)->F", '\0', '\0', '\0', 0, 0, 0, false},
      {"A", '\0', 'A', '\0', 0, 0, 0, false},  // no arrow: the left part is the whole text
      {"", '\0', '\0', '\0', 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.text);
    EXPECT_EQ(rule->leftContext, c.left) << c.text;
    EXPECT_EQ(rule->predecessor, c.predecessor) << c.text;
    EXPECT_EQ(rule->rightContext, c.right) << c.text;
    EXPECT_EQ(rule->leftContextPos, c.leftPos) << c.text;
    EXPECT_EQ(rule->rightContextPos, c.rightPos) << c.text;
    EXPECT_EQ(rule->conditionPos, c.conditionPos) << c.text;
    EXPECT_EQ(rule->contextSensitive, c.contextSensitive) << c.text;
  }
}

TEST(RuleParse, ParameterNamesAndConditions) {
  struct Case {
    const char* text;
    const char* names;
    std::vector<std::string> conditions;
  };
  const Case cases[] = {
      {"A(x)<B(y)>E(z)->D", "x,y,z", {}},
      {"A(x)<B>E(z)->D", "x,z", {}},
      {"A(x)<B->D", "x", {}},
      {"B>E(z)->D", "z", {}},
      {"A<B(y)->D", "y", {}},
      {"B(x,y)->F", "x,y", {}},
      {"B->F", "", {}},
      {"B>E(z):(z<2)->F", "z", {"z<2"}},
      {"B(x):(x>1,x<5)->F(x*2)", "x", {"x>1", "x<5"}},
      // Conditions are split at every ',', whatever the parentheses around it.
      {"B(x,y):(min(x,y)>1)->F", "x,y", {"min(x", "y)>1"}},
      {"B(x):(x>1,)->F", "x", {"x>1", ""}},
      {"B(x):()->F", "x", {""}},
      // A blank before the arrow is cut off instead of the closing parenthesis.
      {"B(x):(x>1) ->F", "x", {"x>1)"}},
      {":(x>1)A->B", "", {}},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.text);
    EXPECT_EQ(rule->parameterNames, c.names) << c.text;
    EXPECT_EQ(rule->conditions, c.conditions) << c.text;
  }
}

TEST(RuleParse, Successor) {
  struct Case {
    const char* text;
    const char* expressionForm;
  };
  const Case cases[] = {
      {"F->F+F", "F+F"},
      {"A->F(max(x,y),2)", "F({max(x,y)},{2})"},  // commas inside inner parentheses stay
      {"A->F(x*(y+1))G", "F({x*(y+1)})G"},
      {"A->F F", "F F"},  // a blank is a module
      {"A->F,G", "F,G"},  // so is a ',' outside parentheses
      {"A->F(1)(2)", "F({1},{2})"},
      {"A->F()", "F({})"},
      {"A->B)E", "B"},     // nothing is added while the depth is below 0
      {"A->B)(C", "B(C"},  // a '(' back to depth 0 is a module, and reading goes on
      {"A->B))(C", "B"},   // back to -1 only: still nothing
      {"A->B(x", "B"},     // an unclosed list adds no expression
      {"A->", ""},         // an erasing rule
      {"A->(x)F", "F"},    // a list with no symbol before it is dropped
      {"A->[+F(x-1)]", "[+F({x-1})]"},
      {"F(x)->F(x>1)", "F({x>1})"},
      {"A->B->C", "B->C"},
      {"A", ""},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.text);
    EXPECT_EQ(rule->successor.expressionForm(), c.expressionForm) << c.text;
  }
  auto blanks = Parsed("A-> F ");
  const TemplateModule* module = blanks->successor.first();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->symbol, ' ');
  ASSERT_NE(module->next, nullptr);
  EXPECT_EQ(module->next->symbol, 'F');
  ASSERT_NE(module->next->next, nullptr);
  EXPECT_EQ(module->next->next->symbol, ' ');
  EXPECT_EQ(module->next->next->next, nullptr);
}

TEST(RuleReport, ExactBytes) {
  struct Case {
    const char* text;
    std::string report;
  };
  const Case cases[] = {
      {"F->F+F", " Regel: F->F+F\n"},
      {"A<B>E->D", " Regel: A<B>E->D\n[kontextsensitiv]\n"},
      {"A(x)<B->D", " Regel: A<B->D\n[kontextsensitiv]\nParameter: x\n"},
      {"B>E(z)->D", " Regel: B>E->D\n[kontextsensitiv]\nParameter: z\n"},
      {"B(x):(x>1,x<5)->F(x*2)",
       " Regel: B->F({x*2})\n[parameterbedingungen]\nParameter: x\n"
       "Parameterbedingungen: (x>1)&&(x<5)\n"},
      {"B(x,y):(min(x,y)>1)->F",
       " Regel: B->F\n[parameterbedingungen]\nParameter: x,y\n"
       "Parameterbedingungen: (min(x)&&(y)>1)\n"},
      {"B(x):(x>1) ->F",
       " Regel: B->F\n[parameterbedingungen]\nParameter: x\nParameterbedingungen: (x>1))\n"},
      {"B:(1)->F", " Regel: B->F\n[parameterbedingungen]\nParameterbedingungen: (1)\n"},
      {"B(x)->F(x+1)", " Regel: B->F({x+1})\nParameter: x\n"},
      {"A->", " Regel: A->\n"},
      {"A->F F", " Regel: A->F F\n"},
      {"A->B)E", " Regel: A->B\n"},
      {"<B->C", " Regel: B->C\n"},
      // A missing symbol is printed as the NUL byte it is.
      {"->F", std::string(" Regel: \0->F\n", 13)},
      {"A<->F", std::string(" Regel: A<\0->F\n[kontextsensitiv]\n", 33)},
      {"A>->F", std::string(" Regel: A>\0->F\n[kontextsensitiv]\n", 33)},
  };
  for (const Case& c : cases) {
    auto rule = Parsed(c.text);
    EXPECT_EQ(ReportOf(*rule), c.report) << c.text;
  }
}

TEST(RuleReport, ConditionLineAlone) {
  auto two = Parsed("B(x):(x>1,x<5)->F");
  EXPECT_EQ(CaptureOutput([&] { two->reportConditions(StandardOutput()); }),
            "Parameterbedingungen: (x>1)&&(x<5)\n");
  auto three = Parsed("B(x):(x>1,,x<5)->F");
  EXPECT_EQ(CaptureOutput([&] { three->reportConditions(StandardOutput()); }),
            "Parameterbedingungen: (x>1)&&()&&(x<5)\n");
}

}  // namespace
}  // namespace lsys
