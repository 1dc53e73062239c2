#include "companion/check/written_words.h"

#include "companion/check/rule_shape.h"
#include "description/rule.h"

namespace lsys {

std::vector<WrittenWord> WrittenWords(const DescriptionFacts& facts) {
  std::vector<WrittenWord> words;
  for (const DescriptionFacts::AxiomLine& axiom : facts.axioms) {
    words.push_back({axiom.line, nullptr, axiom.symbols, axiom.layout.moduleColumns});
  }
  for (const DescriptionFacts::RuleLine& line : facts.rules) {
    const Rule& rule = *line.rule;
    if (!HasRuleShape(rule)) continue;
    WrittenWord word{line.line, &line, {}, {}};
    for (std::size_t column : rule.layout.moduleColumns) {
      word.symbols.push_back(line.text.text[column]);
      word.columns.push_back(LineColumnOf(column, line.text.substitutions));
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::string SuccessorForm(const DescriptionFacts::RuleLine& line) {
  const RuleLayout& layout = line.rule->layout;
  const std::string& text = line.text.text;
  std::string form;
  std::size_t argument = 0;
  for (std::size_t module = 0; module < layout.moduleColumns.size(); ++module) {
    form.push_back(text[layout.moduleColumns[module]]);
    bool first = true;
    for (; argument < layout.arguments.size() && layout.arguments[argument].module == module;
         ++argument) {
      const TextSpan span = layout.arguments[argument].span;
      form += first ? '(' : ',';
      form += text.substr(span.begin, span.end - span.begin);
      first = false;
    }
    if (!first) form += ')';
  }
  return form;
}

}  // namespace lsys
