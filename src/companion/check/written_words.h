// The words a description writes, as the loader read them: each axiom and each successor with
// the line column of every module symbol. The structural checks walk these, so they see
// exactly the modules the derivation will see.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "companion/check/description_facts.h"

namespace lsys {

struct WrittenWord {
  std::size_t line;
  const DescriptionFacts::RuleLine* rule;  // the rule whose successor it is; nullptr for an axiom
  std::string symbols;                     // one per module, in order
  std::vector<std::size_t> columns;        // the line column of each symbol
};

// Every axiom line, then every successor of a rule that has a rule's shape (HasRuleShape, in
// rule_shape.h), in file order.
std::vector<WrittenWord> WrittenWords(const DescriptionFacts& facts);

// The successor as the rule holds it: each module symbol followed by its argument texts in
// parentheses, as in F(x*2)[+A(x)].
std::string SuccessorForm(const DescriptionFacts::RuleLine& line);

}  // namespace lsys
