#include "companion/commands/progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "companion/commands/command_support.h"
#include "companion/growth/dialect_report.h"

namespace lsys {

Progress::Progress(bool quiet) : enabled_(!quiet && ::isatty(STDERR_FILENO) == 1) {}

Progress Progress::Forced(bool enabled) { return Progress(ForcedTag{}, enabled); }

std::string StepLine(const StepReport& report) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "step %d: %zu modules (%.3f s)", report.step, report.modules,
                report.time.count());
  return buffer;
}

void Progress::step(const StepReport& report) const { line(StepLine(report)); }

void Progress::line(std::string_view text) const {
  if (!enabled_) return;
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

bool GrowWithProgress(LSystem& lsystem, const std::string& description, std::optional<int> steps,
                      Output& quiet, const Progress& progress, const DialectChoice& dialect) {
  OnEachStep observer([&](const StepReport& report) { progress.step(report); });
  switch (GrowQuietly(lsystem, description, steps, quiet, observer, dialect)) {
    case Growth::kGrown:
      ReportDialectProblems(lsystem, description);
      return true;
    case Growth::kUnreadable:
      ReportError("cannot read " + description);
      return false;
    case Growth::kStopped:
      break;
  }
  return false;
}

}  // namespace lsys
