#include "derivation/evaluator.h"

#include <algorithm>

#include "common/narrowing.h"
#include "common/output.h"
#include "description/rule.h"

namespace lsys {
namespace {

// The number of variables the expression library can take from the name list: it accepts at
// most one name between two commas.
std::size_t nameSlots(const std::string& names) {
  if (names.empty()) return 0;
  return static_cast<std::size_t>(std::count(names.begin(), names.end(), ',')) + 1;
}

}  // namespace

Evaluator::Evaluator(Output& console, std::size_t budgetBytes)
    : console_(console), cache_(budgetBytes) {}

Evaluator::~Evaluator() = default;

void Evaluator::bind(const std::string& names, std::span<const double> values) {
  bound_.assign(values.begin(), values.end());
  const std::size_t slots = std::max<std::size_t>(nameSlots(names), 1);
  if (bound_.size() < slots) bound_.resize(slots, 0.0);
}

double Evaluator::evaluate(std::string_view text, const std::string& names) {
  // Each text is parsed by a parser of its own, so a rejected name list fails every text: the
  // library checks the names only once per parser and would take them the second time.
  ParsedExpression& parsed = cache_.find(text, names, scratch_);
  switch (parsed.outcome) {
    case ParsedExpression::Outcome::kParsed:
      return parsed.parser.Eval(bound_.data());
    case ParsedExpression::Outcome::kSyntaxError:
      console_.text(parsed.errorMessage);
      console_.text("\n");
      return 0.0;
    case ParsedExpression::Outcome::kNoStack:
      console_.text("Error: expression nested too deeply for this thread's stack\n");
      return 0.0;
  }
  return 0.0;
}

bool Evaluator::conditionHolds(const Rule& rule, std::span<const double> values) {
  if (rule.conditions.empty()) return true;
  bind(rule.parameterNames, values);
  // Every condition is parsed and evaluated, also after one failed.
  bool holds = true;
  for (const std::string& condition : rule.conditions) {
    if (evaluate(condition, rule.parameterNames) == 0.0) holds = false;
  }
  return holds;
}

void Evaluator::evaluateArguments(const Rule& rule, std::span<const double> values,
                                  std::vector<float>& out) {
  out.clear();
  if (!rule.successor.hasExpressions()) return;
  bind(rule.parameterNames, values);
  for (const std::string_view text : rule.successor.expressionTexts()) {
    out.push_back(NarrowToFloat(evaluate(text, rule.parameterNames)));
  }
}

}  // namespace lsys
