#include "description/load_dialect.h"

#include <vector>

#include "app/lsystem.h"
#include "description/dialect_lines.h"
#include "description/load_description.h"

namespace lsys {
namespace {

// Passes every call on, keeping the lines and the definitions for the dialect's reading.
class KeepingLines : public LoadListener {
 public:
  explicit KeepingLines(LoadListener& listener) : listener_(listener) {}

  std::vector<std::string> lines;
  std::vector<Definition> definitions;

  void openFailed(const std::string& path) override { listener_.openFailed(path); }
  void started(const std::string& path, const std::vector<std::string>& read) override {
    lines = read;
    listener_.started(path, read);
  }
  void definitionsCollected(const std::vector<Definition>& collected) override {
    definitions = collected;
    listener_.definitionsCollected(collected);
  }
  void keyFound(std::size_t line, LineKey key, std::size_t keyColumn) override {
    listener_.keyFound(line, key, keyColumn);
  }
  void ruleRead(std::size_t line, const RuleText& text, const Rule& rule) override {
    listener_.ruleRead(line, text, rule);
  }
  void axiomRead(std::size_t line, const ModuleString& axiom, const AxiomLayout& layout) override {
    listener_.axiomRead(line, axiom, layout);
  }
  void gammaRead(std::size_t line, bool found, float gamma) override {
    listener_.gammaRead(line, found, gamma);
  }
  void stepsRead(std::size_t line, bool found, std::int32_t steps) override {
    listener_.stepsRead(line, found, steps);
  }
  void contextSymbolsRead(std::size_t line, LineKey key, const std::string& symbols) override {
    listener_.contextSymbolsRead(line, key, symbols);
  }
  void finished(const std::string& path) override { listener_.finished(path); }

 private:
  LoadListener& listener_;
};

}  // namespace

bool LoadDescription(LSystem& lsystem, const std::string& path, LoadListener& listener,
                     DialectSwitch dialect) {
  KeepingLines keeping(listener);
  if (!LoadDescription(lsystem, path, keeping)) return false;
  if (dialect == DialectSwitch::kOff) return true;
  if (const auto marker = FindDialectMarker(keeping.lines)) {
    LoadDialect(lsystem, *marker, keeping.lines, keeping.definitions);
  } else {
    // Only a marker of an unknown version: nothing is read, and the line is reported.
    FindDialectMarker(keeping.lines, &lsystem.dialect.issues);
  }
  return true;
}

}  // namespace lsys
