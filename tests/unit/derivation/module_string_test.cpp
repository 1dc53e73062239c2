#include "derivation/module_string.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "derivation/template_string.h"
#include "description/parse_modules.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeModules;

struct Expected {
  char symbol;
  std::vector<float> parameters;
};

// Checks the modules by position and by a sequential walk, which must agree.
void ExpectModules(const ModuleString& modules, const std::vector<Expected>& expected,
                   const std::string& input) {
  ASSERT_EQ(modules.size(), expected.size()) << input;
  std::size_t valueCount = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(modules.symbolAt(i), expected[i].symbol) << input << " module " << i;
    EXPECT_EQ(testing_support::ParametersAt(modules, i), expected[i].parameters)
        << input << " module " << i;
    EXPECT_EQ(modules.parameterCount(i), expected[i].parameters.size()) << input << " " << i;
    valueCount += expected[i].parameters.size();
  }
  std::size_t walked = 0;
  for (const Module module : modules) {
    ASSERT_LT(walked, expected.size()) << input;
    EXPECT_EQ(module.symbol, expected[walked].symbol) << input << " walk " << walked;
    EXPECT_EQ(std::vector<float>(module.parameters.begin(), module.parameters.end()),
              expected[walked].parameters)
        << input << " walk " << walked;
    ++walked;
  }
  EXPECT_EQ(walked, expected.size()) << input;
  EXPECT_EQ(modules.values().size(), valueCount) << input;
  EXPECT_EQ(modules.empty(), expected.empty()) << input;
}

TEST(ParseModules, AxiomLines) {
  struct Case {
    const char* axiom;  // the text after "axiom="
    std::vector<Expected> modules;
    const char* printed;
  };
  const Case cases[] = {
      {"", {}, ""},
      {"F", {{'F', {}}}, ""},
      {"F(1,2)A", {{'F', {1.0f, 2.0f}}, {'A', {}}}, ""},
      {"F(1.5)+[F]", {{'F', {1.5f}}, {'+', {}}, {'[', {}}, {'F', {}}, {']', {}}}, ""},
      // SkipNumber does not step over a number that begins with a point.
      {"F(.5)", {{'F', {0.5f}}, {'.', {}}, {'5', {}}}, ""},
      {"F(1,,2)", {{'F', {1.0f, 0.0f, 2.0f}}}, "parser number not found\n"},
      {"F(1)(2)", {{'F', {1.0f, 2.0f}}}, ""},
      {"F,3", {{'F', {3.0f}}}, ""},
      {"F F", {{'F', {}}, {' ', {}}, {'F', {}}}, ""},
      {"F(3", {{'F', {3.0f}}}, ""},
      {"F(", {{'F', {0.0f}}}, "parser number not found\n"},
      {"F(-1)", {{'F', {0.0f}}, {'-', {}}, {'1', {}}}, "parser number not found\n"},
      {"F()", {{'F', {0.0f}}}, "parser number not found\n"},
      {"F)G", {{'F', {}}, {'G', {}}}, ""},
      {"F1", {{'F', {}}, {'1', {}}}, ""},
      {"F(12.25,0.1)", {{'F', {12.25f, 0.1f}}}, ""},
      // Values before the first module have no module to go to.
      {"(1)F", {{'F', {}}}, ""},
      {",1F(2)", {{'F', {2.0f}}}, ""},
      {"(x)F", {{'x', {}}, {'F', {}}}, "parser number not found\n"},
  };
  for (const Case& c : cases) {
    ModuleString modules;
    AxiomLayout layout;
    ParseModules(std::string("axiom=") + c.axiom + "\n", 6, modules, &layout);
    // The load report prints the scanner's message for each value that is no number.
    std::string printed;
    for (const AxiomValue& value : layout.values) {
      if (!value.found) printed += "parser number not found\n";
    }
    ExpectModules(modules, c.modules, c.axiom);
    EXPECT_EQ(printed, c.printed) << c.axiom;
  }
}

TEST(ParseModules, ReadsFromIndexSixToTheLineEndAndAppends) {
  ModuleString modules;
  ParseModules("xxxxxxAB\nCD", 6, modules);
  ParseModules("axiom=F(2", 6, modules);  // no line end: the text ends the parse
  ExpectModules(modules, {{'A', {}}, {'B', {}}, {'F', {2.0f}}}, "two lines");
}

TEST(ModuleString, ValueFormAndPrint) {
  ModuleString modules;
  EXPECT_EQ(modules.valueForm(), "");
  EXPECT_EQ(CaptureOutput([&] { modules.print(); }), "\n");

  modules.appendModule('F');
  modules.appendParameter(1.0f);
  modules.appendParameter(2.5f);
  modules.appendModule('+');
  modules.appendModule('[');
  modules.appendModule('F');
  modules.appendParameter(0.5f);
  modules.appendModule(']');
  EXPECT_EQ(modules.valueForm(), "F(1.000000,2.500000)+[F(0.500000)]");
  EXPECT_EQ(CaptureOutput([&] { modules.print(); }), "F(1.000000,2.500000)+[F(0.500000)]\n");

  ModuleString values;
  values.appendModule('A');
  values.appendParameter(-1.5f);
  values.appendParameter(0.1f);
  values.appendParameter(1e10f);
  values.appendParameter(-0.0f);
  values.appendModule('\0');  // any byte is a symbol, NUL included
  values.appendModule(' ');
  EXPECT_EQ(CaptureOutput([&] { values.print(); }),
            std::string("A(-1.500000,0.100000,10000000000.000000,-0.000000)\0 \n", 53));
}

TEST(ModuleString, ValueFormMatchesPrintfOnLongRunsManyValuesAndNonFiniteValues) {
  // Random words: runs of up to 300 modules without values, modules with up to 600 values
  // (appended whole or one by one), and values of every kind, against "%f" of each value.
  std::mt19937 random(11);
  const std::size_t counts[] = {0, 0, 0, 1, 2, 3, 63, 64, 65, 130, 255, 256, 600};
  const float specials[] = {std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(),
                            -std::numeric_limits<float>::quiet_NaN(),
                            -0.0f,
                            1e30f,
                            -3.4e38f,
                            0.1f};
  for (int word = 0; word < 20; ++word) {
    ModuleString modules;
    std::string expected;
    for (int module = 0; module < 200; ++module) {
      const char symbol = static_cast<char>('A' + random() % 26);
      const std::size_t run = random() % 8 == 0 ? random() % 300 : 0;
      for (std::size_t i = 0; i < run; ++i) modules.appendModule(symbol);
      expected.append(run, symbol);
      const std::size_t count = counts[random() % std::size(counts)];
      std::vector<float> values;
      for (std::size_t k = 0; k < count; ++k) {
        values.push_back(random() % 4 == 0 ? specials[random() % std::size(specials)]
                                           : static_cast<float>(random() % 2000000) / 64.0f);
      }
      if (module % 2 == 0) {
        modules.appendModule(symbol, values);
      } else {
        modules.appendModule(symbol);
        for (const float value : values) modules.appendParameter(value);
      }
      expected += symbol;
      for (std::size_t k = 0; k < count; ++k) {
        char text[64];
        std::snprintf(text, sizeof text, "%f", static_cast<double>(values[k]));
        expected += k == 0 ? "(" : ",";
        expected += text;
      }
      if (count > 0) expected += ")";
    }
    ASSERT_EQ(modules.valueForm(), expected) << "word " << word;
  }
}

TEST(ModuleString, AppendedModulesAreIndependentCopies) {
  auto target = MakeModules("X");
  {
    auto source = MakeModules("F(1,2)A[B(3)]");
    for (const Module module : *source) target->appendModule(module.symbol, module.parameters);
    target->appendModule('E', {});
    source->clear();
    EXPECT_TRUE(source->empty());
  }  // the source is destroyed here
  ExpectModules(
      *target,
      {{'X', {}}, {'F', {1.0f, 2.0f}}, {'A', {}}, {'[', {}}, {'B', {3.0f}}, {']', {}}, {'E', {}}},
      "after the source is gone");
  target->appendModule('Z');
  target->appendParameter(4.0f);
  EXPECT_EQ(target->valueForm(), "XF(1.000000,2.000000)A[B(3.000000)]EZ(4.000000)");
  target->appendModules("+-");
  EXPECT_EQ(target->valueForm(), "XF(1.000000,2.000000)A[B(3.000000)]EZ(4.000000)+-");
}

TEST(ModuleString, ValuesAreFoundAcrossManyModules) {
  // Offsets are kept per block of modules: a value must be found from any position, with
  // parameters that first appear late, and with counts too large for one byte.
  ModuleString modules;
  std::vector<Expected> expected;
  for (std::size_t i = 0; i < 300; ++i) {
    const char symbol = static_cast<char>('A' + i % 26);
    modules.appendModule(symbol);
    expected.push_back({symbol, {}});
    const std::size_t count = i < 150 ? 0 : (i == 200 ? 600 : i % 4);
    for (std::size_t k = 0; k < count; ++k) {
      const float value = static_cast<float>(i * 1000 + k);
      modules.appendParameter(value);
      expected.back().parameters.push_back(value);
    }
  }
  modules.appendModule('Q', std::vector<float>(256, 2.5f));
  expected.push_back({'Q', std::vector<float>(256, 2.5f)});
  modules.appendModule('R');
  modules.appendParameter(7.0f);
  expected.push_back({'R', {7.0f}});
  ExpectModules(modules, expected, "300 modules");
  EXPECT_EQ(modules.parameterCount(200), 600u);
  EXPECT_EQ(modules.at(200).parameters[599], 200599.0f);
}

TEST(ModuleString, ParametersBeforeTheFirstModuleAreDropped) {
  ModuleString modules;
  modules.appendParameter(1.0f);
  EXPECT_TRUE(modules.empty());
  EXPECT_FALSE(modules.hasParameters());
  modules.appendModule('F');
  ExpectModules(modules, {{'F', {}}}, "dropped value");
}

TEST(ModuleString, ClearEmptiesAndAllowsReuse) {
  auto modules = MakeModules("F(1)G");
  modules->clear();
  ExpectModules(*modules, {}, "cleared");
  modules->appendModule('H');
  modules->appendParameter(2.0f);
  ExpectModules(*modules, {{'H', {2.0f}}}, "reused");
}

TEST(TemplateString, KeepsModulesAndExpressionsInOrder) {
  TemplateString successor;
  successor.appendModule('F');
  successor.appendExpression("x*2");
  successor.appendExpression("y");
  successor.appendModule('A');
  successor.appendModule('B');
  successor.appendExpression("");
  EXPECT_EQ(successor.expressionForm(), "F({x*2},{y})AB({})");
  EXPECT_EQ(CaptureOutput([&] { successor.print(); }), "F({x*2},{y})AB({})");
  // The compiled form that a rewrite pass appends from.
  EXPECT_EQ(successor.symbols(), "FAB");
  EXPECT_EQ(successor.expressionCount(0), 2u);
  EXPECT_EQ(successor.expressionCount(1), 0u);
  EXPECT_EQ(successor.expressionCount(2), 1u);
  EXPECT_EQ(successor.expressionTotal(), 3u);

  EXPECT_EQ(successor.expressionTexts(), (std::vector<std::string_view>{"x*2", "y", ""}));
}

TEST(TemplateString, AnExpressionWithoutAModuleIsDropped) {
  TemplateString successor;
  successor.appendExpression("x");  // no module to take it
  EXPECT_TRUE(successor.empty());
  EXPECT_EQ(successor.expressionForm(), "");
  EXPECT_EQ(CaptureOutput([&] { successor.print(); }), "");
  EXPECT_EQ(successor.symbols(), "");
  EXPECT_TRUE(successor.expressionTexts().empty());
}

TEST(TemplateString, LongExpressionsAreKeptWhole) {
  const std::string text = "1" + std::string(299, '0');
  const std::string longer(1000, 'x');
  TemplateString successor;
  successor.appendModule('F');
  successor.appendExpression(text);
  successor.appendExpression(longer);
  EXPECT_EQ(successor.expressionForm(), "F({" + text + "},{" + longer + "})");
  EXPECT_EQ(successor.expressionTexts(), (std::vector<std::string_view>{text, longer}));
}

}  // namespace
}  // namespace lsys
