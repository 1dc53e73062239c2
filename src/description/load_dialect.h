// Loading a description for the companion: the specified load, followed by the grower's
// dialect when the file is marked and the caller does not switch it off.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "description/load_events.h"

namespace lsys {

class LSystem;

enum class DialectSwitch {
  kAsMarked,  // a file marked "#lsys dialect=1" is read with its dialect
  kOff,       // every file is read as lsys2pov reads it
};

// How a caller reads the grower's dialect: whether at all, and a seed that replaces the file's.
struct DialectChoice {
  DialectSwitch mode = DialectSwitch::kAsMarked;
  std::optional<std::uint64_t> seed;
};

// LoadDescription with the listener, then, for a marked file unless the switch is kOff,
// LoadDialect on the same lines and definitions. The listener hears exactly what
// LoadDescription tells it. Returns false when the file cannot be read.
bool LoadDescription(LSystem& lsystem, const std::string& path, LoadListener& listener,
                     DialectSwitch dialect);

}  // namespace lsys
