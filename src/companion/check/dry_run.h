// The dry run of `lsys check`: the derivation and the turtle run quietly on the loaded system,
// bounded in modules and time, and what they did that the author may not expect is reported.
#pragma once

#include <vector>

#include "companion/check/check_description.h"
#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

class LSystem;

// Grows the loaded system (its console must discard) and appends diagnostics: rules applied
// to modules with fewer values than names, the predicted size when steps grow the word beyond
// memory, zero-length or non-finite segments, and a drawing wider or taller than the camera
// frames. The turtle runs only when every step could be derived within the limits.
void DryRun(LSystem& lsystem, const DescriptionFacts& facts, const CheckLimits& limits,
            std::vector<Diagnostic>& out);

}  // namespace lsys
