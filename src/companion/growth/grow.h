// Grows a description for the companion's commands: loads it, derives it step by step and
// runs the turtle, all with the run record's console discarded, reporting each step to the
// caller instead of printing the generations.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "app/lsystem.h"

namespace lsys {

struct StepReport {
  int step = 0;
  std::size_t modules = 0;  // length of the generation this step produced
  std::chrono::duration<double> time{};
};

// Loads the description into lsystem (false, with the record untouched beyond the loader's
// doing, when it cannot be read), replaces its step count by steps when given, derives with
// onStep called after every step, and runs the turtle. The discarding console must outlive
// lsystem's use of it.
bool GrowQuietly(LSystem& lsystem, const std::string& path, std::optional<int> steps, Output& quiet,
                 const std::function<void(const StepReport&)>& onStep);

}  // namespace lsys
