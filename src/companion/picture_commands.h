// Registration of `lsys render`, `lsys export` and `lsys info` with the lsys command line.
#pragma once

namespace CLI {
class App;
}

namespace lsys {

// Adds the three subcommands to app. When one of them runs, its exit code is stored in
// exitCode, which must outlive app's parsing.
void AddPictureCommands(CLI::App& app, int& exitCode);

}  // namespace lsys
