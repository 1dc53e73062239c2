// The options every subcommand that reads a description takes for the grower's dialect:
// --dialect=off reads a marked file as lsys2pov does, --seed N replaces the file's seed=.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "companion/growth/grow.h"

namespace CLI {
class App;
}

namespace lsys {

struct DialectFlags {
  std::string mode = "auto";
  std::optional<std::uint64_t> seed;

  // Adds --dialect and --seed to the command; the object must outlive the parsing.
  void addTo(CLI::App& command);
  DialectChoice choice() const;
};

}  // namespace lsys
