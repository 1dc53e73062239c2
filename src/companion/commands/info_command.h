// `lsys info`: grows a description and summarises what it grew.
#pragma once

#include "companion/growth/grow.h"

#include <optional>
#include <string>

#include "common/output.h"
#include "companion/growth/grow.h"

namespace CLI {
class App;
}

namespace lsys {

struct InfoRequest {
  std::string description;
  std::optional<int> steps;
  DialectChoice dialect;
  std::size_t maxModules = kDefaultModuleBudget;  // --max-modules
};

// Grows the description and prints to out one line per step (modules and time), the counts of
// segments and polygons, the bounding box in turtle coordinates, the size of the scene that
// lsys2pov writes for it and, when something is drawn, POV-Ray's estimated parse time, trace
// time and memory for `lsys render` at its default size. Returns the exit code: 0 on success, 1
// after a message on standard error.
int PrintInfo(const InfoRequest& request, Output& out);

// Adds `info` to the command line; its callback stores the exit code in exitCode, which must
// outlive the parsing.
void AddInfoCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
