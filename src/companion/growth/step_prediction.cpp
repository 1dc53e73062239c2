#include "companion/growth/step_prediction.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/lsystem.h"
#include "description/rule.h"

namespace lsys {
namespace {

// A weighted rule never ends the search: the lottery draws among every applicable weighted rule,
// and faulty weights copy the module.
bool alwaysApplies(const Rule& rule) {
  return rule.leftContextPos == 0 && rule.rightContextPos == 0 && rule.conditions.empty() &&
         !rule.hasProbability();
}

using RulesBySymbol = std::array<std::vector<const Rule*>, 256>;

// The rules the derivation tries for each symbol: its "->" rules, or, in a dialect file, its
// "=>" rules when it has any, since they take the place of the others.
RulesBySymbol rulesTried(const LSystem& lsystem) {
  RulesBySymbol rules;
  for (std::size_t symbol = 0; symbol < rules.size(); ++symbol) {
    rules[symbol] = lsystem.rulesFor(static_cast<char>(symbol));
  }
  if (!lsystem.dialect.enabled) return rules;
  RulesBySymbol dialect;
  for (const DialectRule& read : lsystem.dialect.rules) {
    dialect[static_cast<unsigned char>(read.rule->predecessor)].push_back(read.rule.get());
  }
  for (std::size_t symbol = 0; symbol < rules.size(); ++symbol) {
    if (!dialect[symbol].empty()) rules[symbol] = std::move(dialect[symbol]);
  }
  return rules;
}

// What rewriting one module with the symbol can take at most: the longest successor of the
// rules that may apply, or the module itself when it may be copied (no rule applied).
StepPrediction perModule(const std::vector<const Rule*>& rules, bool& mayBeCopied) {
  StepPrediction most;
  mayBeCopied = true;
  std::size_t arguments = 0;
  for (const Rule* rule : rules) {
    most.modules = std::max(most.modules, rule->successor.symbols().size());
    most.evaluations += rule->conditions.size() + (rule->hasProbability() ? 1 : 0);
    arguments = std::max(arguments, rule->successor.expressionTotal());
    if (alwaysApplies(*rule)) {
      mayBeCopied = false;  // and no rule after it is ever tried
      break;
    }
  }
  if (mayBeCopied) most.modules = std::max<std::size_t>(most.modules, 1);
  most.evaluations += arguments;
  most.values = arguments;  // one value per argument expression
  return most;
}

}  // namespace

StepPrediction PredictStep(const LSystem& lsystem) {
  std::array<std::size_t, 256> counts{};
  for (char symbol : lsystem.current->symbols()) ++counts[static_cast<unsigned char>(symbol)];
  const RulesBySymbol rules = rulesTried(lsystem);
  StepPrediction total;
  bool anyCopied = false;
  for (std::size_t symbol = 0; symbol < counts.size(); ++symbol) {
    if (counts[symbol] == 0) continue;
    bool copied = false;
    const StepPrediction each = perModule(rules[symbol], copied);
    anyCopied = anyCopied || copied;
    total.modules += counts[symbol] * each.modules;
    total.evaluations += counts[symbol] * each.evaluations;
    total.values += counts[symbol] * each.values;
  }
  if (anyCopied) total.values += lsystem.current->values().size();
  return total;
}

}  // namespace lsys
