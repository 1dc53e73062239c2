// The grower's dialect on the run record: what a file marked "#lsys dialect=1" adds to the
// specified format (weighted rules with the arrow "=>", a seed, tropism and the cut), read
// by the companion only. Everything here is off by default, and a run that never loads the
// dialect grows exactly as the specified format says.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "description/load_events.h"
#include "description/rule.h"

namespace lsys {

// A "=>" rule as read: the rule (its probability holds the weight text, if any), where it
// stands, and its text after substitution.
struct DialectRule {
  std::unique_ptr<Rule> rule;
  std::size_t line = 0;  // index of its line in the file
  RuleText text;         // the whole rule text, the weight included
  // Column of the weight in text.text, or npos without one.
  std::size_t weightColumn = static_cast<std::size_t>(-1);
};

// Something the dialect's loader found wrong in a line. Errors leave the construct out (a
// malformed key keeps its default, a rule stays but its faulty weight reads 0); warnings
// change nothing.
struct DialectIssue {
  bool error = true;
  std::size_t line = 0;    // index of the line in the file
  std::size_t column = 0;  // column in that line
  std::string message;
};

// A warning of the derivation about a dialect rule (a weight that chose no rule), made once per
// rule in a run.
struct DialectWarning {
  std::size_t rule = 0;  // index in DialectOptions::rules
  std::string message;
};

struct DialectOptions {
  bool enabled = false;  // the marker was found and the dialect is read
  std::size_t markerLine = 0;
  std::uint64_t seed = 1;
  std::size_t seedLine = static_cast<std::size_t>(-1);  // the line that set it, or npos
  // The tropism vector in the picture's frame (y up), as written; no bending while the
  // elasticity is 0.
  std::array<double, 3> tropism{0.0, 0.0, 0.0};
  double elasticity = 0.0;
  std::vector<DialectRule> rules;    // in file order
  std::vector<DialectIssue> issues;  // in file order

  // Kept by the derivation: the passes made so far (the next pass is step passesDone + 1) and
  // the warnings it gave.
  std::int32_t passesDone = 0;
  std::vector<DialectWarning> warnings;
};

}  // namespace lsys
