// Every condition and argument is parsed by the same library call the derivation makes, with
// the rule's parameter names as its variables.
#include "companion/check/expression_checks.h"

#include <fparser.hh>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "companion/check/quoting.h"
#include "companion/check/rule_shape.h"
#include "derivation/expression_parse.h"
#include "description/rule.h"

namespace lsys {
namespace {

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Why the library rejects the names, as far as their text tells.
std::string whyNamesRejected(const std::string& names) {
  std::set<std::string> seen;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = names.find(',', start);
    const std::string name =
        names.substr(start, comma == std::string::npos ? comma : comma - start);
    if (name.empty()) return "a name is empty";
    if (!isNameStart(name[0]) || !std::all_of(name.begin(), name.end(), isNameChar)) {
      return Quoted(name) + " is not a name (letters, digits and '_', not first a digit)";
    }
    if (!seen.insert(name).second) return Quoted(name) + " is repeated";
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return "a name is reserved by the expression library (a function or constant)";
}

// The operators of other languages that the library spells differently, at the error column
// or just before it; at moves to where the operator begins.
std::string spellingHint(const std::string& text, std::size_t& at) {
  struct Spelling {
    std::string_view written, meant;
  };
  static constexpr Spelling kSpellings[] = {{"==", "="}, {"&&", "&"}, {"||", "|"}};
  for (const Spelling& spelling : kSpellings) {
    for (std::size_t start = at > 0 ? at - 1 : 0; start <= at; ++start) {
      if (text.compare(start, spelling.written.size(), spelling.written) == 0) {
        at = start;
        return ": " + Quoted(spelling.written) + " is written " + Quoted(spelling.meant) +
               " in expressions";
      }
    }
  }
  return "";
}

class ExpressionChecks {
 public:
  ExpressionChecks(const DescriptionFacts::RuleLine& line, std::vector<Diagnostic>& out)
      : line_(line), rule_(*line.rule), out_(out) {}

  void run() {
    if (!HasRuleShape(rule_) || !namesAccepted()) return;
    const RuleLayout& layout = rule_.layout;
    if (!conditionListSplitsInsideParentheses()) {
      for (std::size_t k = 0; k < layout.conditions.size(); ++k) {
        check(layout.conditions[k], rule_.conditions[k], "condition");
      }
    }
    const std::string& text = line_.text.text;
    for (const RuleLayout::Argument& argument : layout.arguments) {
      const TextSpan span = argument.span;
      check(span, text.substr(span.begin, span.end - span.begin), "argument");
    }
  }

 private:
  std::size_t toLine(std::size_t column) const {
    return LineColumnOf(column, line_.text.substitutions);
  }
  void error(std::size_t column, std::string message) {
    out_.push_back({Severity::kError, line_.line, toLine(column), std::move(message)});
  }

  bool namesAccepted() {
    FunctionParser probe;
    if (probe.Parse("0", rule_.parameterNames) < 0) return true;
    const std::vector<TextSpan>& groups = rule_.layout.nameGroups;
    const auto named = std::find_if(groups.begin(), groups.end(),
                                    [](const TextSpan& g) { return g.begin < g.end; });
    error(named != groups.end() ? named->begin : rule_.layout.predecessorColumn,
          "the expression library rejects the parameter names " + Quoted(rule_.parameterNames) +
              " (" + whyNamesRejected(rule_.parameterNames) +
              "): every condition and argument of this rule fails and reads 0");
    return false;
  }

  // The condition list is split at every ',', also inside parentheses: min(x,y)>1 becomes
  // the two conditions "min(x" and "y)>1".
  bool conditionListSplitsInsideParentheses() {
    const std::string& text = line_.text.text;
    const TextSpan list = rule_.layout.conditionList;
    std::ptrdiff_t depth = 0;
    for (std::size_t i = list.begin; i < list.end; ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')') --depth;
      if (text[i] == ',' && depth > 0) {
        error(i,
              "the conditions are split at every ',', also at this one inside parentheses: "
              "write a function of several arguments (min, max, ...) in a successor argument "
              "or as separate conditions");
        return true;
      }
    }
    return false;
  }

  void check(const TextSpan& span, const std::string& expression, const char* what) {
    if (expression.empty()) {
      error(span.begin, std::string("empty ") + what + ": it fails to parse and reads 0");
      return;
    }
    FunctionParser parser;
    const int position = ParseExpression(parser, expression, rule_.parameterNames);
    if (position == kParseNoStack) {
      std::string message = what;
      message += " ";
      message += Quoted(expression);
      message += ": nested too deeply to be parsed on this stack";
      error(span.begin, message);
      return;
    }
    if (position < 0) return;
    std::size_t at = std::min(static_cast<std::size_t>(position), expression.size());
    std::string message = std::string(what) + " " + Quoted(expression) + ": " + parser.ErrorMsg();
    if (std::string_view(parser.ErrorMsg()).find("Unknown identifier") != std::string_view::npos) {
      std::size_t end = at;
      while (end < expression.size() && isNameChar(expression[end])) ++end;
      message += " ";
      message += Quoted(expression.substr(at, end - at));
      if (rule_.parameterNames.empty()) {
        message += " (the rule has no parameter names)";
      } else {
        message += " (the rule's parameter names are ";
        message += rule_.parameterNames;
        message += ")";
      }
    }
    message += spellingHint(expression, at);
    error(span.begin + at, message);
  }

  const DescriptionFacts::RuleLine& line_;
  const Rule& rule_;
  std::vector<Diagnostic>& out_;
};

}  // namespace

void CheckExpressions(const DescriptionFacts& facts, std::vector<Diagnostic>& out) {
  for (const DescriptionFacts::RuleLine& line : facts.rules) ExpressionChecks(line, out).run();
}

}  // namespace lsys
