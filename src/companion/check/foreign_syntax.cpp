#include "companion/check/foreign_syntax.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "companion/check/quoting.h"
#include "companion/check/written_words.h"
#include "description/rule.h"

namespace lsys {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (isBlank(text.front()) || text.front() == '\n')) text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

// Another tool's key and the key that works here.
struct ForeignKey {
  std::string_view word;  // lower case, as the line has it before '=' or ':'
  LineKey key;
  std::string_view meaning;
};

constexpr ForeignKey kForeignKeys[] = {
    {"angle", LineKey::kGamma, "the turning angle"},
    {"delta", LineKey::kGamma, "the turning angle"},
    {"gamma", LineKey::kGamma, "the turning angle"},
    {"n", LineKey::kSteps, "the number of steps"},
    {"iterations", LineKey::kSteps, "the number of steps"},
    {"iteration", LineKey::kSteps, "the number of steps"},
    {"generations", LineKey::kSteps, "the number of steps"},
    {"derivation length", LineKey::kSteps, "the number of steps"},
    {"steps", LineKey::kSteps, "the number of steps"},
    {"axiom", LineKey::kAxiom, "the axiom"},
    {"omega", LineKey::kAxiom, "the axiom"},
};

class ForeignSyntax {
 public:
  ForeignSyntax(const DescriptionFacts& facts, std::vector<Diagnostic>& out)
      : facts_(facts), out_(out) {}

  void run() {
    for (std::size_t index = 0; index < facts_.lines.size(); ++index) {
      if (hasKeys(index)) continue;  // read as a key line; other checks speak of it
      const std::string_view line = trimmed(facts_.lines[index]);
      const std::size_t indent = facts_.lines[index].find_first_not_of(" \t");
      checkForeignKey(index, indent, line);
      if (!facts_.dialectMarked) checkDialectLine(index, line);
    }
    if (!facts_.dialectMarked) {
      for (const WrittenWord& word : WrittenWords(facts_)) {
        if (word.rule != nullptr) checkProbability(word);
      }
    }
  }

 private:
  bool hasKeys(std::size_t line) const {
    return std::any_of(facts_.keys.begin(), facts_.keys.end(),
                       [&](const DescriptionFacts::Key& key) { return key.line == line; });
  }

  bool fileHasKey(LineKey key) const {
    return std::any_of(facts_.keys.begin(), facts_.keys.end(), [&](const DescriptionFacts::Key& k) {
      return k.key == key && k.column == 0;
    });
  }

  // "angle=25", "n = 5", "Axiom: F": a word, blanks, '=' or ':', the value.
  void checkForeignKey(std::size_t index, std::size_t column, std::string_view line) {
    const std::size_t separator = line.find_first_of("=:");
    if (separator == std::string_view::npos || separator == 0) return;
    const std::string word = lowered(trimmed(line.substr(0, separator)));
    // The value up to a blank or ',': a caption such as "n=5, delta=25.7" holds several.
    std::string_view value = trimmed(line.substr(separator + 1));
    value = value.substr(0, value.find_first_of(" \t,"));
    for (const ForeignKey& foreign : kForeignKeys) {
      if (word != foreign.word) continue;
      // "axiom =" and "steps =" are this format's keys typed with blanks, reported as such.
      const std::string_view written = trimmed(line.substr(0, separator));
      if (line[separator] == '=' && written == foreign.word &&
          std::string_view(KeyText(foreign.key)).starts_with(written)) {
        return;
      }
      const std::string works = std::string(KeyText(foreign.key)) + std::string(value);
      const bool missing = !fileHasKey(foreign.key);
      out_.push_back({missing ? Severity::kError : Severity::kWarning, index, column,
                      Quoted(std::string(line.substr(0, separator + 1))) +
                          " is not a key of this format, and the line is skipped: " +
                          std::string(foreign.meaning) + " is written " + Quoted(works) +
                          " at the start of the line"});
      return;
    }
  }

  void checkDialectLine(std::size_t index, std::string_view line) {
    const std::string& text = facts_.lines[index];
    const std::size_t arrow = text.find("=>");
    if (arrow != std::string::npos) {
      out_.push_back({Severity::kWarning, index, arrow,
                      "a rule with '=>' is lsys's dialect, read only in a file marked with the "
                      "line '#lsys dialect=1'; here the line is skipped: write the rule with "
                      "'->', or add that line"});
      return;
    }
    // seed=N, cpfg's Seed: N
    const std::string word = lowered(trimmed(line.substr(0, line.find_first_of("=:"))));
    if (word == "seed" && line.find_first_of("=:") != std::string_view::npos) {
      out_.push_back({Severity::kWarning, index, text.find_first_not_of(" \t"),
                      "a seed is read only in a file marked with the line '#lsys dialect=1', "
                      "where it is written 'seed=N'; here the line is skipped and every "
                      "specimen is the same"});
    }
  }

  // F->F[+F]F:0.33: another tool's probability, read here as the modules ':', '0', '.', ...
  void checkProbability(const WrittenWord& word) {
    const std::string& symbols = word.symbols;
    const std::size_t colon = symbols.rfind(':');
    if (colon == std::string::npos || colon + 1 >= symbols.size()) return;
    const std::string_view tail = std::string_view(symbols).substr(colon + 1);
    if (tail.find_first_not_of("0123456789.") != std::string_view::npos) return;
    if (tail.find_first_of("0123456789") == std::string_view::npos) return;
    const Rule& rule = *word.rule->rule;
    const std::string& text = word.rule->text.text;
    const std::string left = text.substr(0, rule.layout.arrow);
    const std::size_t begin = rule.layout.arrow + 2;
    const std::string successor = text.substr(begin, rule.layout.moduleColumns[colon] - begin);
    out_.push_back({Severity::kWarning, word.line, word.columns[colon],
                    Quoted(":" + std::string(tail)) +
                        " looks like another tool's rule probability, but here it adds the "
                        "modules " +
                        Quoted(":" + std::string(tail)) +
                        " to the successor; a probability is written on a '=>' rule in a file "
                        "marked with the line '#lsys dialect=1': " +
                        Quoted(left + "=>" + successor + ":" + std::string(tail))});
  }

  const DescriptionFacts& facts_;
  std::vector<Diagnostic>& out_;
};

}  // namespace

void CheckForeignSyntax(const DescriptionFacts& facts, std::vector<Diagnostic>& out) {
  ForeignSyntax(facts, out).run();
}

}  // namespace lsys
