// `lsys check`: what a description file will do that its author probably did not mean. The
// loader tells what it recognised on each line (load events); the checker compares that with
// the text, parses every expression, and grows the system quietly within bounds to see what
// the derivation and the turtle make of it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "companion/check/diagnostic.h"
#include "description/load_dialect.h"

namespace lsys {

// The dry run is bounded by work, never by time, so that a file gets the same diagnostics on a
// busy machine as on an idle one.
struct CheckLimits {
  // The dry run stops before a step whose generation could exceed this many modules, or whose
  // work could bring the run's total beyond maxWork. A step's work is its evaluations
  // (conditions and arguments), the modules it rewrites and a fixed cost of a hundred, so that
  // a word that never grows cannot run through millions of steps either.
  std::size_t maxModules = 2'000'000;
  std::size_t maxWork = 10'000'000;
  // What the machine can hold; 0 asks the system for its physical memory.
  std::size_t memoryBytes = 0;
};

struct CheckResult {
  bool readable = false;                // false when the file could not be opened or read
  std::vector<std::string> lines;       // the file's lines, as the loader split them
  std::vector<Diagnostic> diagnostics;  // ordered by line, then column
};

// Checks the description at the path, with its dialect as the choice says. Prints nothing: the
// caller prints the diagnostics.
CheckResult CheckDescription(const std::string& path, const CheckLimits& limits = {},
                             const DialectChoice& dialect = {});

}  // namespace lsys
