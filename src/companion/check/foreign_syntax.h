// Lines written in another tool's syntax, or in lsys's own dialect without its marker: the
// loader skips them or reads them otherwise, and the message names the spelling that works.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

// Appends a diagnostic for every line that starts with another tool's key for the angle, the
// steps or the axiom (an error when the file lacks the key that works, else a warning); and,
// in a file without the line "#lsys dialect=1", a warning for every '=>' rule, 'seed=' or
// cpfg 'Seed:' line, and successor that ends in a probability such as ':0.3'.
void CheckForeignSyntax(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
