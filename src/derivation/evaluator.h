// The evaluator of a derivation: conditions and successor arguments of the rules, with the
// formal parameter names bound by position to the gathered values. It belongs to the
// derivation and lives for one run; what it keeps between calls (parsed expressions, within a
// fixed budget) is its own and never changes a value or a message.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "derivation/expression_cache.h"

namespace lsys {

class Output;
class Rule;

class Evaluator {
 public:
  // Parse errors are reported on the console: the library's message and a line feed. The
  // budget bounds the memory of the kept parses.
  explicit Evaluator(Output& console, std::size_t budgetBytes = ExpressionCache::kDefaultBudget,
                     ExpressionFunctions functions = ExpressionFunctions::kLibrary);
  ~Evaluator();
  Evaluator(const Evaluator&) = delete;
  Evaluator& operator=(const Evaluator&) = delete;

  // Whether every condition of the rule evaluates to a non-zero value (true without
  // conditions). Every condition is parsed and evaluated, also after one failed; a condition
  // that fails to parse prints its error and has the value 0.
  bool conditionHolds(const Rule& rule, std::span<const double> values);

  // The values of the rule's successor argument expressions, in the order they stand in the
  // successor, each rounded to float; they replace the contents of out. An argument that fails
  // to parse prints its error and has the value 0.
  //
  // A name list that the library rejects (a repeated name, a name starting with a digit, a
  // space) makes every expression of the rule fail with the library's message, every time.
  void evaluateArguments(const Rule& rule, std::span<const double> values, std::vector<float>& out);

  // The value of the rule's weight expression (the dialect's ":PROB"); a weight that fails to
  // parse prints its error and has the value 0. The rule must have one.
  double weightOf(const Rule& rule, std::span<const double> values);

  // An evaluator on the same console and budget whose expressions may also call the dialect's
  // ran and nran; made on first use and owned by this one.
  Evaluator& withDrawFunctions();

  const ExpressionCache& cache() const { return cache_; }

 private:
  // What a rule's expressions resolve to, found once per rule: the kept parse of each text, or
  // none when the budget had no room for it and the text is parsed on every call.
  struct RuleParses {
    std::size_t nameSlots = 0;
    std::vector<std::string_view> argumentTexts;
    std::vector<ParsedExpression*> conditions;
    std::vector<ParsedExpression*> arguments;
    ParsedExpression* weight = nullptr;
  };

  RuleParses& parsesOf(const Rule& rule);
  // Binds the values to the rule's name slots, 0 for names without a gathered value.
  void bind(const RuleParses& parses, std::span<const double> values);
  // The value of one text with the bound values; a text that fails to parse prints its error
  // and has the value 0. A kept parse is used as it is; otherwise the cache is asked.
  double evaluate(ParsedExpression*& kept, std::string_view text, const std::string& names);
  double evaluateParsed(ParsedExpression& parsed);

  Output& console_;
  ExpressionCache cache_;
  ParsedExpression scratch_;   // a parse the budget has no room for, used for one evaluation
  std::vector<double> bound_;  // the values of the current call, one per name slot
  std::unordered_map<const Rule*, RuleParses> rules_;
  // The last rules looked up, by their address: a plant applies a few rules over and over,
  // and a hash look-up per application is a sizeable share of its cost. Map nodes stay put.
  struct RecentRule {
    const Rule* rule = nullptr;
    RuleParses* parses = nullptr;
  };
  std::array<RecentRule, 16> recent_{};
  RuleParses transient_;  // a rule beyond those remembered, for the current call
  std::size_t budgetBytes_;
  ExpressionFunctions functions_;
  std::unique_ptr<Evaluator> withDraws_;
};

}  // namespace lsys
