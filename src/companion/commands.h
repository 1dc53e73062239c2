// The subcommands of the lsys companion tool. Each adds itself to the command line; when the
// user chooses it, its callback runs and stores the process's exit code in exitCode, which
// must outlive the parsing of the command line.
#pragma once

namespace CLI {
class App;
}

namespace lsys {

// `lsys check [--werror] FILE...`: prints diagnostics on standard error; exit code 1 when any
// file has an error (or, with --werror, a warning) or cannot be read, else 0.
void AddCheckCommand(CLI::App& app, int& exitCode);

// `lsys render`, `lsys export` and `lsys info`: pictures, meshes and summaries of one
// description, grown quietly (render_command.h says what each does).
void AddPictureCommands(CLI::App& app, int& exitCode);

}  // namespace lsys
