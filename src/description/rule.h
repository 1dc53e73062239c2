// One production of the L-system: predecessor symbol, optional one-symbol contexts, formal
// parameter names, conditions and a successor template, filled from a rule text such as
// A(x)<B(y)>E(z):(x>y,z<2)->F(x*2)[+B(y)].
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "derivation/module_string.h"
#include "derivation/template_string.h"

namespace lsys {

class Output;

// Columns [begin, end) of the rule text.
struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// Where the parser found each part of a rule text, for tools that point at a part of it. The
// parser fills it as it cuts the text; the derivation never reads it.
struct RuleLayout {
  static constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

  std::size_t arrow = 0;  // column of the arrow ("->"), or the text's length without one
  // Every symbol character of the left part outside parentheses, blanks included; the parser
  // uses the first three, a well-formed rule has one to three.
  std::vector<std::size_t> symbolColumns;
  std::size_t leftColumn = kNoColumn;         // the left-context symbol
  std::size_t predecessorColumn = kNoColumn;  // the predecessor symbol
  std::size_t rightColumn = kNoColumn;        // the right-context symbol
  // The name groups that make up parameterNames, in its order, empty ones included.
  std::vector<TextSpan> nameGroups;
  TextSpan conditionList;            // the text between "(" after ':' and the closing character
  std::vector<TextSpan> conditions;  // one per condition text
  // The successor: the column of each module's symbol, and each argument expression with the
  // index of the module it belongs to (in template order).
  std::vector<std::size_t> moduleColumns;
  struct Argument {
    std::size_t module;
    TextSpan span;
  };
  std::vector<Argument> arguments;
  // The first ')' of the successor part that closed more than was open. While the depth stays
  // below 0 nothing is added; a '(' that brings it back to 0 is itself a module, and reading
  // goes on after it: A->B)(C gives the successor B(C.
  std::size_t unmatchedClose = kNoColumn;
  // The '(' of the successor part whose argument list is still open at the end of the text:
  // its arguments and everything after it add nothing (A->F(x[+A] gives the successor F).
  std::size_t unclosedOpen = kNoColumn;
};

class Rule {
 public:
  Rule() = default;
  Rule(const Rule&) = delete;
  Rule& operator=(const Rule&) = delete;

  // Prints the rule text and a line feed, then fills the rule from the text (read).
  void parse(const std::string& text, Output& out);
  // Fills the rule from the text by columns, printing nothing. Nothing is rejected: a malformed
  // text yields whatever the column rules make of it, and a symbol that the marks call for but
  // the text lacks is NUL, which matches no module. Called once, on a fresh rule.
  void read(const std::string& text);
  // The same with another two-character arrow between the left part and the successor (the
  // dialect's "=>").
  void read(const std::string& text, std::string_view arrow);

  // Prints the rule report: " Regel: " with the rule reduced to its symbols, the flags line,
  // the parameter names and the conditions.
  void report(Output& out) const;
  // Prints "Parameterbedingungen: (c1)&&(c2)\n".
  void reportConditions(Output& out) const;

  std::vector<std::string> conditions;
  TemplateString successor;
  std::string parameterNames;  // comma-separated: left context's, predecessor's, right context's
  bool contextSensitive = false;
  std::size_t conditionPos = 0;  // column of ':'; 0 means no conditions
  char leftContext = '\0';
  char rightContext = '\0';
  char predecessor = '\0';
  std::size_t leftContextPos = 0;   // column of '<'; 0 means no left context
  std::size_t rightContextPos = 0;  // column of '>'; 0 means no right context
  // The dialect's weight expression (":PROB" after the successor), for a dialect rule that has
  // one; never for a rule of the specified format.
  bool weighted = false;
  std::string probability;
  bool hasProbability() const { return weighted; }

  RuleLayout layout;  // where each part stands in the rule text

 private:
  void scanLeftPart(const std::string& text, std::string_view arrow);
  void takeSymbols(const std::string& text);
  void cutParameterNames(const std::string& text);
  void splitConditions(const std::string& text);
  void readSuccessor(const std::string& text);
};

}  // namespace lsys
