// The checks of a description that need no derivation: how each line was read. The
// expressions are checked in expression_checks.h.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

class Rule;

// Whether the rule's left part holds a predecessor and no more symbols than its marks call for.
// A rule that fails this is most likely a comment line read as a rule; it is reported once, and
// the other checks pass it over.
bool HasRuleShape(const Rule& rule);

// Appends a diagnostic for every line whose reading differs from what its text suggests: keys
// with blanks around '=' or away from the start of their line, a byte-order mark, comment lines
// read as keys or rules, definitions that define something else, a missing axiom, rule left
// parts with surplus symbols.
void CheckLines(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
