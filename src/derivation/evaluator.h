// The evaluator of a derivation: conditions and successor arguments of the rules, with the
// formal parameter names bound by position to the gathered values. It belongs to the
// derivation and lives for one run; what it keeps between calls (parsed expressions) is its
// own and never changes a value or a message.
#pragma once

#include <span>
#include <vector>

namespace lsys {

class Output;
class Rule;

class Evaluator {
 public:
  // Parse errors are reported on the console: the library's message and a line feed.
  explicit Evaluator(Output& console);
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
  void evaluateArguments(const Rule& rule, std::span<const double> values, std::vector<float>& out);

 private:
  Output& console_;
};

}  // namespace lsys
