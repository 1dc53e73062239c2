#include "description/load_description.h"

#include <cstdio>
#include <memory>

#include "app/lsystem.h"
#include "common/narrowing.h"
#include "derivation/module_string.h"
#include "description/load_report.h"
#include "description/parse_modules.h"
#include "description/rule.h"
#include "description/scan_number.h"

namespace lsys {

const char* KeyText(LineKey key) {
  switch (key) {
    case LineKey::kRule:
      return "->";
    case LineKey::kAxiom:
      return "axiom=";
    case LineKey::kGamma:
      return "gamma=";
    case LineKey::kSteps:
      return "steps=";
    case LineKey::kIgnore:
      return "ignore=";
    case LineKey::kConsider:
      return "consider=";
  }
  return "";
}

std::size_t ValueColumn(LineKey key) {
  // The column right after the key when the key begins the line.
  return key == LineKey::kRule ? 0 : std::string_view(KeyText(key)).size();
}

namespace {

// Reads the whole file; false when it cannot be opened or read (a folder, a read error).
bool readFile(const std::string& path, std::string& contents) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char buffer[1 << 16];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return !failed;
}

// The second pass over one line: each key it contains is handled on its own, in this order.
class LineLoader {
 public:
  LineLoader(LSystem& lsystem, const DefinitionTable& definitions, LoadListener& listener)
      : lsystem_(lsystem), definitions_(definitions), listener_(listener) {}

  void load(std::size_t index, const std::string& line) {
    for (LineKey key : {LineKey::kRule, LineKey::kAxiom, LineKey::kGamma, LineKey::kSteps,
                        LineKey::kIgnore, LineKey::kConsider}) {
      const std::size_t keyColumn = line.find(KeyText(key));
      if (keyColumn == std::string::npos) continue;
      listener_.keyFound(index, key, keyColumn);
      handle(index, line, key);
    }
  }

 private:
  void handle(std::size_t index, const std::string& line, LineKey key) {
    switch (key) {
      case LineKey::kRule:
        return loadRule(index, line);
      case LineKey::kAxiom:
        return loadAxiom(index, line);
      case LineKey::kGamma: {
        const ScannedNumber number = ReadNumber(line.c_str(), ValueColumn(key));
        lsystem_.gamma = number.value;
        return listener_.gammaRead(index, number.found, lsystem_.gamma);
      }
      case LineKey::kSteps: {
        const ScannedNumber number = ReadNumber(line.c_str(), ValueColumn(key));
        lsystem_.steps = TruncateToInt(number.value);
        return listener_.stepsRead(index, number.found, lsystem_.steps);
      }
      case LineKey::kIgnore:
      case LineKey::kConsider:
        return loadContextSymbols(index, line, key);
    }
  }

  void loadRule(std::size_t index, const std::string& line) {
    RuleText text;
    text.text = SubstituteDefinitions(line, definitions_, &text.substitutions);
    auto rule = std::make_unique<Rule>();
    rule->read(text.text);
    const Rule& added = *rule;
    lsystem_.addRule(std::move(rule));
    listener_.ruleRead(index, text, added);
  }

  // The axiom text is not substituted.
  void loadAxiom(std::size_t index, const std::string& line) {
    auto axiom = std::make_unique<ModuleString>();
    AxiomLayout layout;
    ParseModules(line, ValueColumn(LineKey::kAxiom), *axiom, &layout);
    const ModuleString& installed = *axiom;
    lsystem_.setAxiom(std::move(axiom));
    listener_.axiomRead(index, installed, layout);
  }

  // The symbols from the value column to the end of the line; the line feed is kept as a symbol.
  void loadContextSymbols(std::size_t index, const std::string& line, LineKey key) {
    lsystem_.setConsiderMode(key == LineKey::kConsider);
    const std::size_t column = ValueColumn(key);
    const std::string symbols = column < line.size() ? line.substr(column) : std::string();
    for (char symbol : symbols) lsystem_.addContextSymbol(symbol);
    listener_.contextSymbolsRead(index, key, symbols);
  }

  LSystem& lsystem_;
  const DefinitionTable& definitions_;
  LoadListener& listener_;
};

}  // namespace

std::vector<std::string> SplitLines(const std::string& contents) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    std::string line;
    if (end == std::string::npos) {
      line = contents.substr(start);
      start = contents.size();
    } else {
      std::size_t stop = end;
      if (stop > start && contents[stop - 1] == '\r') --stop;
      line = contents.substr(start, stop - start);
      line.push_back('\n');
      start = end + 1;
    }
    const std::size_t nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
    lines.push_back(std::move(line));
  }
  return lines;
}

bool LoadDescription(LSystem& lsystem, const std::string& path, LoadListener& listener) {
  std::string contents;
  if (!readFile(path, contents)) {
    listener.openFailed(path);
    listener.finished(path);
    return false;
  }
  const std::vector<std::string> lines = SplitLines(contents);
  listener.started(path, lines);

  const std::vector<Definition> definitions = CollectDefinitions(lines);
  listener.definitionsCollected(definitions);
  const DefinitionTable table(definitions);
  LineLoader loader(lsystem, table, listener);
  for (std::size_t index = 0; index < lines.size(); ++index) loader.load(index, lines[index]);

  listener.finished(path);
  return true;
}

bool LoadDescription(LSystem& lsystem, const std::string& path) {
  ConsoleReport report(lsystem.console());
  return LoadDescription(lsystem, path, report);
}

}  // namespace lsys
