// The load report on the console: what the loader prints while it reads a description.
#pragma once

#include "description/load_events.h"

namespace lsys {

class Output;

// Prints "parsing linfile: %s\n", each rule text with its rule report, "Axiom: " with the
// axiom's value form, "gamma: %f\n", "steps: %i\n", the ignore and consider symbols, the
// "parser number not found\n" of each value that is no number, and "\n%s loadet\n".
class ConsoleReport : public LoadListener {
 public:
  // The output must outlive the report.
  explicit ConsoleReport(Output& out) : out_(out) {}

  void openFailed(const std::string& path) override;
  void started(const std::string& path, const std::vector<std::string>& lines) override;
  void ruleRead(std::size_t line, const RuleText& text, const Rule& rule) override;
  void axiomRead(std::size_t line, const ModuleString& axiom, const AxiomLayout& layout) override;
  void gammaRead(std::size_t line, bool found, float gamma) override;
  void stepsRead(std::size_t line, bool found, std::int32_t steps) override;
  void contextSymbolsRead(std::size_t line, LineKey key, const std::string& symbols) override;
  void finished(const std::string& path) override;

 private:
  void numberNotFound();

  Output& out_;
};

}  // namespace lsys
