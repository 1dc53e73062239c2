#include "companion/commands/progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "companion/commands/command_support.h"
#include "companion/growth/dialect_report.h"
#include "companion/text/visible_text.h"

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
  // Paths reach the terminal here: their control characters are shown, not obeyed.
  const std::string visible = VisibleText(text);
  std::fprintf(stderr, "%s\n", visible.c_str());
}

bool GrowWithProgress(LSystem& lsystem, const GrowthRequest& request, Output& quiet,
                      const Progress& progress) {
  OnEachStep observer([&](const StepReport& report) { progress.step(report); });
  const GrowthResult result = GrowQuietly(lsystem, request, quiet, observer);
  if (result.growth != Growth::kGrown) {
    ReportGrowthFailure(result, request);
    return false;
  }
  ReportDialectProblems(lsystem, request.path);
  return true;
}

void ReportGrowthFailure(const GrowthResult& result, const GrowthRequest& request) {
  switch (result.growth) {
    case Growth::kGrown:
      return;
    case Growth::kUnreadable:
      ReportError("cannot read " + request.path);
      return;
    case Growth::kOverBudget:
      ReportError(request.path + ": " + OverBudgetMessage(result, request.maxModules));
      return;
    case Growth::kStopped:
      ReportError(request.path + ": the growth was stopped");
      return;
  }
}

}  // namespace lsys
