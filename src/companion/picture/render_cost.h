// A forecast of what POV-Ray will spend on the companion's scene, from what the scene holds:
// its parse time and peak memory grow with the number of primitives, its trace time with the
// pixels. The figures are rough (within a factor of about two on an ordinary machine), enough
// to warn before a render that would take minutes or exhaust memory.
#pragma once

#include <string>

#include "companion/picture/scene_plan.h"

namespace lsys {

struct RenderCost {
  double parseSeconds = 0.0;  // reading the scene and building its bounding hierarchy
  double traceSeconds = 0.0;  // of one core
  double bytes = 0.0;         // peak memory of the POV-Ray process
  double seconds() const { return parseSeconds + traceSeconds; }
};

RenderCost EstimateRenderCost(const ScenePlan& plan, int width, int height, bool antialias);

// "12 s and 350 MB": the whole time (parse and trace) and the memory, rounded.
std::string CostSummary(const RenderCost& cost);

// A render above either is worth a warning first.
inline constexpr double kSlowRenderSeconds = 60.0;
inline constexpr double kLargeRenderBytes = 4.0 * 1024 * 1024 * 1024;

}  // namespace lsys
