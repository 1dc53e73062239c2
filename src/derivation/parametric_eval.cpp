#include "derivation/parametric_eval.h"

#include <fparser.hh>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/narrowing.h"
#include "description/rule.h"

namespace lsys {
namespace {

// The number of variables the expression library can take from the name list: it accepts at
// most one name between two commas.
std::size_t nameSlots(const std::string& parameterNames) {
  if (parameterNames.empty()) return 0;
  return static_cast<std::size_t>(std::count(parameterNames.begin(), parameterNames.end(), ',')) +
         1;
}

// The values the evaluator reads: one per name slot, 0 for names without a gathered value.
std::vector<double> boundValues(const Rule& rule, const std::vector<double>& values) {
  std::vector<double> bound = values;
  const std::size_t slots = std::max<std::size_t>(nameSlots(rule.parameterNames), 1);
  if (bound.size() < slots) bound.resize(slots, 0.0);
  return bound;
}

// Parses and evaluates one expression with the call's parser. A text that fails to parse
// prints the library's message and has the value 0.
double evaluate(FunctionParser& parser, const std::string& text, const Rule& rule,
                const std::vector<double>& bound) {
  if (parser.Parse(text, rule.parameterNames) >= 0) {
    std::printf("%s\n", parser.ErrorMsg());
    return 0.0;
  }
  return parser.Eval(bound.data());
}

}  // namespace

bool conditionHolds(const Rule& rule, const std::vector<double>& values) {
  if (rule.conditions.empty()) return true;
  // One parser per call: the library remembers a rejected variable list inside one object, and
  // that memory decides which later parses of the same call fail.
  FunctionParser parser;
  const std::vector<double> bound = boundValues(rule, values);
  bool holds = true;
  for (const std::string& condition : rule.conditions) {
    if (evaluate(parser, condition, rule, bound) == 0.0) holds = false;
  }
  return holds;
}

void appendSuccessor(const Rule& rule, const std::vector<double>& values, ModuleString& target) {
  std::optional<FunctionParser> parser;
  std::vector<double> bound;
  if (rule.successor.hasExpressions()) {
    parser.emplace();
    bound = boundValues(rule, values);
  }
  for (const TemplateModule* module = rule.successor.first(); module != nullptr;
       module = module->next) {
    target.appendModule(module->symbol);
    for (const std::string& expression : module->expressions) {
      target.appendParameter(NarrowToFloat(evaluate(*parser, expression, rule, bound)));
    }
  }
}

const ModuleString& produceSuccessor(Rule& rule, const std::vector<double>& values) {
  rule.produced = std::make_unique<ModuleString>();
  appendSuccessor(rule, values, *rule.produced);
  return *rule.produced;
}

}  // namespace lsys
