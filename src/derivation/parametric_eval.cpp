#include "derivation/parametric_eval.h"

#include <fparser.hh>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "common/narrowing.h"
#include "derivation/expression_parse.h"
#include "description/rule.h"

namespace lsys {

// One expression parsed once: its value on each evaluation, or its error message.
struct CompiledExpression {
  FunctionParser parser;
  bool parsed = false;
  std::string errorMessage;
};

// The parses of a rule's expressions, in evaluation order. They are kept only when the rule's
// names form a variable list the library accepts: then a parse depends on nothing but the text
// and the names, and a kept parse gives the same values and messages as a fresh one. A rejected
// list is remembered inside a parser object and changes how later texts parse in it, so such
// rules are parsed afresh with one parser per call.
struct CompiledExpressions {
  bool namesAccepted = false;
  std::vector<std::unique_ptr<CompiledExpression>> conditions;
  std::vector<std::unique_ptr<CompiledExpression>> arguments;
};

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
double evaluateAfresh(FunctionParser& parser, const std::string& text, const Rule& rule,
                      const std::vector<double>& bound) {
  if (ParseExpression(parser, text, rule.parameterNames) >= 0) {
    std::printf("%s\n", parser.ErrorMsg());
    return 0.0;
  }
  return parser.Eval(bound.data());
}

std::unique_ptr<CompiledExpression> compile(const std::string& text, const Rule& rule) {
  auto compiled = std::make_unique<CompiledExpression>();
  compiled->parsed = ParseExpression(compiled->parser, text, rule.parameterNames) < 0;
  if (!compiled->parsed) compiled->errorMessage = compiled->parser.ErrorMsg();
  return compiled;
}

double evaluateCompiled(CompiledExpression& expression, const std::vector<double>& bound) {
  if (!expression.parsed) {
    std::printf("%s\n", expression.errorMessage.c_str());
    return 0.0;
  }
  return expression.parser.Eval(bound.data());
}

CompiledExpressions& compiledExpressions(const Rule& rule) {
  if (rule.compiled == nullptr) {
    auto compiled = std::make_shared<CompiledExpressions>();
    FunctionParser probe;
    compiled->namesAccepted = probe.Parse("0", rule.parameterNames) < 0;
    if (compiled->namesAccepted) {
      for (const std::string& condition : rule.conditions) {
        compiled->conditions.push_back(compile(condition, rule));
      }
      for (const TemplateModule* module = rule.successor.first(); module != nullptr;
           module = module->next) {
        for (const std::string& argument : module->expressions) {
          compiled->arguments.push_back(compile(argument, rule));
        }
      }
    }
    rule.compiled = std::move(compiled);
  }
  return *rule.compiled;
}

// The expressions of one call, evaluated in order: from the rule's kept parses when it has them,
// else with one parser for the whole call. Nothing is parsed before the first expression.
class CallEvaluator {
 public:
  using KeptList = std::vector<std::unique_ptr<CompiledExpression>> CompiledExpressions::*;

  CallEvaluator(const Rule& rule, const std::vector<double>& values, KeptList kept)
      : rule_(rule), values_(values), kept_(kept) {}

  double next(const std::string& text) {
    if (compiled_ == nullptr) {
      compiled_ = &compiledExpressions(rule_);
      bound_ = boundValues(rule_, values_);
    }
    if (compiled_->namesAccepted) return evaluateCompiled(*(compiled_->*kept_)[index_++], bound_);
    if (!parser_) parser_.emplace();
    return evaluateAfresh(*parser_, text, rule_, bound_);
  }

 private:
  const Rule& rule_;
  const std::vector<double>& values_;
  KeptList kept_;
  CompiledExpressions* compiled_ = nullptr;
  std::vector<double> bound_;
  std::optional<FunctionParser> parser_;
  std::size_t index_ = 0;
};

}  // namespace

bool conditionHolds(const Rule& rule, const std::vector<double>& values) {
  // Every condition is parsed and evaluated, also after one failed.
  CallEvaluator evaluator(rule, values, &CompiledExpressions::conditions);
  bool holds = true;
  for (const std::string& condition : rule.conditions) {
    if (evaluator.next(condition) == 0.0) holds = false;
  }
  return holds;
}

void appendSuccessor(const Rule& rule, const std::vector<double>& values, ModuleString& target) {
  CallEvaluator evaluator(rule, values, &CompiledExpressions::arguments);
  for (const TemplateModule* module = rule.successor.first(); module != nullptr;
       module = module->next) {
    target.appendModule(module->symbol);
    for (const std::string& expression : module->expressions) {
      target.appendParameter(NarrowToFloat(evaluator.next(expression)));
    }
  }
}

const ModuleString& produceSuccessor(Rule& rule, const std::vector<double>& values) {
  rule.produced = std::make_unique<ModuleString>();
  appendSuccessor(rule, values, *rule.produced);
  return *rule.produced;
}

}  // namespace lsys
