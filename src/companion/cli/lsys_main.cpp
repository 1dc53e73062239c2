// lsys: the companion tool of lsys2pov. Each subcommand registers itself from its own file in
// companion/commands/.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>

#include "companion/commands/animate_command.h"
#include "companion/commands/check_command.h"
#include "companion/commands/export_command.h"
#include "companion/commands/info_command.h"
#include "companion/commands/render_command.h"
#include "companion/commands/view_command.h"

#ifndef LSYS_VERSION
#define LSYS_VERSION "0.1"
#endif

namespace {

// Reads the command line and runs the chosen subcommand; returns the exit code.
int runCommandLine(int argc, char** argv) {
  CLI::App app("lsys: tools for L-system description files", "lsys");
  app.set_version_flag("--version", "lsys " LSYS_VERSION);
  app.require_subcommand(1);
  app.footer(
      "A file with the line \"#lsys dialect=1\" is read with the grower's dialect: stochastic "
      "rules written with \"=>\" and a seed, tropism and the cut '%' (docs/format.md, "
      "\"Dialect\"); lsys2pov passes over those lines. --dialect=off reads such a file as "
      "lsys2pov does, and --seed N grows another specimen.");
  int exitCode = 0;
  lsys::AddCheckCommand(app, exitCode);
  lsys::AddRenderCommand(app, exitCode);
  lsys::AddExportCommand(app, exitCode);
  lsys::AddInfoCommand(app, exitCode);
  lsys::AddAnimateCommand(app, exitCode);
  lsys::AddViewCommand(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;  // a usage error
  }
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return runCommandLine(argc, argv);
  } catch (const std::bad_alloc&) {
    // A growth beyond memory: say so instead of aborting.
    std::fputs("lsys: out of memory\n", stderr);
    return 1;
  } catch (const std::length_error&) {
    // A container asked for more than it can ever hold: memory ran out all the same.
    std::fputs("lsys: out of memory\n", stderr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "lsys: %s\n", error.what());
  } catch (...) {
    std::fputs("lsys: an unexpected failure\n", stderr);
  }
  return 1;
}
