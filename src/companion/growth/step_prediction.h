// What the next derivation step will make, known before it is taken: from how often each
// symbol occurs in the current generation and what its rules can rewrite it into. The figures
// are upper bounds, exact when every symbol has one rule that always applies, so a budget
// checked against them is never passed.
#pragma once

#include <cstddef>

namespace lsys {

class LSystem;

struct StepPrediction {
  std::size_t modules = 0;      // the most modules the next generation can hold
  std::size_t values = 0;       // the most parameter values it can hold
  std::size_t evaluations = 0;  // the most expressions (conditions, arguments) the step evaluates
};

// The bounds for rewriting lsystem.current once. A symbol's rules are tried in file order up to
// the first that always applies (no context, no condition, no weight); when none does, the module
// may be copied as it stands, with its values: all copies together hold at most the word's values.
StepPrediction PredictStep(const LSystem& lsystem);

}  // namespace lsys
