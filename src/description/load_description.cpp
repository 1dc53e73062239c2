#include "description/load_description.h"

#include <cstdio>
#include <memory>

#include "app/console.h"
#include "app/lsystem.h"
#include "common/narrowing.h"
#include "derivation/module_string.h"
#include "description/rule.h"
#include "description/scan_number.h"

namespace lsys {
namespace {

bool isAsciiAlnum(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool contains(const std::string& line, const char* key) {
  return line.find(key) != std::string::npos;
}

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

// The symbols of an "ignore=" or "consider=" line, from the value column to the end of the
// line; the line feed is kept as a symbol.
void addContextSymbols(LSystem& lsystem, const std::string& line, std::size_t column) {
  for (std::size_t i = column; i < line.size(); ++i) {
    std::printf(" ");
    printChar(line[i]);
    lsystem.addContextSymbol(line[i]);
  }
  std::printf("\n");
}

void handleLine(LSystem& lsystem, const std::string& line,
                const std::vector<Definition>& definitions) {
  if (contains(line, "->")) {
    auto rule = std::make_unique<Rule>();
    rule->parse(SubstituteDefinitions(line, definitions));
    const Rule& added = *rule;
    lsystem.addRule(std::move(rule));
    added.report();
  }
  if (contains(line, "axiom=")) {
    auto axiom = std::make_unique<ModuleString>();
    axiom->parseModules(line);
    const ModuleString& installed = *axiom;
    lsystem.setAxiom(std::move(axiom));
    std::printf("Axiom: ");
    installed.print();
  }
  if (contains(line, "gamma=")) {
    lsystem.gamma = ScanNumber(line.c_str(), 6);
    std::printf("gamma: %f\n", static_cast<double>(lsystem.gamma));
  }
  if (contains(line, "steps=")) {
    lsystem.steps = TruncateToInt(ScanNumber(line.c_str(), 6));
    std::printf("steps: %i\n", lsystem.steps);
  }
  if (contains(line, "ignore=")) {
    std::printf("ignore:");
    lsystem.setConsiderMode(false);
    addContextSymbols(lsystem, line, 7);
  }
  if (contains(line, "consider=")) {
    lsystem.setConsiderMode(true);
    std::printf("consider:");
    addContextSymbols(lsystem, line, 9);
  }
}

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

std::vector<Definition> CollectDefinitions(const std::vector<std::string>& lines) {
  std::vector<Definition> definitions;
  for (const std::string& line : lines) {
    if (!contains(line, "define ")) continue;
    const std::size_t equals = line.find('=', 7);
    if (equals == std::string::npos || equals == 7) continue;
    std::size_t valueEnd = line.find('\n', equals + 1);
    if (valueEnd == std::string::npos) valueEnd = line.size();
    definitions.push_back(
        {line.substr(7, equals - 7), line.substr(equals + 1, valueEnd - equals - 1)});
  }
  return definitions;
}

std::string SubstituteDefinitions(const std::string& line,
                                  const std::vector<Definition>& definitions) {
  std::size_t end = line.find('\n');
  if (end == std::string::npos) end = line.size();
  std::string text;
  std::size_t column = 0;
  while (column < end) {
    // No substitution starts inside a word.
    if (column == 0 || !isAsciiAlnum(line[column - 1])) {
      const Definition* match = nullptr;
      for (const Definition& definition : definitions) {
        const std::size_t after = column + definition.name.size();
        if (line.compare(column, definition.name.size(), definition.name) == 0 &&
            after <= line.size() && (after == line.size() || !isAsciiAlnum(line[after]))) {
          match = &definition;
          break;
        }
      }
      if (match != nullptr) {
        text += match->value;
        column += match->name.size();
        continue;
      }
    }
    text.push_back(line[column]);
    ++column;
  }
  return text;
}

bool LoadDescription(LSystem& lsystem, const std::string& path) {
  std::string contents;
  if (!readFile(path, contents)) {
    std::printf("Can't open LSystemfile: ");
    printText(path);
    std::printf("\n\n");
    printText(path);
    std::printf(" loadet\n");
    return false;
  }
  std::printf("parsing linfile: ");
  printText(path);
  std::printf("\n");

  const std::vector<std::string> lines = SplitLines(contents);
  const std::vector<Definition> definitions = CollectDefinitions(lines);
  for (const std::string& line : lines) handleLine(lsystem, line, definitions);

  std::printf("\n");
  printText(path);
  std::printf(" loadet\n");
  return true;
}

}  // namespace lsys
