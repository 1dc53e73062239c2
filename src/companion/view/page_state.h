// The state of the page as the server pushes it, in JSON: whether a plant is growing, ready or
// broken, the counts of the plant on screen, the step count and its limit for the slider, the
// seed, and the diagnostics of a broken file in the FILE:LINE:COLUMN form of `lsys check`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace lsys {

enum class GrowthState { kGrowing, kReady, kError };

struct PageState {
  GrowthState state = GrowthState::kGrowing;
  std::string file;  // the description's file name, without its folder
  int steps = 0;     // of the plant on screen, or being grown
  int maxSteps = 0;  // the slider's end: the file's step count, or more if asked for
  std::optional<std::uint64_t> seed;
  std::size_t segments = 0;  // of the plant on screen
  std::size_t polygons = 0;
  std::size_t modules = 0;
  std::uint64_t plant = 0;  // which GLB is on screen: one more with each plant grown
  std::string diagnostics;  // of the last growth, when it failed
  double seconds = 0.0;     // the last growth took, check and file included
};

std::string StateJson(const PageState& state);

// The text as a JSON string, quotes included.
std::string JsonString(const std::string& text);

}  // namespace lsys
