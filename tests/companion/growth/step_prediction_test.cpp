#include "companion/growth/step_prediction.h"

#include <gtest/gtest.h>

#include <string>

#include "app/lsystem.h"
#include "common/output.h"
#include "companion/growth/grow.h"
#include "support/scratch_folder.h"

namespace lsys {
namespace {

using testing_support::ScratchFolder;

// A description, one step grown from its axiom: the bounds predicted for that step and the
// modules it actually made, which the bound must never be below.
struct PredictionCase {
  const char* name;
  const char* text;
  std::size_t modules;
  std::size_t evaluations;
  std::size_t actual;
};

// Checks the prediction against the step that follows it.
class Checker final : public GrowthObserver {
 public:
  bool beforeStep(int, const LSystem& lsystem) override {
    predicted = PredictStep(lsystem);
    return true;
  }
  void afterStep(const StepReport& report) override { actual = report.modules; }
  StepPrediction predicted;
  std::size_t actual = 0;
};

TEST(PredictStep, BoundsTheNextGenerationFromTheSymbolCounts) {
  const PredictionCase kCases[] = {
      // One rule that always applies: exact. F->F+F on "FF+": 3 + 3 + 1.
      {"fixed successor", "axiom=FF+\nF->F+F\nsteps=1\n", 7, 0, 7},
      // Erasing: the modules vanish, and the bound knows.
      {"erasing rule", "axiom=AAF\nA->\nsteps=1\n", 1, 0, 1},
      // A condition that may fail leaves the module to be copied: the longer of the two.
      {"conditional rule", "axiom=A(1)A(5)\nA(x):(x>3)->BBB\nsteps=1\n", 6, 2, 4},
      // A context may not be found: the module may be copied, and the first rule that always
      // applies ends the search, so the third rule is never counted.
      {"context then fallback", "axiom=BAB\nB<A->CCCCC\nA->CC\nA->CCCCCCCCCC\nsteps=1\n", 7, 0, 7},
      // Arguments are evaluations: two per rewrite of A, one condition each.
      {"arguments", "axiom=A(1)A(2)\nA(x):(x>0)->A(x+1)B(x*2)\nsteps=1\n", 4, 6, 4},
      // The lottery draws among all weighted rules: the first one that always applies does
      // not end the search. Here it always draws the second; each weight is an evaluation.
      {"weighted rules", "#lsys dialect=1\naxiom=FF\nsteps=1\nF=>A:0\nF=>BBBB:1\n", 8, 4, 8},
  };
  const ScratchFolder folder;
  for (const PredictionCase& c : kCases) {
    LSystem lsystem;
    Output quiet = Output::Discarding();
    Checker checker;
    ASSERT_EQ(GrowQuietly(lsystem, {folder.write("case.ls", c.text), std::nullopt}, quiet, checker)
                  .growth,
              Growth::kGrown)
        << c.name;
    EXPECT_EQ(checker.predicted.modules, c.modules) << c.name;
    EXPECT_EQ(checker.predicted.evaluations, c.evaluations) << c.name;
    EXPECT_EQ(checker.actual, c.actual) << c.name;
    EXPECT_GE(checker.predicted.modules, checker.actual) << c.name;
  }
}

}  // namespace
}  // namespace lsys
