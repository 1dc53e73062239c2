#include "companion/check/rule_shape.h"

#include <string>
#include <string_view>

#include "companion/check/quoting.h"
#include "description/rule.h"

namespace lsys {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t expectedSymbols(const Rule& rule) {
  return 1 + (rule.leftContextPos != 0 ? 1 : 0) + (rule.rightContextPos != 0 ? 1 : 0);
}

class RuleShape {
 public:
  RuleShape(const DescriptionFacts::RuleLine& line, std::vector<Diagnostic>& out)
      : line_(line),
        rule_(*line.rule),
        layout_(line.rule->layout),
        text_(line.text.text),
        out_(out) {}

  void run() {
    // A definition can take the arrow out of its own line ("define A->s=..." substitutes
    // "A->s"): what is left has no shape of a rule to judge.
    if (layout_.arrow + 2 > text_.size()) return;
    if (layout_.predecessorColumn == RuleLayout::kNoColumn) {
      error(layout_.arrow,
            "this line contains '->' and is read as a rule, but it has no predecessor symbol "
            "before the arrow: write the symbol to rewrite there, as in 'F->F+F'");
      return;
    }
    const std::size_t expected = expectedSymbols(rule_);
    if (layout_.symbolColumns.size() > expected) {
      const std::size_t surplus = layout_.symbolColumns[expected];
      error(surplus, "this line contains '->' and is read as a rule, but its left part has " +
                         std::to_string(layout_.symbolColumns.size()) + " symbols where " +
                         std::to_string(expected) + (expected == 1 ? " is" : " are") + " read (" +
                         whatIsRead() + ")" + why(surplus));
      return;
    }
    const std::size_t first = layout_.arrow + 2;
    if (first < text_.size() && isBlank(text_[first])) {
      out_.push_back({Severity::kWarning, line_.line, toLine(first),
                      "the blank after '->' is a module of the successor: write rules without "
                      "blanks"});
    }
  }

 private:
  std::size_t toLine(std::size_t column) const {
    return LineColumnOf(column, line_.text.substitutions);
  }
  void error(std::size_t column, std::string message) {
    out_.push_back({Severity::kError, line_.line, toLine(column), std::move(message)});
  }

  std::string symbolAt(std::size_t column) const {
    return Quoted(std::string_view(text_).substr(column, 1));
  }

  // "'A' as the left context, 'B' as the predecessor"
  std::string whatIsRead() const {
    std::string read;
    if (rule_.leftContextPos != 0 && layout_.leftColumn != RuleLayout::kNoColumn) {
      read += symbolAt(layout_.leftColumn) + " as the left context, ";
    }
    read += symbolAt(layout_.predecessorColumn) + " as the predecessor";
    if (rule_.rightContextPos != 0 && layout_.rightColumn != RuleLayout::kNoColumn) {
      read += ", " + symbolAt(layout_.rightColumn) + " as the right context";
    }
    return read;
  }

  // The symbol columns between two columns of the left part.
  std::vector<std::size_t> symbolsBetween(std::size_t begin, std::size_t end) const {
    std::vector<std::size_t> found;
    for (std::size_t column : layout_.symbolColumns) {
      if (column >= begin && column < end) found.push_back(column);
    }
    return found;
  }

  std::string why(std::size_t surplus) const {
    const std::string_view left = std::string_view(text_).substr(0, layout_.arrow);
    if (isBlank(text_[surplus])) return ": a blank is a symbol, so write rules without blanks";
    if (rule_.conditionPos != 0) {
      std::string_view after = left.substr(rule_.conditionPos + 1);
      while (!after.empty() && isBlank(after.back())) after.remove_suffix(1);
      if (!after.empty() && after.find_first_not_of("0123456789.") == std::string_view::npos) {
        return "; " + Quoted(left) +
               " is another tool's rule probability, but here ':' begins conditions in "
               "parentheses, as in 'A(x):(x>1)->...'; a probability is written after the "
               "successor of a '=>' rule in a file marked with the line '#lsys dialect=1': " +
               Quoted(std::string(left.substr(0, rule_.conditionPos)) + "=>" +
                      text_.substr(layout_.arrow + 2) + ":" + std::string(after));
      }
    }
    // A rule has no blanks; a line with blanks before its arrow is prose.
    const bool prose = left.find_first_of(" \t") != std::string_view::npos;
    if (!prose && (rule_.leftContextPos != 0 || rule_.rightContextPos != 0)) {
      return severalContextSymbols();
    }
    return ": keep '->' out of comment lines";
  }

  // AB<C->D: contexts hold one symbol each, so the first symbols are read and the rest dropped.
  std::string severalContextSymbols() const {
    const std::size_t end = rule_.conditionPos != 0 ? rule_.conditionPos : layout_.arrow;
    std::string nearest;
    std::string read;
    if (rule_.leftContextPos != 0) {
      const auto before = symbolsBetween(0, rule_.leftContextPos);
      const auto after = symbolsBetween(rule_.leftContextPos,
                                        rule_.rightContextPos != 0 ? rule_.rightContextPos : end);
      if (!before.empty()) nearest += std::string(1, text_[before.back()]) + "<";
      if (!after.empty()) nearest.push_back(text_[after.front()]);
      read += std::string(1, rule_.leftContext) + "<" + std::string(1, rule_.predecessor);
    } else {
      const auto before = symbolsBetween(0, rule_.rightContextPos);
      if (!before.empty()) nearest.push_back(text_[before.back()]);
      read.push_back(rule_.predecessor);
    }
    if (rule_.rightContextPos != 0) {
      const auto after = symbolsBetween(rule_.rightContextPos, end);
      if (!after.empty()) nearest += ">" + std::string(1, text_[after.front()]);
      read += ">" + std::string(1, rule_.rightContext);
    }
    return ": a context is one symbol here, so the left part is read as " + Quoted(read) +
           " and the other symbols are dropped; keep the one symbol next to each mark, " +
           Quoted(nearest) + ", and list the symbols that may stand between in 'ignore='";
  }

  const DescriptionFacts::RuleLine& line_;
  const Rule& rule_;
  const RuleLayout& layout_;
  const std::string& text_;
  std::vector<Diagnostic>& out_;
};

}  // namespace

bool HasRuleShape(const Rule& rule) {
  return rule.layout.predecessorColumn != RuleLayout::kNoColumn &&
         rule.layout.symbolColumns.size() <= expectedSymbols(rule);
}

void CheckRuleShapes(const DescriptionFacts& facts, std::vector<Diagnostic>& out) {
  for (const DescriptionFacts::RuleLine& line : facts.rules) RuleShape(line, out).run();
}

}  // namespace lsys
