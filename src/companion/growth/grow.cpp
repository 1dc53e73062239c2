#include "companion/growth/grow.h"

#include <new>

#include "companion/growth/step_prediction.h"
#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "derivation/expression_stack.h"
#include "description/load_dialect.h"
#include "turtle/make_poly_liste.h"

namespace lsys {

bool GrowthObserver::beforeStep(int, const LSystem&) { return true; }

void GrowthObserver::afterStep(const StepReport&) {}

bool DeriveObserved(LSystem& lsystem, GrowthObserver& observer) {
  Evaluator evaluator(lsystem.console());
  for (int step = 1; step <= lsystem.steps; ++step) {
    if (!observer.beforeStep(step, lsystem)) return false;
    const auto started = std::chrono::steady_clock::now();
    rewritePass(lsystem, evaluator);
    observer.afterStep({step, lsystem.current->size(), std::chrono::steady_clock::now() - started});
    if (step == lsystem.steps) break;  // a step count of INT32_MAX must not overflow
  }
  return true;
}

namespace {

// Refuses a step whose generation could pass the budget, and otherwise asks the caller's
// observer.
class Budget final : public GrowthObserver {
 public:
  Budget(std::size_t maxModules, GrowthObserver& inner) : maxModules_(maxModules), inner_(inner) {}
  bool beforeStep(int step, const LSystem& lsystem) override {
    const StepPrediction next = PredictStep(lsystem);
    if (next.modules > maxModules_ || next.values > maxModules_ - next.modules) {
      refusedStep = step;
      predictedModules = next.modules;
      predictedValues = next.values;
      return false;
    }
    return inner_.beforeStep(step, lsystem);
  }
  void afterStep(const StepReport& report) override { inner_.afterStep(report); }

  int refusedStep = 0;
  std::size_t predictedModules = 0;
  std::size_t predictedValues = 0;

 private:
  std::size_t maxModules_;
  GrowthObserver& inner_;
};

}  // namespace

GrowthResult GrowQuietly(LSystem& lsystem, const GrowthRequest& request, Output& quiet,
                         GrowthObserver& observer) {
  GrowthResult result;
  lsystem.setConsole(quiet);
  lsystem.setConsiderMode(false);
  LoadListener listener;  // the load report is not shown
  if (!LoadDescription(lsystem, request.path, listener, request.dialect.mode)) return result;
  if (request.dialect.seed && lsystem.dialect.enabled) lsystem.dialect.seed = *request.dialect.seed;
  if (request.steps) lsystem.steps = *request.steps;
  Budget budget(request.maxModules, observer);
  // An exception must not leave the expression thread: running out of memory there is handed
  // back to this thread.
  bool outOfMemory = false;
  bool complete = false;
  const bool ran = RunWithExpressionStack(lsystem, [&] {
    try {
      complete = DeriveObserved(lsystem, budget);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
  });
  if (outOfMemory || !ran) throw std::bad_alloc();  // !ran: not even the stack for expressions
  if (budget.refusedStep != 0) {
    result.growth = Growth::kOverBudget;
    result.refusedStep = budget.refusedStep;
    result.predictedModules = budget.predictedModules;
    result.predictedValues = budget.predictedValues;
    return result;
  }
  if (!complete) {
    result.growth = Growth::kStopped;
    return result;
  }
  MakePolyListe(lsystem);
  result.growth = Growth::kGrown;
  return result;
}

std::string OverBudgetMessage(const GrowthResult& result, std::size_t maxModules) {
  const std::string values = result.predictedValues == 0
                                 ? ""
                                 : " and " + std::to_string(result.predictedValues) +
                                       " values (a value counts as a module)";
  return "step " + std::to_string(result.refusedStep) + " could grow the word to " +
         std::to_string(result.predictedModules) + " modules" + values +
         ", more than the budget of " + std::to_string(maxModules) +
         " modules: lower --steps, or raise the budget with --max-modules";
}

}  // namespace lsys
