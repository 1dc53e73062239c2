#include "description/load_description.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

// Each test loads description files written into a fresh temporary folder.
class LoadDescriptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/load_description_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& contents, const std::string& name = "system.ls") {
    const std::string path = folder_ + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

  // Loads the contents and returns the printed report; the result goes to loaded_.
  std::string Load(const std::string& contents) {
    path_ = Write(contents);
    return CaptureOutput([&] { loaded_ = LoadDescription(lsystem_, path_); });
  }

  std::string Head() const { return "parsing linfile: " + path_ + "\n"; }
  std::string Tail() const { return "\n" + path_ + " loadet\n"; }

  std::string folder_;
  std::string path_;
  LSystem lsystem_;
  bool loaded_ = false;
};

TEST_F(LoadDescriptionTest, ReportsEveryKeyLineInFileOrder) {
  const std::string printed = Load(
      "define b=F+F\n"
      "axiom=F(1,2.5)A\n"
      "gamma=22.5\n"
      "steps=3\n"
      "ab->b\n"
      "A<B(x):(x>1)->C(x+1)\n"
      "ignore=+-\n");
  EXPECT_TRUE(loaded_);
  EXPECT_EQ(printed, Head() +
                         "Axiom: F(1.000000,2.500000)A\n"
                         "gamma: 22.500000\n"
                         "steps: 3\n"
                         "ab->F+F\n"
                         " Regel: a->F+F\n"
                         "A<B(x):(x>1)->C(x+1)\n"
                         " Regel: A<B->C({x+1})\n"
                         "[kontextsensitiv][parameterbedingungen]\n"
                         "Parameter: x\n"
                         "Parameterbedingungen: (x>1)\n"
                         "ignore: + - \n\n" +
                         Tail());
  EXPECT_EQ(lsystem_.current->valueForm(), "F(1.000000,2.500000)A");
  EXPECT_EQ(lsystem_.current, lsystem_.strings[0].get());
  EXPECT_EQ(lsystem_.gamma, 22.5f);
  EXPECT_EQ(lsystem_.steps, 3);
  ASSERT_EQ(lsystem_.rules().size(), 2u);
  EXPECT_EQ(lsystem_.rules()[0]->predecessor, 'a');
  EXPECT_EQ(lsystem_.rules()[1]->predecessor, 'B');
  EXPECT_FALSE(lsystem_.considerMode);
  EXPECT_EQ(lsystem_.contextSymbols(), (std::vector<char>{'+', '-', '\n'}));
}

TEST_F(LoadDescriptionTest, DefinitionsApplyToRuleLinesOnlyAlsoAboveThem) {
  const std::string printed = Load(
      "axiom=a\n"
      "a->b\n"
      "define a=F\n"
      "define b=G\n");
  EXPECT_EQ(printed, Head() + "Axiom: a\n" + "F->G\n Regel: F->G\n" + Tail());
  EXPECT_EQ(lsystem_.current->valueForm(), "a");
}

TEST_F(LoadDescriptionTest, DefinitionsWithoutEqualsOrNameDefineNothing) {
  const std::string printed = Load("define abc\ndefine =X\nA->abc\n");
  EXPECT_EQ(printed, Head() + "A->abc\n Regel: A->abc\n" + Tail());
}

TEST_F(LoadDescriptionTest, KeysLaterInALineReadTheirFixedColumns) {
  std::string printed = Load("x axiom=F\n");
  EXPECT_EQ(printed, Head() + "Axiom: m=F\n" + Tail());
  EXPECT_EQ(lsystem_.current->valueForm(), "m=F");

  printed = Load("xxgamma=5\n");
  EXPECT_EQ(printed, Head() + "parser number not found\ngamma: 0.000000\n" + Tail());
  EXPECT_EQ(lsystem_.gamma, 0.0f);
}

TEST_F(LoadDescriptionTest, OneLineIsHandledForEachKeyItHolds) {
  const std::string printed = Load("steps=2 ignore=x\n");
  EXPECT_EQ(printed, Head() + "steps: 2\n" + "ignore:   i g n o r e = x \n\n" + Tail());
  EXPECT_EQ(lsystem_.steps, 2);
  EXPECT_EQ(lsystem_.contextSymbols().size(), 10u);
}

TEST_F(LoadDescriptionTest, NumberValues) {
  struct Case {
    const char* contents;
    const char* report;
    float gamma;
    int steps;
  };
  const Case cases[] = {
      {"gamma=25\n", "gamma: 25.000000\n", 25.0f, 5},
      {"gamma=.5\n", "gamma: 0.500000\n", 0.5f, 5},
      {"steps=4.9\n", "steps: 4\n", 45.0f, 4},
      {"steps=0\n", "steps: 0\n", 45.0f, 0},
      {"steps= 5\n", "parser number not found\nsteps: 0\n", 45.0f, 0},
      {"steps=-1\n", "parser number not found\nsteps: 0\n", 45.0f, 0},
      {"gamma=\n", "parser number not found\ngamma: 0.000000\n", 0.0f, 5},
      {"steps=7", "steps: 7\n", 45.0f, 7},  // last line without a line feed
      {"steps=2\nsteps=9\n", "steps: 2\nsteps: 9\n", 45.0f, 9},
  };
  for (const Case& c : cases) {
    LSystem fresh;
    path_ = Write(c.contents);
    const std::string printed = CaptureOutput([&] { LoadDescription(fresh, path_); });
    EXPECT_EQ(printed, Head() + c.report + Tail()) << c.contents;
    EXPECT_EQ(fresh.gamma, c.gamma) << c.contents;
    EXPECT_EQ(fresh.steps, c.steps) << c.contents;
  }
}

TEST_F(LoadDescriptionTest, IgnoreAndConsiderLines) {
  struct Case {
    const char* contents;
    const char* report;
    bool considerMode;
    std::vector<char> symbols;
  };
  const Case cases[] = {
      {"ignore=+-\n", "ignore: + - \n\n", false, {'+', '-', '\n'}},
      {"consider=AB\n", "consider: A B \n\n", true, {'A', 'B', '\n'}},
      {"ignore=+\nconsider=AB\n",
       "ignore: + \n\nconsider: A B \n\n",
       true,
       {'+', '\n', 'A', 'B', '\n'}},
      {"consider=A\nignore=+\n", "consider: A \n\nignore: + \n\n", false, {'A', '\n', '+', '\n'}},
      {"ignore=++\n", "ignore: + + \n\n", false, {'+', '+', '\n'}},
      {"ignore=+-", "ignore: + -\n", false, {'+', '-'}},  // no line feed to append
      {"ignore=\n", "ignore: \n\n", false, {'\n'}},
      {"ignore=+\r\n", "ignore: + \n\n", false, {'+', '\n'}},
  };
  for (const Case& c : cases) {
    LSystem fresh;
    path_ = Write(c.contents);
    const std::string printed = CaptureOutput([&] { LoadDescription(fresh, path_); });
    EXPECT_EQ(printed, Head() + c.report + Tail()) << c.contents;
    EXPECT_EQ(fresh.considerMode, c.considerMode) << c.contents;
    EXPECT_EQ(fresh.contextSymbols(), c.symbols) << c.contents;
  }
}

TEST_F(LoadDescriptionTest, TheLastAxiomLineWins) {
  const std::string printed = Load("axiom=F\naxiom=G(2)\n");
  EXPECT_EQ(printed, Head() + "Axiom: F\nAxiom: G(2.000000)\n" + Tail());
  EXPECT_EQ(lsystem_.current->valueForm(), "G(2.000000)");
  EXPECT_EQ(lsystem_.current, lsystem_.strings[0].get());
}

TEST_F(LoadDescriptionTest, CarriageReturnsBeforeLineFeedsAreDropped) {
  const std::string printed = Load("axiom=F\r\ngamma=30\r\nF->FF\r\n");
  EXPECT_EQ(printed, Head() + "Axiom: F\ngamma: 30.000000\nF->FF\n Regel: F->FF\n" + Tail());
  EXPECT_EQ(lsystem_.current->size(), 1u);
  ASSERT_EQ(lsystem_.rules().size(), 1u);
  EXPECT_EQ(lsystem_.rules()[0]->successor.expressionForm(), "FF");
}

TEST_F(LoadDescriptionTest, LongLinesAreKeptWhole) {
  const std::string axiom(600, 'A');
  const std::string name(150, 'n');
  const std::string value(300, 'G');
  const std::string printed = Load("axiom=" + axiom + "B\n" + "define " + name + "=" + value +
                                   "\n" + "F->" + std::string(550, '+') + name + "\n");
  EXPECT_EQ(lsystem_.current->size(), 601u);
  EXPECT_EQ(lsystem_.current->last().symbol, 'B');
  ASSERT_EQ(lsystem_.rules().size(), 1u);
  EXPECT_EQ(lsystem_.rules()[0]->successor.expressionForm(), std::string(550, '+') + value);
  const std::string ruleText = "F->" + std::string(550, '+') + value;
  EXPECT_EQ(printed, Head() + "Axiom: " + axiom + "B\n" + ruleText + "\n Regel: " + ruleText +
                         "\n" + Tail());
}

TEST_F(LoadDescriptionTest, ALineEndsAtItsFirstNulByte) {
  const std::string printed = Load(std::string("A->B\0axiom=F\nC->D\n", 18));
  EXPECT_EQ(printed, Head() + "A->B\n Regel: A->B\n" + "C->D\n Regel: C->D\n" + Tail());
  EXPECT_TRUE(lsystem_.current->empty());
}

TEST_F(LoadDescriptionTest, AFileWithoutKeysLoadsNothing) {
  const std::string quiet = Load("just a comment\n\n");
  EXPECT_EQ(quiet, Head() + Tail());
  const std::string empty = Load("");
  EXPECT_EQ(empty, Head() + Tail());
  EXPECT_TRUE(loaded_);
}

TEST_F(LoadDescriptionTest, AFileThatCannotBeReadLoadsNothing) {
  for (const std::string& path : {folder_ + "/missing.ls", folder_}) {
    LSystem fresh;
    bool loaded = true;
    const std::string printed = CaptureOutput([&] { loaded = LoadDescription(fresh, path); });
    EXPECT_FALSE(loaded) << path;
    EXPECT_EQ(printed, "Can't open LSystemfile: " + path + "\n\n" + path + " loadet\n") << path;
    EXPECT_TRUE(fresh.current->empty()) << path;
    EXPECT_TRUE(fresh.rules().empty()) << path;
    EXPECT_EQ(fresh.steps, 5) << path;
    EXPECT_EQ(fresh.gamma, 45.0f) << path;
  }
}

TEST(SplitLines, KeepsLineFeedsAndDropsTheCarriageReturnBeforeThem) {
  struct Case {
    std::string contents;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a\nb\n", {"a\n", "b\n"}},
      {"a\nb", {"a\n", "b"}},
      {"\n\n", {"\n", "\n"}},
      {"a\r\nb\r\n", {"a\n", "b\n"}},
      {"a\rb\n", {"a\rb\n"}},
      {"a\r", {"a\r"}},
      {std::string("a\0b\nc\n", 6), {"a", "c\n"}},
      {std::string(1000, 'x') + "\n", {std::string(1000, 'x') + "\n"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitLines(c.contents), c.lines) << c.contents;
  }
}

TEST(CollectDefinitions, NameFromColumnSevenUpToTheFirstEquals) {
  const std::vector<std::string> lines = {
      "define b=F+F\n", "axiom=F\n",
      "define b =F \n",  // nothing is trimmed
      "define a=b=c\n",  // the value runs to the line feed
      "define c=",       // empty value, no line feed
      "x define d=e\n",  // a later key still reads from column 7
      "a=define b\n",    // no '=' from column 7 on
      "define =X\n",     // empty name
      "define abc\n",
      "define\tq=1\n",  // "define " must be followed by a blank
  };
  const std::vector<Definition> definitions = CollectDefinitions(lines);
  ASSERT_EQ(definitions.size(), 5u);
  const std::pair<std::string, std::string> expected[] = {
      {"b", "F+F"}, {"b ", "F "}, {"a", "b=c"}, {"c", ""}, {"e d", "e"}};
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    EXPECT_EQ(definitions[i].name, expected[i].first) << i;
    EXPECT_EQ(definitions[i].value, expected[i].second) << i;
  }
}

TEST(SubstituteDefinitions, WholeWordsInTableOrderWithoutRescanning) {
  struct Case {
    std::vector<Definition> definitions;
    std::string line;
    std::string ruleText;
  };
  const Case cases[] = {
      {{{"b", "F+F"}}, "ab->b\n", "ab->F+F"},
      {{{"a", "b"}, {"b", "c"}}, "a->x\n", "b->x"},
      {{{"a", "b"}, {"b", "c"}}, "a->b\n", "b->c"},
      {{{"a", "F"}, {"a", "G"}}, "a->a\n", "F->F"},  // the first of two equal names
      {{{"ab", "X"}}, "abc->ab\n", "abc->X"},        // no match when a word goes on
      {{{"a", "X"}}, "a1->1a\n", "a1->1a"},
      {{{"a", "X"}}, "_a->a_\n", "_X->X_"},  // '_' is no letter
      {{{"a", "X"}},
       "\xE9"
       "a->a\xE9\n",
       "\xE9X->X\xE9"},  // nor is a byte above 127
      {{{"ab", "X"}, {"a", "Y"}}, "a->ab\n", "Y->X"},
      {{{"a", "Y"}, {"ab", "X"}}, "a->ab\n", "Y->X"},  // "a" is followed by a letter there
      {{{"b ", "Q"}}, "b ->b\n", "Q->b"},
      {{{"A", "x"}}, "a->A\n", "a->x"},  // case-sensitive
      {{{"a", ""}}, "F->a F\n", "F-> F"},
      {{{"F", "G"}}, "F->F", "G->G"},  // no line feed at the end
      {{}, "A->B\n", "A->B"},
      {{{"F", "G"}}, "F->F\nF", "G->G"},  // the rule text ends at the line feed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SubstituteDefinitions(c.line, c.definitions), c.ruleText) << c.line;
  }
}

}  // namespace
}  // namespace lsys
