#include "derivation/evaluator.h"

#include "derivation/module_string.h"
#include "derivation/parametric_eval.h"
#include "description/rule.h"

namespace lsys {

Evaluator::Evaluator(Output& console) : console_(console) {}

Evaluator::~Evaluator() = default;

bool Evaluator::conditionHolds(const Rule& rule, std::span<const double> values) {
  return lsys::conditionHolds(rule, std::vector<double>(values.begin(), values.end()));
}

void Evaluator::evaluateArguments(const Rule& rule, std::span<const double> values,
                                  std::vector<float>& out) {
  ModuleString produced;
  appendSuccessor(rule, std::vector<double>(values.begin(), values.end()), produced);
  out.assign(produced.values().begin(), produced.values().end());
}

}  // namespace lsys
