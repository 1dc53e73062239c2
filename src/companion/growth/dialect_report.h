// What the companion tells about a dialect file it grew: the faults its dialect lines hold and
// the warnings of the derivation, on standard error in the compiler form
// "FILE:LINE:COLUMN: error|warning: message" (the derivation's warnings name the rule's line).
#pragma once

#include <string>

namespace lsys {

class LSystem;

// Writes them; nothing for a file without dialect problems.
void ReportDialectProblems(const LSystem& lsystem, const std::string& path);

}  // namespace lsys
