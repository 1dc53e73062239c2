#include "companion/check/static_checks.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "companion/check/quoting.h"
#include "description/rule.h"

namespace lsys {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The line without its line feed.
std::string_view textOf(const std::string& line) {
  std::string_view text = line;
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return text;
}

class LineChecks {
 public:
  LineChecks(const DescriptionFacts& facts, std::vector<Diagnostic>& out)
      : facts_(facts), out_(out) {}

  void run() {
    checkByteOrderMark();
    checkSpacedKeys();
    checkKeyColumns();
    checkNumbers();
    checkDefinitions();
    checkAxiom();
  }

 private:
  void error(std::size_t line, std::size_t column, std::string message) {
    out_.push_back({Severity::kError, line, column, std::move(message)});
  }
  void warning(std::size_t line, std::size_t column, std::string message) {
    out_.push_back({Severity::kWarning, line, column, std::move(message)});
  }

  bool hasKeys(std::size_t line) const {
    return std::any_of(facts_.keys.begin(), facts_.keys.end(),
                       [&](const DescriptionFacts::Key& key) { return key.line == line; });
  }

  bool startsWithMark() const {
    return !facts_.lines.empty() && facts_.lines[0].starts_with(kByteOrderMark);
  }

  void checkByteOrderMark() {
    if (!startsWithMark()) return;
    std::string message =
        "the file begins with a UTF-8 byte-order mark; it is read as three characters of the "
        "first line";
    if (hasKeys(0)) {
      error(0, 0,
            message +
                ", so that line's value is read three columns early: save the file "
                "without a byte-order mark");
    } else {
      warning(0, 0, message + ": save the file without a byte-order mark");
    }
  }

  // "axiom = F", "gamma =25": a key word followed by blanks and '=' is no key, and the line is
  // skipped. "axiom= F": the key is read, and the blank becomes part of the value.
  void checkSpacedKeys() {
    static constexpr std::array<std::string_view, 5> kWords = {"axiom", "gamma", "steps", "ignore",
                                                               "consider"};
    for (std::size_t index = 0; index < facts_.lines.size(); ++index) {
      const std::string_view line = textOf(facts_.lines[index]);
      for (std::string_view word : kWords) {
        for (std::size_t at = line.find(word); at != std::string_view::npos;
             at = line.find(word, at + 1)) {
          std::size_t after = at + word.size();
          std::size_t equals = after;
          while (equals < line.size() && isBlank(line[equals])) ++equals;
          if (equals == after || equals >= line.size() || line[equals] != '=') continue;
          error(index, after,
                Quoted(std::string(line.substr(at, equals + 1 - at))) + " is not the key " +
                    Quoted(std::string(word) + "=") +
                    ": blanks before '=' are not allowed, and this line is not read");
        }
        const std::string key = std::string(word) + "=";
        const std::size_t at = line.find(key);
        if (at != 0 || word == "gamma" || word == "steps") continue;
        if (key.size() < line.size() && isBlank(line[key.size()])) {
          warning(index, key.size(),
                  "the blank after " + Quoted(key) + " is read as a " +
                      (word == "axiom" ? "module of the axiom" : "context symbol") +
                      ": write the value right after '='");
        }
      }
    }
  }

  // A key is found anywhere in its line, but its value is read from a fixed column.
  void checkKeyColumns() {
    for (const DescriptionFacts::Key& key : facts_.keys) {
      if (key.key == LineKey::kRule || key.column == 0) continue;
      if (key.line == 0 && startsWithMark() && key.column == kByteOrderMark.size()) continue;
      const std::size_t valueColumn = ValueColumn(key.key);
      error(key.line, key.column,
            Quoted(KeyText(key.key)) + " is not at the start of its line, yet the line is read " +
                "as that key with its value taken from the fixed column " +
                std::to_string(valueColumn + 1) +
                ": write keys at the start of the line, and keep them out of comment lines");
    }
  }

  void checkNumbers() {
    for (const DescriptionFacts::NumberLine& number : facts_.numbers) {
      if (number.found) continue;
      const bool atStart = facts_.lines[number.line].find(KeyText(number.key)) == 0;
      if (!atStart) continue;  // reported as a key away from the start of its line
      const std::size_t column = ValueColumn(number.key);
      const std::string& line = facts_.lines[number.line];
      const std::string name = number.key == LineKey::kGamma ? "gamma" : "steps";
      std::string message =
          "no number at the value column after " + Quoted(name + "=") + ": " + name + " becomes 0";
      if (column < line.size() && isBlank(line[column])) {
        message += " (no blank may follow '=')";
      } else if (column < line.size() && (line[column] == '-' || line[column] == '+')) {
        message += " (values are unsigned: no sign)";
      }
      error(number.line, column, message);
    }
  }

  void checkDefinitions() {
    for (std::size_t index = 0; index < facts_.lines.size(); ++index) {
      const std::string_view line = textOf(facts_.lines[index]);
      const std::size_t at = line.find("define");
      if (at == std::string_view::npos) continue;
      if (line.substr(0, at).find_first_not_of(" \t") != std::string_view::npos &&
          line.substr(0, at) != "#") {
        continue;  // prose that mentions the word
      }
      if (at > 0) {
        error(index, 0,
              Quoted(std::string(line.substr(0, at + 6))) +
                  " is not read as a definition: write 'define NAME=VALUE' at the start of the "
                  "line");
        continue;
      }
      if (line.size() < 7 || line[6] != ' ') continue;
      const std::size_t equals = line.find('=', 7);
      if (equals == std::string_view::npos || equals == 7) {
        error(index, 7,
              "a 'define ' line without a name and '=' defines nothing: write "
              "'define NAME=VALUE' (no blanks around '=')");
        continue;
      }
      const std::string_view name = line.substr(7, equals - 7);
      const std::string_view value = line.substr(equals + 1);
      if (isBlank(name.front()) || isBlank(name.back()) ||
          (!value.empty() && isBlank(value.front()))) {
        error(index, isBlank(name.front()) ? 7 : equals,
              "blanks around '=' belong to the definition: its name is " +
                  Quoted(std::string(name)) + " and its value " + Quoted(std::string(value)) +
                  "; write 'define NAME=VALUE'");
      }
    }
  }

  void checkAxiom() {
    if (facts_.axioms.empty()) {
      error(0, 0, "there is no 'axiom=' line: the axiom is empty and nothing grows");
    }
  }

  const DescriptionFacts& facts_;
  std::vector<Diagnostic>& out_;
};

}  // namespace

void CheckLines(const DescriptionFacts& facts, std::vector<Diagnostic>& out) {
  LineChecks(facts, out).run();
}

}  // namespace lsys
