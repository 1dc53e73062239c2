#include "description/load_report.h"

#include "common/output.h"
#include "derivation/module_string.h"
#include "description/rule.h"

namespace lsys {

void ConsoleReport::numberNotFound() { out_.text("parser number not found\n"); }

void ConsoleReport::openFailed(const std::string& path) {
  out_.text("Can't open LSystemfile: ");
  out_.text(path);
  out_.character('\n');
}

void ConsoleReport::started(const std::string& path, const std::vector<std::string>&) {
  out_.text("parsing linfile: ");
  out_.text(path);
  out_.character('\n');
}

void ConsoleReport::ruleRead(std::size_t, const RuleText& text, const Rule& rule) {
  // The rule parser echoes the text it is given before the report.
  out_.text(text.text);
  out_.character('\n');
  rule.report(out_);
}

void ConsoleReport::axiomRead(std::size_t, const ModuleString& axiom, const AxiomLayout& layout) {
  for (const AxiomValue& value : layout.values) {
    if (!value.found) numberNotFound();
  }
  out_.text("Axiom: ");
  out_.text(axiom.valueForm());
  out_.character('\n');
}

void ConsoleReport::gammaRead(std::size_t, bool found, float gamma) {
  if (!found) numberNotFound();
  out_.text("gamma: ");
  out_.fixed(gamma);
  out_.character('\n');
}

void ConsoleReport::stepsRead(std::size_t, bool found, std::int32_t steps) {
  if (!found) numberNotFound();
  out_.text("steps: ");
  out_.integer(steps);
  out_.character('\n');
}

void ConsoleReport::contextSymbolsRead(std::size_t, LineKey key, const std::string& symbols) {
  out_.text(key == LineKey::kIgnore ? "ignore:" : "consider:");
  for (char symbol : symbols) {
    out_.character(' ');
    out_.character(symbol);
  }
  out_.character('\n');
}

void ConsoleReport::finished(const std::string& path) {
  out_.character('\n');
  out_.text(path);
  out_.text(" loadet\n");
}

}  // namespace lsys
