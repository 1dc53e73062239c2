#include "derivation/derive.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "description/rule.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeModules;

std::unique_ptr<LSystem> MakeSystem(const std::string& axiom, const std::vector<std::string>& rules,
                                    int steps) {
  auto lsystem = testing_support::MakeSystem(axiom, rules);
  lsystem->steps = steps;
  return lsystem;
}

std::string DeriveOutput(LSystem& lsystem) {
  return CaptureOutput([&] { Derive(lsystem); });
}

TEST(Derive, PrintsEveryGeneration) {
  struct Case {
    const char* axiom;
    std::vector<std::string> rules;
    int steps;
    const char* output;
  };
  const Case cases[] = {
      {"F", {"F->F[+F]F"}, 1, "Parsing:\nstep 1 >>F[+F]F\n"},
      // Every module is rewritten from the source generation: the B made from A is not
      // rewritten again in the same pass.
      {"AB", {"A->B", "B->AB"}, 1, "Parsing:\nstep 1 >>BAB\n"},
      {"AB", {"A->B", "B->AB"}, 3, "Parsing:\nstep 1 >>BAB\nstep 2 >>ABBAB\nstep 3 >>BABABBAB\n"},
      // Contexts are looked up in the source generation too.
      {"BAAA", {"B<A->B"}, 2, "Parsing:\nstep 1 >>BBAA\nstep 2 >>BBBA\n"},
      {"", {"F->FF"}, 2, "Parsing:\nstep 1 >>\nstep 2 >>\n"},
      {"F(1)+F", {}, 2, "Parsing:\nstep 1 >>F(1.000000)+F\nstep 2 >>F(1.000000)+F\n"},
      {"F", {"F->FF"}, 0, "Parsing:\n"},
      {"F", {"F->FF"}, -3, "Parsing:\n"},
      {"A(0)", {"A(x)->A(x+1)B"}, 2, "Parsing:\nstep 1 >>A(1.000000)B\nstep 2 >>A(2.000000)BB\n"},
      {"AF", {"A->"}, 2, "Parsing:\nstep 1 >>F\nstep 2 >>F\n"},
      {"A", {"A->"}, 2, "Parsing:\nstep 1 >>\nstep 2 >>\n"},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeSystem(c.axiom, c.rules, c.steps);
    EXPECT_EQ(DeriveOutput(*lsystem), c.output) << c.axiom << " steps " << c.steps;
  }
}

TEST(Derive, ParseErrorsAppearInsideTheStepLines) {
  auto lsystem = MakeSystem("F(1)", {"F(x)->F(x+)"}, 2);
  EXPECT_EQ(DeriveOutput(*lsystem),
            "Parsing:\n"
            "step 1 >>Syntax error\nF(0.000000)\n"
            "step 2 >>Syntax error\nF(0.000000)\n");
}

TEST(Derive, WithoutStepsTheAxiomStaysCurrent) {
  for (int steps : {0, -1}) {
    auto lsystem = MakeSystem("F(2)G", {"F->X"}, steps);
    const ModuleString* axiom = lsystem->current;
    DeriveOutput(*lsystem);
    EXPECT_EQ(lsystem->current, axiom) << steps;
    EXPECT_EQ(lsystem->activeIndex, 0) << steps;
    EXPECT_EQ(lsystem->current->valueForm(), "F(2.000000)G") << steps;
  }
}

TEST(Derive, GenerationsAlternateBetweenTheTwoSlots) {
  for (int steps = 1; steps <= 4; ++steps) {
    auto lsystem = MakeSystem("A", {"A->AB"}, steps);
    DeriveOutput(*lsystem);
    const int slot = steps % 2;
    EXPECT_EQ(lsystem->activeIndex, slot) << steps;
    ASSERT_NE(lsystem->strings[static_cast<std::size_t>(slot)], nullptr) << steps;
    EXPECT_EQ(lsystem->current, lsystem->strings[static_cast<std::size_t>(slot)].get()) << steps;
    std::string expected = "A";
    expected.append(static_cast<std::size_t>(steps), 'B');
    EXPECT_EQ(lsystem->current->valueForm(), expected) << steps;
    // The source of the last pass has been released.
    const auto& other = lsystem->strings[static_cast<std::size_t>(1 - slot)];
    EXPECT_TRUE(other == nullptr || other->empty()) << steps;
  }
}

TEST(RewritePass, OnePassFlipsTheActiveSlot) {
  auto lsystem = MakeSystem("F", {"F->F+F"}, 5);
  CaptureOutput([&] { rewritePass(*lsystem); });
  EXPECT_EQ(lsystem->activeIndex, 1);
  EXPECT_EQ(lsystem->current, lsystem->strings[1].get());
  EXPECT_EQ(lsystem->current->valueForm(), "F+F");
  CaptureOutput([&] { rewritePass(*lsystem); });
  EXPECT_EQ(lsystem->activeIndex, 0);
  EXPECT_EQ(lsystem->current, lsystem->strings[0].get());
  EXPECT_EQ(lsystem->current->valueForm(), "F+F+F+F");
}

}  // namespace
}  // namespace lsys
