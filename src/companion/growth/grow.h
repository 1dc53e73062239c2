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

enum class Growth {
  kUnreadable,  // the description could not be read
  kStopped,     // the observer stopped it before a step; no turtle ran
  kGrown,       // every step taken and the turtle run
};

// Loads the description into lsystem with its console set to quiet (which must outlive
// lsystem's use of it), with the grower's dialect of a marked file unless the choice switches
// it off (and the choice's seed, if any), replaces its step count by steps when given, derives it
// on a stack that holds its expressions, and runs the turtle when every step was taken. Throws
// std::bad_alloc when memory runs out.
Growth GrowQuietly(LSystem& lsystem, const std::string& path, std::optional<int> steps,
                   Output& quiet, GrowthObserver& observer, const DialectChoice& dialect = {});

}  // namespace lsys
