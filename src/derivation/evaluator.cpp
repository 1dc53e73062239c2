#include "derivation/evaluator.h"

#include <algorithm>
#include <cstdint>

#include "common/narrowing.h"
#include "common/output.h"
#include "description/rule.h"

namespace lsys {
namespace {

// Rules whose resolved parses the evaluator remembers: far more than a plant has.
constexpr std::size_t kRememberedRules = std::size_t{1} << 16;

// The number of variables the expression library can take from the name list: it accepts at
// most one name between two commas.
std::size_t nameSlots(const std::string& names) {
  if (names.empty()) return 0;
  return static_cast<std::size_t>(std::count(names.begin(), names.end(), ',')) + 1;
}

}  // namespace

Evaluator::Evaluator(Output& console, std::size_t budgetBytes, ExpressionFunctions functions)
    : console_(console),
      cache_(budgetBytes, functions),
      budgetBytes_(budgetBytes),
      functions_(functions) {}

Evaluator::~Evaluator() = default;

Evaluator::RuleParses& Evaluator::parsesOf(const Rule& rule) {
  RecentRule& recent = recent_[(reinterpret_cast<std::uintptr_t>(&rule) >> 4) % recent_.size()];
  if (recent.rule == &rule) return *recent.parses;
  auto found = rules_.find(&rule);
  if (found != rules_.end()) {
    recent = {&rule, &found->second};
    return found->second;
  }
  // Beyond the rules it remembers, a rule is resolved afresh on each call, so that a
  // description with millions of rules does not hold a second copy of them.
  RuleParses& parses = rules_.size() < kRememberedRules ? rules_[&rule] : transient_;
  parses.nameSlots = std::max<std::size_t>(nameSlots(rule.parameterNames), 1);
  parses.argumentTexts = rule.successor.expressionTexts();
  parses.conditions.assign(rule.conditions.size(), nullptr);
  parses.arguments.assign(parses.argumentTexts.size(), nullptr);
  parses.weight = nullptr;
  return parses;
}

void Evaluator::bind(const RuleParses& parses, std::span<const double> values) {
  bound_.assign(values.begin(), values.end());
  if (bound_.size() < parses.nameSlots) bound_.resize(parses.nameSlots, 0.0);
}

double Evaluator::evaluateParsed(ParsedExpression& parsed) {
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

double Evaluator::evaluate(ParsedExpression*& kept, std::string_view text,
                           const std::string& names) {
  if (kept != nullptr) return evaluateParsed(*kept);
  // Each text is parsed by a parser of its own, so a rejected name list fails every text: the
  // library checks the names only once per parser and would take them the second time.
  ParsedExpression& parsed = cache_.find(text, names, scratch_);
  // A kept parse stays where it is until the cache goes; a parse in scratch is only lent.
  if (&parsed != &scratch_) kept = &parsed;
  return evaluateParsed(parsed);
}

bool Evaluator::conditionHolds(const Rule& rule, std::span<const double> values) {
  if (rule.conditions.empty()) return true;
  RuleParses& parses = parsesOf(rule);
  bind(parses, values);
  // Every condition is parsed and evaluated, also after one failed.
  bool holds = true;
  for (std::size_t k = 0; k < rule.conditions.size(); ++k) {
    if (evaluate(parses.conditions[k], rule.conditions[k], rule.parameterNames) == 0.0) {
      holds = false;
    }
  }
  return holds;
}

void Evaluator::evaluateArguments(const Rule& rule, std::span<const double> values,
                                  std::vector<float>& out) {
  out.clear();
  if (!rule.successor.hasExpressions()) return;
  RuleParses& parses = parsesOf(rule);
  bind(parses, values);
  for (std::size_t k = 0; k < parses.argumentTexts.size(); ++k) {
    out.push_back(
        NarrowToFloat(evaluate(parses.arguments[k], parses.argumentTexts[k], rule.parameterNames)));
  }
}

double Evaluator::weightOf(const Rule& rule, std::span<const double> values) {
  RuleParses& parses = parsesOf(rule);
  bind(parses, values);
  return evaluate(parses.weight, rule.probability, rule.parameterNames);
}

Evaluator& Evaluator::withDrawFunctions() {
  if (functions_ == ExpressionFunctions::kWithDraws) return *this;
  if (!withDraws_) {
    withDraws_ =
        std::make_unique<Evaluator>(console_, budgetBytes_, ExpressionFunctions::kWithDraws);
  }
  return *withDraws_;
}

}  // namespace lsys
