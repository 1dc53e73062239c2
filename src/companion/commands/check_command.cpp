#include "companion/commands/check_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "common/output.h"
#include "companion/check/check_description.h"
#include "companion/commands/dialect_flags.h"

namespace lsys {
namespace {

struct CheckOptions {
  std::vector<std::string> files;
  bool werror = false;
  DialectFlags dialect;
};

// Checks every file and prints what it found; true when none has an error (or, with werror,
// a warning) and all could be read.
bool runCheck(const CheckOptions& options) {
  Output errors = Output::ToDescriptor(STDERR_FILENO);
  bool clean = true;
  for (const std::string& path : options.files) {
    const CheckResult result = CheckDescription(path, {}, options.dialect.choice());
    if (!result.readable) {
      errors.text(path);
      errors.text(": error: cannot open or read the file\n");
      clean = false;
      continue;
    }
    for (const Diagnostic& diagnostic : result.diagnostics) {
      PrintDiagnostic(errors, path, result.lines, diagnostic);
      if (diagnostic.severity == Severity::kError ||
          (diagnostic.severity == Severity::kWarning && options.werror)) {
        clean = false;
      }
    }
  }
  errors.flush();
  return clean;
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* check = app.add_subcommand(
      "check",
      "Tell what the description files will do that their author probably did not mean: "
      "lines read other than they look, expressions that fail to parse, brackets and "
      "argument lists that do not pair, axiom values the axiom cannot hold, rules that never "
      "apply, other tools' syntax, and what a quiet, bounded dry run shows. Prints diagnostics on "
      "standard error "
      "as FILE:LINE:COLUMN: error|warning: message, and nothing for a clean file. Exit code 1 "
      "when any file has an error or cannot be read, else 0.");
  check->add_option("FILE", options->files, "Description files to check")->required();
  check->add_flag("--werror", options->werror, "Fail on warnings too");
  options->dialect.addTo(*check);
  check->callback([options, &exitCode] { exitCode = runCheck(*options) ? 0 : 1; });
}

}  // namespace lsys
