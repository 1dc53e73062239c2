// The axiom's values as the loader read them. The axiom takes unsigned decimals only and is
// not substituted, so a sign, an expression or a definition name in it changes the word.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

// Appends an error at the first value of each parameter list that is not read as written (no
// number there, a number with more text after it, a leading point), saying what the axiom
// holds instead and how a start rule writes it; and a warning for each definition name of
// two or more characters that stands in the axiom as modules.
void CheckAxiomValues(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
