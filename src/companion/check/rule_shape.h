// The left part of each rule line: whether the loader found a rule in it, and what it read
// when the line holds more than one rule's worth of symbols.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

class Rule;

// Whether the rule's left part holds a predecessor and no more symbols than its marks call for.
// A rule that fails this is most likely a comment line read as a rule, or a rule in another
// tool's syntax; it is reported once, and the other checks pass it over.
bool HasRuleShape(const Rule& rule);

// Appends an error for every rule without that shape, saying which symbols are read as the
// contexts and the predecessor and why the others are not (blanks, contexts of several
// symbols, another tool's probability, a comment), and a warning for a blank after '->'.
void CheckRuleShapes(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
