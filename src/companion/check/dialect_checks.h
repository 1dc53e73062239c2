// The checks of a file marked for the grower's dialect: what its dialect lines hold that is
// wrong, module names that the dialect makes commands, dialect lines that lsys2pov reads too,
// and a note of the lines lsys2pov passes over.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

class LSystem;

// Appends the diagnostics of the dialect that was loaded into the L-system (nothing for a
// file read without it, but an unknown dialect version).
void CheckDialect(const LSystem& lsystem, const DescriptionFacts& facts,
                  std::vector<Diagnostic>& out);

}  // namespace lsys
