// The dialect's part of rule matching: symbols rewritten by "=>" rules, the lottery among
// weighted rules with the keyed draws, and the cut '%'.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/lsystem.h"
#include "derivation/draw_functions.h"
#include "derivation/evaluator.h"
#include "derivation/keyed_draws.h"
#include "derivation/rule_matching.h"
#include "description/rule.h"

namespace lsys {

struct ModuleRewriter::DialectPass {
  std::array<std::vector<const Rule*>, 256> rulesBySymbol;  // the "=>" rules of each symbol
  std::unordered_map<const Rule*, std::size_t> ruleIndex;   // index in DialectOptions::rules
  std::vector<bool> warned;                                 // per rule, in this run
  std::vector<DialectWarning> warnings;                     // made in this pass
  DrawStream stream;
  // One lottery: the applicable weighted rules, their weights and gathered values.
  std::vector<const Rule*> candidates;
  std::vector<double> weights;
  std::vector<double> candidateValues;
  std::vector<std::size_t> valueStarts;
};

void ModuleRewriter::DialectPassDeleter::operator()(DialectPass* pass) const { delete pass; }

void ModuleRewriter::setUpDialect() {
  const DialectOptions& options = lsystem_.dialect;
  dialect_.reset(new DialectPass());
  DialectPass& pass = *dialect_;
  for (std::size_t k = 0; k < options.rules.size(); ++k) {
    const Rule& rule = *options.rules[k].rule;
    pass.rulesBySymbol[static_cast<unsigned char>(rule.predecessor)].push_back(&rule);
    pass.ruleIndex.emplace(&rule, k);
  }
  // A warning is given once per rule in a run: the ones of earlier passes count.
  pass.warned.assign(options.rules.size(), false);
  for (const DialectWarning& warning : options.warnings) {
    if (warning.rule < pass.warned.size()) pass.warned[warning.rule] = true;
  }
  // When a symbol has "=>" rules, its "->" rules are not used.
  for (std::size_t symbol = 0; symbol < 256; ++symbol) {
    if (pass.rulesBySymbol[symbol].empty()) continue;
    plans_[symbol] = Plan::kDialect;
    rules_[symbol] = &pass.rulesBySymbol[symbol];
  }
  plans_[static_cast<unsigned char>('%')] = Plan::kCut;
  pass.stream =
      DrawStream(DrawKey{options.seed, static_cast<std::uint64_t>(options.passesDone) + 1, 0});
}

std::vector<DialectWarning> ModuleRewriter::takeWarnings() {
  if (!dialect_) return {};
  return std::move(dialect_->warnings);
}

std::size_t ModuleRewriter::cutEnd(std::size_t position) const {
  const std::string_view symbols = source_.symbols();
  std::size_t depth = 0;
  for (std::size_t k = position + 1; k < symbols.size(); ++k) {
    if (symbols[k] == '[') ++depth;
    if (symbols[k] != ']') continue;
    if (depth == 0) return k;
    --depth;
  }
  return symbols.size();
}

void ModuleRewriter::rewriteAllWithDialect(ModuleString& target) {
  const std::string_view symbols = source_.symbols();
  std::size_t offset = 0;
  for (std::size_t position = 0; position < symbols.size(); ++position) {
    if (plans_[static_cast<unsigned char>(symbols[position])] == Plan::kCut) {
      // The cut modules append nothing; the loop goes on at the ']' that ends the branch.
      const std::size_t end = cutEnd(position);
      for (; position < end; ++position) offset += source_.parameterCount(position);
      if (position == symbols.size()) break;
    }
    rewriteModule(position, offset, target);
    offset += source_.parameterCount(position);
  }
}

namespace {

std::string weightText(double weight) {
  if (std::isnan(weight)) return "not a number";
  if (std::isinf(weight)) return weight > 0 ? "infinite" : "-infinite";
  char text[32];
  std::snprintf(text, sizeof text, "%g", weight);
  return text;
}

}  // namespace

void ModuleRewriter::rewriteByDialect(std::size_t position, std::size_t offset,
                                      ModuleString& target) {
  DialectPass& pass = *dialect_;
  // Draw 0 of a module is its lottery's; ran and nran take the draws from 1 on.
  pass.stream.startModule(position);
  pass.stream.skipTo(1);
  const ScopedDrawStream drawing(pass.stream);
  Evaluator& evaluator = evaluator_.withDrawFunctions();
  auto warn = [&](const Rule& rule, std::string message) {
    const std::size_t index = pass.ruleIndex.at(&rule);
    if (pass.warned[index]) return;
    pass.warned[index] = true;
    pass.warnings.push_back({index, std::move(message)});
  };

  const std::vector<const Rule*>& rules =
      *rules_[static_cast<unsigned char>(source_.symbolAt(position))];
  std::size_t first = 0;
  while (first < rules.size() && !applies(*rules[first], position, offset, evaluator)) ++first;
  if (first == rules.size()) return copyModule(position, offset, target);
  if (!rules[first]->hasProbability()) return appendSuccessor(*rules[first], target, evaluator);

  // The lottery: every applicable weighted rule from the first applicable one on, each weight
  // evaluated right after its rule was found to apply.
  pass.candidates.clear();
  pass.weights.clear();
  pass.candidateValues.clear();
  pass.valueStarts.clear();
  for (std::size_t k = first; k < rules.size(); ++k) {
    const Rule& rule = *rules[k];
    if (!rule.hasProbability()) continue;
    if (k != first && !applies(rule, position, offset, evaluator)) continue;
    pass.candidates.push_back(&rule);
    pass.valueStarts.push_back(pass.candidateValues.size());
    pass.candidateValues.insert(pass.candidateValues.end(), values_.begin(), values_.end());
    pass.weights.push_back(evaluator.weightOf(rule, values_));
  }
  pass.valueStarts.push_back(pass.candidateValues.size());

  bool faulty = false;
  double sum = 0.0;
  for (std::size_t k = 0; k < pass.candidates.size(); ++k) {
    const double weight = pass.weights[k];
    if (std::isfinite(weight) && weight >= 0.0) {
      sum += weight;
      continue;
    }
    faulty = true;
    warn(*pass.candidates[k], "weight " + weightText(weight) +
                                  " is not a finite number of 0 or more: the module is copied");
  }
  if (!faulty && !(sum > 0.0 && std::isfinite(sum))) {
    faulty = true;
    for (const Rule* rule : pass.candidates) {
      warn(*rule, "the weights of the rules that apply sum to " + weightText(sum) +
                      ": the module is copied");
    }
  }
  if (faulty) return copyModule(position, offset, target);

  // Rule k wins when u * sum falls below the sum of the weights up to and including its own;
  // when rounding leaves u * sum at the total, the last rule of positive weight wins.
  const double aim = pass.stream.uniformAt(0) * sum;
  std::size_t chosen = pass.candidates.size();
  double reached = 0.0;
  for (std::size_t k = 0; k < pass.candidates.size(); ++k) {
    if (pass.weights[k] > 0.0) chosen = k;
    reached += pass.weights[k];
    if (aim < reached) break;
  }
  values_.assign(
      pass.candidateValues.begin() + static_cast<std::ptrdiff_t>(pass.valueStarts[chosen]),
      pass.candidateValues.begin() + static_cast<std::ptrdiff_t>(pass.valueStarts[chosen + 1]));
  appendSuccessor(*pass.candidates[chosen], target, evaluator);
}

}  // namespace lsys
