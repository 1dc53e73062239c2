#include "derivation/parametric_eval.h"

#include <algorithm>
#include <memory>
#include <span>
#include <string_view>

#include "common/output.h"
#include "derivation/evaluator.h"
#include "description/rule.h"

namespace lsys {

Evaluator& SharedEvaluator() {
  static Evaluator evaluator(StandardOutput());
  return evaluator;
}

bool conditionHolds(const Rule& rule, const std::vector<double>& values) {
  return SharedEvaluator().conditionHolds(rule, values);
}

void AppendProduction(const Rule& rule, const std::vector<float>& arguments, ModuleString& target) {
  const std::string_view symbols = rule.successor.symbols();
  const std::span<const float> values = arguments;
  std::size_t used = 0;
  for (std::size_t k = 0; k < symbols.size(); ++k) {
    const std::size_t count = std::min(rule.successor.expressionCount(k), values.size() - used);
    target.appendModule(symbols[k], values.subspan(used, count));
    used += count;
  }
}

void appendSuccessor(const Rule& rule, const std::vector<double>& values, ModuleString& target) {
  std::vector<float> arguments;
  SharedEvaluator().evaluateArguments(rule, values, arguments);
  AppendProduction(rule, arguments, target);
}

const ModuleString& produceSuccessor(Rule& rule, const std::vector<double>& values) {
  rule.produced = std::make_unique<ModuleString>();
  appendSuccessor(rule, values, *rule.produced);
  return *rule.produced;
}

}  // namespace lsys
