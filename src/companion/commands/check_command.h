// `lsys check [--werror] FILE...`: prints diagnostics on standard error; exit code 1 when any
// file has an error (or, with --werror, a warning) or cannot be read, else 0.
#pragma once

namespace CLI {
class App;
}

namespace lsys {

// Adds `check` to the command line; its callback stores the exit code in exitCode, which must
// outlive the parsing.
void AddCheckCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
