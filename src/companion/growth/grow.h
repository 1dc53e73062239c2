// The one growth loop of the companion: every command that derives a description (render,
// export, info and check's dry run) runs its steps here, and learns of them through an
// observer, which may also stop the growth before a step.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "app/lsystem.h"
#include "description/load_dialect.h"

namespace lsys {

struct StepReport {
  int step = 0;
  std::size_t modules = 0;  // length of the generation this step produced
  std::chrono::duration<double> time{};
};

// Told of a growth as it goes. Both calls do nothing unless overridden.
class GrowthObserver {
 public:
  virtual ~GrowthObserver() = default;
  // Called before the step (numbered from 1) rewrites lsystem.current; false stops the growth
  // there, with the step not taken.
  virtual bool beforeStep(int step, const LSystem& lsystem);
  // Called after each step that was taken.
  virtual void afterStep(const StepReport& report);
};

// An observer that hands each finished step to a function.
class OnEachStep final : public GrowthObserver {
 public:
  explicit OnEachStep(std::function<void(const StepReport&)> onStep) : onStep_(std::move(onStep)) {}
  void afterStep(const StepReport& report) override { onStep_(report); }

 private:
  std::function<void(const StepReport&)> onStep_;
};

// Derives lsystem.steps steps of the loaded system, one evaluator reporting on its console for
// all of them, telling the observer of each. True when every step was taken, false when the
// observer stopped the growth. It evaluates expressions on the calling thread, which must have
// the stack for them (RunWithExpressionStack); running out of memory throws std::bad_alloc.
bool DeriveObserved(LSystem& lsystem, GrowthObserver& observer);

// The most modules a generation may hold unless the user says otherwise: two generations of
// this size and the turtle's segments fit a machine of a few gigabytes.
inline constexpr std::size_t kDefaultModuleBudget = 50'000'000;

struct GrowthRequest {
  std::string path;                               // the description file
  std::optional<int> steps;                       // in place of the description's step count
  std::size_t maxModules = kDefaultModuleBudget;  // the module budget of every generation
  DialectChoice dialect = {};                     // whether to read the grower's dialect, and seed
};

enum class Growth {
  kUnreadable,  // the description could not be read
  kOverBudget,  // a step would have passed the module budget; no turtle ran
  kStopped,     // the observer stopped it before a step; no turtle ran
  kGrown,       // every step taken and the turtle run
};

struct GrowthResult {
  Growth growth = Growth::kUnreadable;
  // For kOverBudget: the step refused and the most modules and values it could have made.
  int refusedStep = 0;
  std::size_t predictedModules = 0;
  std::size_t predictedValues = 0;
};

// Loads the description into lsystem with its console set to quiet (which must outlive
// lsystem's use of it), with the grower's dialect of a marked file unless the request switches
// it off (and the request's seed, if any), replaces its step count when asked, derives it on a
// stack that holds its expressions, and runs the turtle when every step was taken. Before each step
// the size of the next generation is predicted (PredictStep), and a step whose modules and
// parameter values together could pass the budget (a value takes about the room of a module) is
// refused before anything is allocated for it. Throws std::bad_alloc when memory runs out.
GrowthResult GrowQuietly(LSystem& lsystem, const GrowthRequest& request, Output& quiet,
                         GrowthObserver& observer);

// "step N could grow the word to M modules, more than the budget of B ...", for kOverBudget.
std::string OverBudgetMessage(const GrowthResult& result, std::size_t maxModules);

}  // namespace lsys
