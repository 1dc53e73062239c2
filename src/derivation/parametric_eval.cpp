#include "derivation/parametric_eval.h"

#include <vector>

#include "derivation/evaluator.h"
#include "description/rule.h"

namespace lsys {

ModuleString produceSuccessor(Evaluator& evaluator, const Rule& rule,
                              std::span<const double> values) {
  std::vector<float> arguments;
  evaluator.evaluateArguments(rule, values, arguments);
  ModuleString production;
  AppendProduction(rule.successor, arguments, production);
  return production;
}

}  // namespace lsys
