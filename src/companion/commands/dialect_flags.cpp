#include "companion/commands/dialect_flags.h"

#include <CLI/CLI.hpp>

namespace lsys {

void DialectFlags::addTo(CLI::App& command) {
  command
      .add_option("--dialect", mode,
                  "auto: a file marked \"#lsys dialect=1\" is read with the grower's dialect "
                  "(default); off: every file is read as lsys2pov reads it")
      ->check(CLI::IsMember({"auto", "off"}));
  command.add_option("--seed", seed,
                     "the seed of a dialect file's stochastic rules instead of its seed= line");
}

DialectChoice DialectFlags::choice() const {
  return {mode == "off" ? DialectSwitch::kOff : DialectSwitch::kAsMarked, seed};
}

}  // namespace lsys
