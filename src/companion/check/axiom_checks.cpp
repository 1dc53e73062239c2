#include "companion/check/axiom_checks.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

#include "companion/check/quoting.h"

namespace lsys {
namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool isNameChar(char c) { return isWordChar(c) || c == '_'; }

std::string number(float value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
  return buffer;
}

class AxiomValues {
 public:
  AxiomValues(const DescriptionFacts& facts, const DescriptionFacts::AxiomLine& axiom,
              std::vector<Diagnostic>& out)
      : facts_(facts), axiom_(axiom), line_(facts.lines[axiom.line]), out_(out) {
    text_ = std::string_view(line_);
    if (!text_.empty() && text_.back() == '\n') text_.remove_suffix(1);
  }

  void run() {
    const std::vector<AxiomValue>& values = axiom_.layout.values;
    std::size_t reportedModule = std::string::npos;
    for (const AxiomValue& value : values) {
      const std::size_t module = moduleOf(value.column);
      if (module == std::string::npos || module == reportedModule) continue;
      if (checkValue(value, module)) reportedModule = module;
    }
    checkDefinitionWords();
  }

 private:
  // The index of the module whose parameter list holds the column; npos before the first.
  std::size_t moduleOf(std::size_t column) const {
    const std::vector<std::size_t>& modules = axiom_.layout.moduleColumns;
    std::size_t found = std::string::npos;
    for (std::size_t k = 0; k < modules.size() && modules[k] < column; ++k) found = k;
    return found;
  }

  // Whether the value was reported: it is read other than written.
  bool checkValue(const AxiomValue& value, std::size_t module) {
    const std::size_t at = value.column;
    const char first = at < text_.size() ? text_[at] : '\0';
    const char after = value.end < text_.size() ? text_[value.end] : '\0';
    std::size_t column = at;
    std::string why;
    std::string fix = startRule();
    if (!value.found) {
      if (first == ',' || first == ')' || first == '\0') return false;  // an empty value, 0
      const std::string name = nameAt(at);
      if (!name.empty() && isDefinition(name)) {
        why = Quoted(name) + " is a definition, but the axiom is not substituted";
      } else {
        why =
            "the axiom takes unsigned numbers only (digits and '.'), no sign, name or "
            "expression";
      }
    } else if (first == '.') {
      why = "a value that begins with '.' is read, but its characters become modules too";
      fix = "write " + Quoted("0" + std::string(text_.substr(at, runEnd(at) - at)));
    } else if (after != '\0' && after != ',' && after != ')' && after != '(') {
      column = value.end;
      why = "the axiom takes unsigned numbers only (digits and '.'), and the value ends at " +
            Quoted(std::string(1, after));
    } else {
      return false;
    }
    const std::size_t begin = axiom_.layout.moduleColumns[module];
    const std::size_t end = closeAfter(at);
    out_.push_back({Severity::kError, axiom_.line, column,
                    why + ": " + Quoted(text_.substr(begin, end - begin)) + " is read as " +
                        Quoted(readForm(module, end)) + "; " + fix});
    return true;
  }

  // A rule computes what the axiom cannot hold: a start symbol rewritten into the axiom.
  std::string startRule() const {
    const std::string symbol(1, startSymbol());
    return "start from a symbol whose rule writes the value: axiom=" + symbol + " with the rule " +
           symbol + "->" + std::string(text_.substr(ValueColumn(LineKey::kAxiom))) +
           ", and one step more";
  }

  std::size_t runEnd(std::size_t at) const {
    while (at < text_.size() &&
           (std::isdigit(static_cast<unsigned char>(text_[at])) || text_[at] == '.')) {
      ++at;
    }
    return at;
  }

  std::string nameAt(std::size_t at) const {
    std::size_t end = at;
    while (end < text_.size() && isNameChar(text_[end])) ++end;
    return std::string(text_.substr(at, end - at));
  }

  bool isDefinition(std::string_view name) const {
    for (const Definition& definition : facts_.definitions) {
      if (definition.name == name) return true;
    }
    return false;
  }

  // The column after the ')' that ends the list holding the column, or the line's end.
  std::size_t closeAfter(std::size_t column) const {
    const std::size_t close = text_.find(')', column);
    return close == std::string_view::npos ? text_.size() : close + 1;
  }

  // The modules from the one at the index up to the column, as the word holds them.
  std::string readForm(std::size_t module, std::size_t end) const {
    const std::vector<std::size_t>& modules = axiom_.layout.moduleColumns;
    std::string form;
    for (std::size_t k = module; k < modules.size() && modules[k] < end; ++k) {
      form.push_back(text_[modules[k]]);
      const std::size_t next = k + 1 < modules.size() ? modules[k + 1] : std::string::npos;
      bool first = true;
      for (const AxiomValue& value : axiom_.layout.values) {
        if (value.column <= modules[k] || value.column > next) continue;
        form += first ? '(' : ',';
        form += number(value.value);
        first = false;
      }
      if (!first) form += ')';
    }
    return form;
  }

  // A capital letter that no line of the file uses, for the start rule of the hint.
  char startSymbol() const {
    for (char candidate : std::string_view("SZQXYWVUTRPONMKJIHEDCBA")) {
      bool used = false;
      for (const std::string& line : facts_.lines)
        used = used || line.find(candidate) != std::string::npos;
      if (!used) return candidate;
    }
    return 'S';
  }

  // A definition name of two or more characters written as a word of the axiom is read as
  // that many modules: the axiom is not substituted.
  void checkDefinitionWords() {
    for (const Definition& definition : facts_.definitions) {
      const std::string& name = definition.name;
      if (name.size() < 2) continue;
      const std::size_t from = ValueColumn(LineKey::kAxiom);
      for (std::size_t at = text_.find(name, from); at != std::string_view::npos;
           at = text_.find(name, at + 1)) {
        const bool startsWord = at == 0 || !isWordChar(text_[at - 1]);
        const std::size_t end = at + name.size();
        const bool endsWord = end >= text_.size() || !isWordChar(text_[end]);
        if (!startsWord || !endsWord) continue;
        if (at > from && (text_[at - 1] == '(' || text_[at - 1] == ',')) continue;  // a value
        out_.push_back({Severity::kWarning, axiom_.line, at,
                        Quoted(name) +
                            " is a definition, but the axiom is not substituted: it "
                            "holds the " +
                            std::to_string(name.size()) + " modules " + Quoted(name) +
                            "; write the value " + Quoted(definition.value) +
                            " itself in the axiom"});
        break;
      }
    }
  }

  const DescriptionFacts& facts_;
  const DescriptionFacts::AxiomLine& axiom_;
  const std::string& line_;
  std::string_view text_;
  std::vector<Diagnostic>& out_;
};

}  // namespace

void CheckAxiomValues(const DescriptionFacts& facts, std::vector<Diagnostic>& out) {
  for (const DescriptionFacts::AxiomLine& axiom : facts.axioms) {
    AxiomValues(facts, axiom, out).run();
  }
}

}  // namespace lsys
