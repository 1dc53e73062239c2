#include "companion/growth/dialect_report.h"

#include <unistd.h>

#include "app/lsystem.h"
#include "common/output.h"

namespace lsys {

void ReportDialectProblems(const LSystem& lsystem, const std::string& path) {
  const DialectOptions& dialect = lsystem.dialect;
  if (dialect.issues.empty() && dialect.warnings.empty()) return;
  Output errors = Output::ToDescriptor(STDERR_FILENO);
  auto place = [&](std::size_t line, std::size_t column) {
    errors.text(path);
    errors.character(':');
    errors.integer(static_cast<std::int64_t>(line + 1));
    errors.character(':');
    errors.integer(static_cast<std::int64_t>(column + 1));
    errors.text(": ");
  };
  for (const DialectIssue& issue : dialect.issues) {
    place(issue.line, issue.column);
    errors.text(issue.error ? "error: " : "warning: ");
    errors.text(issue.message);
    errors.character('\n');
  }
  for (const DialectWarning& warning : dialect.warnings) {
    const DialectRule& rule = dialect.rules[warning.rule];
    place(rule.line, rule.weightColumn != static_cast<std::size_t>(-1)
                         ? LineColumnOf(rule.weightColumn, rule.text.substitutions)
                         : 0);
    errors.text("warning: ");
    errors.text(warning.message);
    errors.character('\n');
  }
  errors.flush();
}

}  // namespace lsys
