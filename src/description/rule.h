// One production of the L-system: predecessor symbol, optional one-symbol contexts, formal
// parameter names, conditions and a successor template, filled from a rule text such as
// A(x)<B(y)>E(z):(x>y,z<2)->F(x*2)[+B(y)].
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "derivation/module_string.h"
#include "derivation/template_string.h"

namespace lsys {

struct CompiledExpressions;  // kept parses of the rule's expressions, owned by the evaluator

class Rule {
 public:
  Rule() = default;
  Rule(const Rule&) = delete;
  Rule& operator=(const Rule&) = delete;

  // Prints the rule text and a line feed, then fills the rule from the text by columns. Nothing
  // is rejected: a malformed text yields whatever the column rules make of it, and a symbol
  // that the marks call for but the text lacks is NUL, which matches no module.
  void parse(const std::string& text);

  // Prints the rule report: " Regel: " with the rule reduced to its symbols, the flags line,
  // the parameter names and the conditions.
  void report() const;
  // Prints "Parameterbedingungen: (c1)&&(c2)\n".
  void reportConditions() const;

  std::unique_ptr<ModuleString> produced;  // the latest production of the rule
  std::vector<std::string> conditions;
  TemplateString successor;
  std::string parameterNames;  // comma-separated: left context's, predecessor's, right context's
  bool contextSensitive = false;
  int conditionPos = 0;  // column of ':'; 0 means no conditions
  char leftContext = '\0';
  char rightContext = '\0';
  char predecessor = '\0';
  int leftContextPos = 0;   // column of '<'; 0 means no left context
  int rightContextPos = 0;  // column of '>'; 0 means no right context

  // Filled by the first evaluation of the rule's expressions.
  mutable std::shared_ptr<CompiledExpressions> compiled;
};

}  // namespace lsys
