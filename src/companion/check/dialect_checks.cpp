#include "companion/check/dialect_checks.h"

#include <set>
#include <string>
#include <utility>

#include "app/lsystem.h"
#include "description/dialect_lines.h"
#include "description/rule.h"

namespace lsys {
namespace {

constexpr std::size_t kNone = RuleLayout::kNoColumn;

// What the dialect makes of a symbol that the specified format leaves to the rules, or none.
const char* commandMeaning(char symbol) {
  switch (symbol) {
    case '%':
      return "cuts its branch";
    case '\'':
      return "is the colour increment '?'";
    case '_':
      return "sets the elasticity";
    default:
      return nullptr;
  }
}

class DialectChecks {
 public:
  DialectChecks(const LSystem& lsystem, const DescriptionFacts& facts, std::vector<Diagnostic>& out)
      : dialect_(lsystem.dialect), facts_(facts), out_(out) {}

  void run() {
    for (const DialectIssue& issue : dialect_.issues) {
      out_.push_back({issue.error ? Severity::kError : Severity::kWarning, issue.line, issue.column,
                      issue.message});
    }
    if (!dialect_.enabled) return;
    checkCommandNames();
    checkLinesBothRead();
    noteIgnoredLines();
  }

 private:
  void warnName(std::size_t line, std::size_t column, char symbol, const char* where) {
    const char* meaning = commandMeaning(symbol);
    if (meaning == nullptr || column == kNone) return;
    if (!warned_.insert({line, symbol}).second) return;
    out_.push_back({Severity::kWarning, line, column,
                    std::string("'") + symbol + "' " + where + " is a module name, but under " +
                        kDialectMarker + " it " + meaning + "; lsys2pov and lsys draw it apart"});
  }

  // A rule's own symbols name modules; so do the axiom and the successors of "->" rules, which
  // are written in the specified format, where these symbols are not commands.
  void checkCommandNames() {
    auto ruleSymbols = [&](std::size_t line, const Rule& rule, const RuleText& text,
                           bool successorToo) {
      auto column = [&](std::size_t at) {
        return at == kNone ? kNone : LineColumnOf(at, text.substitutions);
      };
      const RuleLayout& layout = rule.layout;
      if (layout.leftColumn != kNone)
        warnName(line, column(layout.leftColumn), rule.leftContext, "as a context");
      if (layout.predecessorColumn != kNone) {
        warnName(line, column(layout.predecessorColumn), rule.predecessor, "as a predecessor");
      }
      if (layout.rightColumn != kNone)
        warnName(line, column(layout.rightColumn), rule.rightContext, "as a context");
      if (!successorToo) return;
      const std::string_view symbols = rule.successor.symbols();
      for (std::size_t k = 0; k < symbols.size() && k < layout.moduleColumns.size(); ++k) {
        warnName(line, column(layout.moduleColumns[k]), symbols[k], "in a \"->\" successor");
      }
    };
    for (const DescriptionFacts::RuleLine& line : facts_.rules) {
      ruleSymbols(line.line, *line.rule, line.text, true);
    }
    for (const DialectRule& rule : dialect_.rules) {
      ruleSymbols(rule.line, *rule.rule, rule.text, false);
    }
    for (const DescriptionFacts::AxiomLine& axiom : facts_.axioms) {
      for (std::size_t k = 0; k < axiom.symbols.size() && k < axiom.layout.moduleColumns.size();
           ++k) {
        warnName(axiom.line, axiom.layout.moduleColumns[k], axiom.symbols[k], "in the axiom");
      }
    }
  }

  // A dialect line that holds a key of the specified format is read by lsys2pov too.
  void checkLinesBothRead() {
    for (const DescriptionFacts::Key& key : facts_.keys) {
      if (!IsDialectLine(facts_.lines[key.line])) continue;
      out_.push_back({Severity::kWarning, key.line, key.column,
                      std::string("lsys2pov reads this dialect line too, for its \"") +
                          KeyText(key.key) + "\"; keep the two apart"});
    }
  }

  void noteIgnoredLines() {
    std::set<std::size_t> keyLines;
    for (const DescriptionFacts::Key& key : facts_.keys) keyLines.insert(key.line);
    std::string list;
    std::size_t count = 0;
    std::size_t runStart = kNone;
    std::size_t runEnd = kNone;
    auto flush = [&] {
      if (runStart == kNone) return;
      if (!list.empty()) list += ", ";
      list += std::to_string(runStart + 1);
      if (runEnd != runStart) list += "-" + std::to_string(runEnd + 1);
    };
    for (std::size_t line = 0; line < facts_.lines.size(); ++line) {
      if (!IsDialectLine(facts_.lines[line]) || keyLines.count(line) != 0) continue;
      ++count;
      if (runEnd != kNone && line == runEnd + 1) {
        runEnd = line;
        continue;
      }
      flush();
      runStart = runEnd = line;
    }
    flush();
    out_.push_back({Severity::kNote, dialect_.markerLine, 0,
                    "lsys reads this file with the grower's dialect; lsys2pov passes over its " +
                        std::to_string(count) +
                        (count == 1 ? " dialect line (" : " dialect lines (") + list +
                        ") and grows the rest"});
  }

  const DialectOptions& dialect_;
  const DescriptionFacts& facts_;
  std::vector<Diagnostic>& out_;
  std::set<std::pair<std::size_t, char>> warned_;  // one warning per symbol and line
};

}  // namespace

void CheckDialect(const LSystem& lsystem, const DescriptionFacts& facts,
                  std::vector<Diagnostic>& out) {
  DialectChecks(lsystem, facts, out).run();
}

}  // namespace lsys
