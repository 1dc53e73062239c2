// `lsys view`: a local preview server. Grows the description, serves a page on 127.0.0.1 that
// shows the plant in 3D, and grows it again and pushes it to the page whenever the file is
// saved. Runs until SIGINT or SIGTERM, then exits with 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "companion/growth/grow.h"

namespace CLI {
class App;
}

namespace lsys {

struct ViewRequest {
  std::string description;
  int port = 0;  // 0: any free port
  std::optional<int> steps;
  std::optional<std::uint64_t> seed;
  std::size_t maxModules = kDefaultModuleBudget;
};

// Serves until interrupted. Returns the exit code: 0 after SIGINT or SIGTERM, 1 after a message
// on standard error when the file, the page's files or the port cannot be had.
int ViewDescription(const ViewRequest& request);

void AddViewCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
