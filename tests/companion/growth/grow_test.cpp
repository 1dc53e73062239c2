#include "companion/growth/grow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/output.h"
#include "support/scratch_folder.h"

namespace lsys {
namespace {

using testing_support::ScratchFolder;

// Records what the loop tells it and stops before the step numbered stopBefore.
class Recorder final : public GrowthObserver {
 public:
  explicit Recorder(int stopBefore) : stopBefore_(stopBefore) {}
  bool beforeStep(int step, const LSystem& lsystem) override {
    before.push_back(std::to_string(step) + ":" + std::to_string(lsystem.current->size()));
    return step != stopBefore_;
  }
  void afterStep(const StepReport& report) override {
    after.push_back(std::to_string(report.step) + ":" + std::to_string(report.modules));
  }
  std::vector<std::string> before, after;

 private:
  int stopBefore_;
};

// "F -> F+F" doubles and adds one each step: 1, 3, 7, 15 modules.
const char kDoubling[] = "axiom=F\nsteps=3\nF->F+F\n";

TEST(GrowQuietly, TellsTheObserverBeforeAndAfterEveryStepThenRunsTheTurtle) {
  ScratchFolder folder;
  LSystem lsystem;
  Output quiet = Output::Discarding();
  Recorder recorder(0);
  EXPECT_EQ(
      GrowQuietly(lsystem, {folder.write("d.ls", kDoubling), std::nullopt}, quiet, recorder).growth,
      Growth::kGrown);
  EXPECT_EQ(recorder.before, (std::vector<std::string>{"1:1", "2:3", "3:7"}));
  EXPECT_EQ(recorder.after, (std::vector<std::string>{"1:3", "2:7", "3:15"}));
  EXPECT_EQ(lsystem.segments.size(), 8u);  // the turtle ran on the last generation
}

TEST(GrowQuietly, StopsBeforeTheStepTheObserverRefusesAndRunsNoTurtle) {
  ScratchFolder folder;
  LSystem lsystem;
  Output quiet = Output::Discarding();
  Recorder recorder(2);
  EXPECT_EQ(GrowQuietly(lsystem, {folder.write("d.ls", kDoubling), 5}, quiet, recorder).growth,
            Growth::kStopped);
  EXPECT_EQ(recorder.after, (std::vector<std::string>{"1:3"}));
  EXPECT_EQ(lsystem.current->size(), 3u);
  EXPECT_TRUE(lsystem.segments.empty());
}

TEST(GrowQuietly, ReplacesTheStepCountAndReportsAnUnreadableFile) {
  ScratchFolder folder;
  LSystem lsystem;
  Output quiet = Output::Discarding();
  Recorder recorder(0);
  EXPECT_EQ(GrowQuietly(lsystem, {folder.write("d.ls", kDoubling), 0}, quiet, recorder).growth,
            Growth::kGrown);
  EXPECT_TRUE(recorder.before.empty());
  EXPECT_EQ(lsystem.segments.size(), 1u);

  LSystem missing;
  EXPECT_EQ(GrowQuietly(missing, {"/nonexistent/d.ls", std::nullopt}, quiet, recorder).growth,
            Growth::kUnreadable);
}

TEST(GrowQuietly, RefusesTheStepThatCouldPassTheModuleBudgetBeforeTakingIt) {
  ScratchFolder folder;
  // Budget, steps: the step refused (0: none) and the modules the last step taken made.
  struct BudgetCase {
    std::size_t budget;
    int refused;
    std::size_t predicted;
    std::size_t last;
  };
  const BudgetCase kCases[] = {
      {15, 0, 0, 15},  // the last step makes exactly the budget
      {14, 3, 15, 7},  // one module more: step 3 is refused, step 2's word stays
      {2, 1, 3, 1},    // not even the first step
  };
  for (const BudgetCase& c : kCases) {
    LSystem lsystem;
    Output quiet = Output::Discarding();
    Recorder recorder(0);
    const GrowthResult result = GrowQuietly(
        lsystem, {folder.write("d.ls", kDoubling), std::nullopt, c.budget}, quiet, recorder);
    EXPECT_EQ(result.growth, c.refused == 0 ? Growth::kGrown : Growth::kOverBudget) << c.budget;
    EXPECT_EQ(result.refusedStep, c.refused) << c.budget;
    EXPECT_EQ(result.predictedModules, c.predicted) << c.budget;
    EXPECT_EQ(lsystem.current->size(), c.last) << c.budget;
    if (c.refused != 0) {
      EXPECT_EQ(OverBudgetMessage(result, c.budget),
                "step " + std::to_string(c.refused) + " could grow the word to " +
                    std::to_string(c.predicted) + " modules, more than the budget of " +
                    std::to_string(c.budget) +
                    " modules: lower --steps, or raise the budget with --max-modules");
    }
  }
}

}  // namespace
}  // namespace lsys
