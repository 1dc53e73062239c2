// Which rules can ever apply. A symbolic pass over the loaded rules finds the first generation
// in which each symbol can stand, taking every rule as applicable wherever its predecessor
// stands (contexts and conditions only ever hold it back), so a rule it calls unreachable is
// unreachable for certain.
#pragma once

#include <cstdint>
#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

// Appends a warning for every rule that never applies in the given number of steps: its
// predecessor occurs nowhere, is never produced from the axiom, appears first in the last
// generation (which is drawn, not rewritten) or later, or an earlier rule without contexts and
// conditions rewrites every such module first. With no steps at all, one warning says so.
// Files marked for lsys's dialect are passed over: their '=>' rules produce symbols too.
void CheckReachability(const DescriptionFacts& facts, std::int32_t steps,
                       std::vector<Diagnostic>& out);

}  // namespace lsys
