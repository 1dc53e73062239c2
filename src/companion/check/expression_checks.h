// The expression half of the checks that need no derivation.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

// Appends a diagnostic for every rule whose parameter names the expression library rejects, and
// for every condition and argument that fails to parse, at the column of the error.
void CheckExpressions(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
