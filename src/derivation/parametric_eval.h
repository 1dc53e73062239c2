// A rule's production for one application: its successor's modules with the evaluated argument
// values. The derivation appends productions straight into the next generation; a production
// as a string of its own serves single applications (tests, tools).
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "derivation/module_string.h"
#include "derivation/template_string.h"

namespace lsys {

class Evaluator;
class Rule;

// Appends the successor's modules to the target, handing each module its own arguments from
// the evaluated values in successor order (as Evaluator::evaluateArguments gives them).
inline void AppendProduction(const TemplateString& successor, std::span<const float> arguments,
                             ModuleString& target) {
  const std::string_view symbols = successor.symbols();
  std::size_t used = 0;
  for (std::size_t k = 0; k < symbols.size(); ++k) {
    const std::size_t count = std::min(successor.expressionCount(k), arguments.size() - used);
    target.appendModule(symbols[k], arguments.subspan(used, count));
    used += count;
  }
}

// The rule's successor with every argument expression evaluated by the evaluator for the
// gathered values and rounded to float. Parse errors print on the evaluator's console; a
// faulty argument has the value 0.
ModuleString produceSuccessor(Evaluator& evaluator, const Rule& rule,
                              std::span<const double> values);

}  // namespace lsys
