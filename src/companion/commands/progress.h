// What the companion's commands tell a person while they work: lines on standard error, only
// when standard error is a terminal and the run is not quiet.
#pragma once

#include <string_view>

#include "companion/growth/grow.h"

namespace lsys {

class Progress {
 public:
  // Enabled when not quiet and standard error is a terminal.
  explicit Progress(bool quiet);
  // For tests and callers that decide themselves.
  static Progress Forced(bool enabled);

  bool enabled() const { return enabled_; }
  // "step N: M modules (T s)".
  void step(const StepReport& report) const;
  // One line of text.
  void line(std::string_view text) const;

 private:
  struct ForcedTag {};
  Progress(ForcedTag, bool enabled) : enabled_(enabled) {}
  bool enabled_;
};

// "step N: M modules (T s)", the line that `lsys info` and the progress print for a step.
std::string StepLine(const StepReport& report);

// Grows the description as GrowQuietly does, showing each step as progress, and reports the
// problems of its dialect lines on standard error. True when it is
// grown; false after a message on standard error when it cannot be read ("cannot read
// DESCRIPTION") or a step would pass the module budget.
bool GrowWithProgress(LSystem& lsystem, const GrowthRequest& request, Output& quiet,
                      const Progress& progress);

// Reports on standard error why a growth did not end grown; nothing for a grown one.
void ReportGrowthFailure(const GrowthResult& result, const GrowthRequest& request);

}  // namespace lsys
