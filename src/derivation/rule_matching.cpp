#include "derivation/rule_matching.h"

#include <algorithm>

#include "app/lsystem.h"
#include "derivation/evaluator.h"
#include "derivation/parametric_eval.h"
#include "description/rule.h"

namespace lsys {
namespace {

bool hasContext(const Rule& rule) { return rule.leftContextPos != 0 || rule.rightContextPos != 0; }

// Whether the rule applies to every module with its predecessor and has nothing to evaluate:
// then its successor is appended as it stands.
bool alwaysApplies(const Rule& rule) {
  return !hasContext(rule) && rule.conditions.empty() && !rule.successor.hasExpressions();
}

}  // namespace

ModuleRewriter::ModuleRewriter(const LSystem& lsystem, const ModuleString& source,
                               Evaluator& evaluator)
    : lsystem_(lsystem), source_(source), evaluator_(evaluator), search_(source, lsystem) {
  for (int symbol = 0; symbol < 256; ++symbol) {
    const std::vector<const Rule*>& rules = lsystem.rulesFor(static_cast<char>(symbol));
    rules_[static_cast<std::size_t>(symbol)] = &rules;
    Plan plan = Plan::kTry;
    if (rules.empty()) {
      plan = Plan::kCopy;
    } else if (alwaysApplies(*rules.front())) {
      plan = Plan::kFixed;
      fixedSuccessors_[static_cast<std::size_t>(symbol)] = rules.front()->successor.symbols();
    }
    plans_[static_cast<std::size_t>(symbol)] = plan;
  }
  if (lsystem.dialect.enabled) setUpDialect();
}

ModuleRewriter::~ModuleRewriter() = default;

void ModuleRewriter::appendValues(std::size_t offset, std::size_t count) {
  const std::span<const float> values = source_.values();
  for (std::size_t k = 0; k < count; ++k) values_.push_back(values[offset + k]);
}

void ModuleRewriter::appendValues(std::size_t position) {
  appendValues(source_.parameterOffset(position), source_.parameterCount(position));
}

bool ModuleRewriter::applies(const Rule& rule, std::size_t position, std::size_t offset,
                             Evaluator& evaluator) {
  std::optional<std::size_t> leftMatch;
  std::optional<std::size_t> rightMatch;
  if (rule.leftContextPos != 0) {
    leftMatch = search_.left(position, rule.leftContext);
    if (!leftMatch) return false;
  }
  if (rule.rightContextPos != 0) {
    rightMatch = search_.right(position, rule.rightContext);
    if (!rightMatch) return false;
  }
  // The values in the order of the rule's names: left context, module, right context.
  values_.clear();
  if (leftMatch) appendValues(*leftMatch);
  appendValues(offset, source_.parameterCount(position));
  if (rightMatch) appendValues(*rightMatch);
  return rule.conditions.empty() || evaluator.conditionHolds(rule, values_);
}

void ModuleRewriter::appendSuccessor(const Rule& rule, ModuleString& target, Evaluator& evaluator) {
  const TemplateString& successor = rule.successor;
  if (!successor.hasExpressions()) {
    target.appendModules(successor.symbols());
    return;
  }
  evaluator.evaluateArguments(rule, values_, arguments_);
  AppendProduction(successor, arguments_, target);
}

void ModuleRewriter::copyModule(std::size_t position, std::size_t offset, ModuleString& target) {
  const std::size_t count = source_.parameterCount(position);
  target.appendModule(source_.symbolAt(position), source_.values().subspan(offset, count));
}

void ModuleRewriter::rewriteModule(std::size_t position, std::size_t offset, ModuleString& target) {
  switch (plans_[static_cast<unsigned char>(source_.symbolAt(position))]) {
    case Plan::kDialect:
      return rewriteByDialect(position, offset, target);
    case Plan::kCut:
      return;
    default:
      return tryRules(position, offset, target);
  }
}

void ModuleRewriter::tryRules(std::size_t position, std::size_t offset, ModuleString& target) {
  const char symbol = source_.symbolAt(position);
  // Only rules with the module's symbol as predecessor can apply; they keep their file order.
  for (const Rule* rule : *rules_[static_cast<unsigned char>(symbol)]) {
    if (tryRule(*rule, position, offset, target)) return;
  }
  copyModule(position, offset, target);
}

void ModuleRewriter::rewriteAll(ModuleString& target) {
  // The dialect's pass is a loop of its own, so that this one stays as lean as it was.
  if (dialect_) {
    rewriteAllWithDialect(target);
    return;
  }
  const std::string_view symbols = source_.symbols();
  const bool parametric = source_.hasParameters();
  const std::span<const float> values = source_.values();
  std::size_t offset = 0;
  for (std::size_t position = 0; position < symbols.size(); ++position) {
    const char symbol = symbols[position];
    switch (plans_[static_cast<unsigned char>(symbol)]) {
      case Plan::kFixed:
        target.appendModules(fixedSuccessors_[static_cast<unsigned char>(symbol)]);
        break;
      case Plan::kCopy:
        if (parametric) {
          target.appendModule(symbol, values.subspan(offset, source_.parameterCount(position)));
        } else {
          target.appendModule(symbol);
        }
        break;
      case Plan::kTry:
        tryRules(position, offset, target);
        break;
      default:
        break;
    }
    if (parametric) offset += source_.parameterCount(position);
  }
}

ModuleRewriter::TargetBound ModuleRewriter::targetBound() const {
  std::array<std::size_t, 256> counts{};
  for (char symbol : source_.symbols()) ++counts[static_cast<unsigned char>(symbol)];
  // A module that no rule rewrites is copied: one module, and at most all the source's values
  // for all copies together.
  TargetBound bound{0, source_.values().size()};
  for (int symbol = 0; symbol < 256; ++symbol) {
    const std::size_t count = counts[static_cast<std::size_t>(symbol)];
    if (count == 0) continue;
    const bool fixed = plans_[static_cast<std::size_t>(symbol)] == Plan::kFixed;
    std::size_t longest = fixed ? 0 : 1;
    std::size_t most = 0;
    for (const Rule* rule : *rules_[static_cast<std::size_t>(symbol)]) {
      longest = std::max(longest, rule->successor.symbols().size());
      most = std::max(most, rule->successor.expressionTotal());
      if (fixed) break;
    }
    bound.modules += count * longest;
    bound.values += count * most;
  }
  return bound;
}

}  // namespace lsys
