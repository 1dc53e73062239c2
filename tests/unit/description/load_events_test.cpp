// What the loader tells its listeners: the places the checker points at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lsystem.h"
#include "common/output.h"
#include "derivation/module_string.h"
#include "description/load_description.h"
#include "description/parse_modules.h"
#include "description/rule.h"
#include "support/scratch_folder.h"

namespace lsys {
namespace {

using testing_support::ScratchFolder;

struct Recorder : LoadListener {
  void keyFound(std::size_t line, LineKey key, std::size_t column) override {
    keys += std::to_string(line) + ":" + KeyText(key) + "@" + std::to_string(column) + " ";
  }
  void gammaRead(std::size_t line, bool found, float) override {
    numbers += "gamma" + std::to_string(line) + (found ? "+ " : "- ");
  }
  void stepsRead(std::size_t line, bool found, std::int32_t) override {
    numbers += "steps" + std::to_string(line) + (found ? "+ " : "- ");
  }
  void axiomRead(std::size_t, const ModuleString&, const AxiomLayout& layout) override {
    for (std::size_t column : layout.moduleColumns) axiomColumns.push_back(column);
    for (const AxiomValue& value : layout.values) axiomValues.push_back(value.column);
  }
  void ruleRead(std::size_t, const RuleText& text, const Rule& rule) override {
    ruleTexts.push_back(text.text);
    layouts.push_back(rule.layout);
  }
  std::string keys, numbers;
  std::vector<std::size_t> axiomColumns, axiomValues;
  std::vector<std::string> ruleTexts;
  std::vector<RuleLayout> layouts;
};

TEST(LoadEvents, KeysValuesAndRulePartsWithTheirColumns) {
  const ScratchFolder folder;
  const std::string path = folder.write(
      "a.ls",
      "define w=2\naxiom=F(1,2)[A]\ngamma= 3\nsay steps=4\nA(x)<B(y)>C(z):(x>w,y<z)->F(x,w)[-B]\n");
  LSystem lsystem;
  Output quiet = Output::Discarding();
  lsystem.setConsole(quiet);
  Recorder recorder;
  ASSERT_TRUE(LoadDescription(lsystem, path, recorder));
  EXPECT_EQ(recorder.keys, "1:axiom=@0 2:gamma=@0 3:steps=@4 4:->@24 ");
  EXPECT_EQ(recorder.numbers, "gamma2- steps3- ");
  EXPECT_EQ(recorder.axiomColumns, (std::vector<std::size_t>{6, 12, 13, 14}));
  EXPECT_EQ(recorder.axiomValues, (std::vector<std::size_t>{8, 10}));
  ASSERT_EQ(recorder.layouts.size(), 1u);
  EXPECT_EQ(recorder.ruleTexts[0], "A(x)<B(y)>C(z):(x>2,y<z)->F(x,2)[-B]");
  const RuleLayout& layout = recorder.layouts[0];
  EXPECT_EQ(layout.arrow, 24u);
  EXPECT_EQ(layout.symbolColumns, (std::vector<std::size_t>{0, 5, 10}));
  EXPECT_EQ(layout.leftColumn, 0u);
  EXPECT_EQ(layout.predecessorColumn, 5u);
  EXPECT_EQ(layout.rightColumn, 10u);
  ASSERT_EQ(layout.nameGroups.size(), 3u);
  EXPECT_EQ(layout.nameGroups[1].begin, 7u);
  EXPECT_EQ(layout.nameGroups[1].end, 8u);
  ASSERT_EQ(layout.conditions.size(), 2u);
  EXPECT_EQ(layout.conditions[1].begin, 20u);
  EXPECT_EQ(layout.conditions[1].end, 23u);
  EXPECT_EQ(layout.moduleColumns, (std::vector<std::size_t>{26, 32, 33, 34, 35}));
  ASSERT_EQ(layout.arguments.size(), 2u);
  EXPECT_EQ(layout.arguments[1].module, 0u);
  EXPECT_EQ(layout.arguments[1].span.begin, 30u);
}

// A value tells where reading went on, so that a checker can see what follows a number.
TEST(LoadEvents, AxiomValuesTellWhereReadingWentOn) {
  ModuleString modules;
  AxiomLayout layout;
  ParseModules("axiom=A(-2)B(.5)C(2*3)\n", 6, modules, &layout);
  ASSERT_EQ(layout.values.size(), 3u);
  const AxiomValue& sign = layout.values[0];  // no number at the sign: reading stays there
  EXPECT_EQ(sign.column, 8u);
  EXPECT_FALSE(sign.found);
  EXPECT_EQ(sign.end, 8u);
  const AxiomValue& point = layout.values[1];  // read, but not stepped over
  EXPECT_TRUE(point.found);
  EXPECT_EQ(point.value, 0.5f);
  EXPECT_EQ(point.end, 13u);
  const AxiomValue& product = layout.values[2];  // the run ends at the '*'
  EXPECT_EQ(product.value, 2.0f);
  EXPECT_EQ(product.end, 19u);
}

}  // namespace
}  // namespace lsys
