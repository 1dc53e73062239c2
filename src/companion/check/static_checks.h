// The checks of a description that need no derivation: how each line was read. The
// expressions are checked in expression_checks.h.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

// Appends a diagnostic for every line whose reading differs from what its text suggests: keys
// with blanks around '=' or away from the start of their line, a byte-order mark, comment lines
// read as keys, definitions that define something else, a missing axiom. Rule lines are
// checked in rule_shape.h.
void CheckLines(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
