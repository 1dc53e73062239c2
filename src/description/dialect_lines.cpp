#include "description/dialect_lines.h"

#include <fparser.hh>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "app/lsystem.h"
#include "derivation/draw_functions.h"
#include "derivation/expression_parse.h"

namespace lsys {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The column of the first character that is not a blank, from the given one.
std::size_t skipBlanks(std::string_view text, std::size_t column) {
  while (column < text.size() && isBlank(text[column])) ++column;
  return column;
}

// The line without its blanks at either end.
std::string_view trimmed(std::string_view line) {
  const std::size_t begin = skipBlanks(line, 0);
  std::size_t end = line.size();
  while (end > begin && isBlank(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

// The column right after the key when the key is the first thing on the line, else none.
std::optional<std::size_t> valueAfterKey(std::string_view line, std::string_view key) {
  const std::size_t start = skipBlanks(line, 0);
  if (line.substr(start, key.size()) != key) return std::nullopt;
  return start + key.size();
}

// A number at the column (an optional sign, digits, a point, an exponent), with blanks before
// it; the column after it, or none.
std::optional<std::size_t> readDouble(std::string_view line, std::size_t column, double& value) {
  column = skipBlanks(line, column);
  std::size_t start = column;
  if (start < line.size() && line[start] == '+') ++start;
  const char* begin = line.data() + start;
  const auto [end, error] = std::from_chars(begin, line.data() + line.size(), value);
  if (error != std::errc() || (start > column && *begin == '-')) return std::nullopt;
  return static_cast<std::size_t>(end - line.data());
}

class DialectReader {
 public:
  DialectReader(LSystem& lsystem, const std::vector<std::string>& lines,
                const std::vector<Definition>& definitions)
      : dialect_(lsystem.dialect), lines_(&lines), table_(definitions) {}

  void read(std::size_t index, const std::string& line) {
    if (auto at = valueAfterKey(line, "seed=")) readSeed(index, line, *at);
    if (auto at = valueAfterKey(line, "tropism=")) readTropism(index, line, *at);
    if (auto at = valueAfterKey(line, "elasticity=")) readElasticity(index, line, *at);
    if (line.find("=>") != std::string::npos) readRule(index, line);
  }

 private:
  // A column past the line's text (at its line feed or beyond) is reported at the end of the
  // text.
  void error(std::size_t line, std::size_t column, std::string message) {
    dialect_.issues.push_back({true, line, std::min(column, textEnd(line)), std::move(message)});
  }
  std::size_t textEnd(std::size_t line) const {
    const std::string& text = (*lines_)[line];
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == '\r')) --end;
    return end;
  }
  void warning(std::size_t line, std::size_t column, std::string message) {
    dialect_.issues.push_back({false, line, column, std::move(message)});
  }

  // Whether only blanks follow the column.
  static bool endsAt(std::string_view line, std::size_t column) {
    return skipBlanks(line, column) == line.size();
  }

  void readSeed(std::size_t index, std::string_view line, std::size_t column) {
    const std::size_t start = skipBlanks(line, column);
    std::uint64_t seed = 0;
    const auto [end, error] =
        std::from_chars(line.data() + start, line.data() + line.size(), seed, 10);
    const auto after = static_cast<std::size_t>(end - line.data());
    if (error == std::errc::result_out_of_range) {
      this->error(index, start, "the seed is larger than 18446744073709551615");
      return;
    }
    if (error != std::errc() || !endsAt(line, after)) {
      this->error(index, error != std::errc() ? start : after,
                  "seed= takes a non-negative whole number");
      return;
    }
    dialect_.seed = seed;
    dialect_.seedLine = index;
  }

  void readTropism(std::size_t index, std::string_view line, std::size_t column) {
    std::array<double, 3> vector{};
    for (std::size_t k = 0; k < 3; ++k) {
      if (k > 0) {
        column = skipBlanks(line, column);
        if (column >= line.size() || line[column] != ',') {
          error(index, column, "tropism= takes three numbers x,y,z separated by commas");
          return;
        }
        ++column;
      }
      const auto after = readDouble(line, column, vector[k]);
      if (!after || !std::isfinite(vector[k])) {
        error(index, skipBlanks(line, column),
              "tropism= takes three numbers x,y,z separated by commas");
        return;
      }
      column = *after;
    }
    if (!endsAt(line, column)) {
      error(index, column, "tropism= takes three numbers x,y,z; this is one too many");
      return;
    }
    dialect_.tropism = vector;
  }

  void readElasticity(std::size_t index, std::string_view line, std::size_t column) {
    double value = 0.0;
    const auto after = readDouble(line, column, value);
    if (!after || !std::isfinite(value) || !endsAt(line, *after)) {
      error(index, skipBlanks(line, after ? *after : column), "elasticity= takes one number");
      return;
    }
    dialect_.elasticity = value;
  }

  // The column of the weight's ':': the last ':' outside parentheses after the arrow.
  static std::size_t weightColon(const std::string& text, std::size_t arrow) {
    std::size_t colon = kNone;
    std::ptrdiff_t depth = 0;
    for (std::size_t i = arrow + 2; i < text.size(); ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')') --depth;
      if (text[i] == ':' && depth == 0) colon = i;
    }
    return colon;
  }

  void readRule(std::size_t index, const std::string& line) {
    DialectRule read;
    read.line = index;
    read.text.text = SubstituteDefinitions(line, table_, &read.text.substitutions);
    const std::string& text = read.text.text;
    const std::size_t colon = weightColon(text, text.find("=>"));
    read.rule = std::make_unique<Rule>();
    Rule& rule = *read.rule;
    if (colon == kNone) {
      rule.read(text, "=>");
    } else {
      rule.read(text.substr(0, colon), "=>");
      read.weightColumn = colon + 1;
      rule.weighted = true;
      rule.probability = text.substr(colon + 1);
    }
    checkExpressions(read);
    dialect_.rules.push_back(std::move(read));
  }

  // Parses every expression of a dialect rule as the derivation will, ran and nran included,
  // and reports the library's complaint at its column.
  void checkExpressions(const DialectRule& read) {
    const Rule& rule = *read.rule;
    const RuleLayout& layout = rule.layout;
    for (std::size_t k = 0; k < layout.conditions.size() && k < rule.conditions.size(); ++k) {
      checkExpression(read, layout.conditions[k].begin, rule.conditions[k], "condition");
    }
    const std::string& text = read.text.text;
    for (const RuleLayout::Argument& argument : layout.arguments) {
      const TextSpan span = argument.span;
      checkExpression(read, span.begin, text.substr(span.begin, span.end - span.begin), "argument");
    }
    if (rule.weighted) {
      if (!checkExpression(read, read.weightColumn, rule.probability, "weight")) return;
      checkConstantWeight(read);
    }
  }

  std::size_t lineColumn(const DialectRule& read, std::size_t textColumn) const {
    return LineColumnOf(textColumn, read.text.substitutions);
  }

  bool checkExpression(const DialectRule& read, std::size_t column, const std::string& text,
                       const char* what) {
    if (trimmed(text).empty()) {
      error(read.line, lineColumn(read, column),
            std::string("empty ") + what + ": it fails to parse and reads 0");
      return false;
    }
    FunctionParser parser;
    AddDrawFunctions(parser);
    const int position = ParseExpression(parser, text, read.rule->parameterNames);
    if (position < 0) return true;
    error(read.line, lineColumn(read, column + static_cast<std::size_t>(position)),
          std::string(what) + " does not parse (" + parser.ErrorMsg() + "): it reads 0");
    return false;
  }

  // A weight that names no parameter and draws nothing has one value for every module: a
  // negative or non-finite one makes every lottery of the rule copy its module.
  void checkConstantWeight(const DialectRule& read) {
    FunctionParser parser;
    if (ParseExpression(parser, read.rule->probability, "") >= 0) return;
    const double weight = parser.Eval(nullptr);
    const std::size_t column = lineColumn(read, read.weightColumn);
    if (!std::isfinite(weight) || weight < 0.0) {
      error(read.line, column,
            "the weight is " + std::string(std::isfinite(weight) ? "negative" : "not finite") +
                ": a module whose lottery this rule enters is copied unchanged");
    } else if (weight == 0.0) {
      warning(read.line, column, "the weight is 0: this rule is never chosen");
    }
  }

  DialectOptions& dialect_;
  const std::vector<std::string>* lines_;
  DefinitionTable table_;
};

}  // namespace

std::optional<std::size_t> FindDialectMarker(const std::vector<std::string>& lines,
                                             std::vector<DialectIssue>* unknown) {
  constexpr std::string_view kPrefix = "#lsys dialect=";
  std::optional<std::size_t> found;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string_view line = trimmed(lines[index]);
    if (line.substr(0, kPrefix.size()) != kPrefix) continue;
    if (line == kDialectMarker) {
      if (!found) found = index;
    } else if (unknown != nullptr) {
      unknown->push_back({true, index, skipBlanks(lines[index], 0) + kPrefix.size(),
                          "this lsys knows the dialect version 1 only (\"" +
                              std::string(kDialectMarker) + "\"): the line is ignored"});
    }
  }
  return found;
}

bool IsDialectLine(const std::string& line) {
  if (trimmed(line).substr(0, 14) == "#lsys dialect=") return true;
  for (const char* key : {"seed=", "tropism=", "elasticity="}) {
    if (valueAfterKey(line, key)) return true;
  }
  return line.find("=>") != std::string::npos;
}

void LoadDialect(LSystem& lsystem, std::size_t markerLine, const std::vector<std::string>& lines,
                 const std::vector<Definition>& definitions) {
  DialectOptions& dialect = lsystem.dialect;
  dialect.enabled = true;
  dialect.markerLine = markerLine;
  FindDialectMarker(lines, &dialect.issues);
  DialectReader reader(lsystem, lines, definitions);
  for (std::size_t index = 0; index < lines.size(); ++index) reader.read(index, lines[index]);
  std::stable_sort(dialect.issues.begin(), dialect.issues.end(),
                   [](const DialectIssue& a, const DialectIssue& b) { return a.line < b.line; });
}

}  // namespace lsys
