#include "companion/picture/render_cost.h"

#include <cmath>
#include <cstdio>

namespace lsys {
namespace {

// Fitted to Debian's POV-Ray 3.7 with scripts/bench-pictures on a shared two-core machine, on
// Fig. 1.24a at 8 steps drawn thick (390,625 cylinders and 195,312 spheres: 2.9 s to parse,
// 15 s to trace, 548 MB) and as strips (15,626 triangles: 0.1 s, 0.4 s, 27 MB), at 9 steps as
// strips (32,892 triangles: 0.2 s, 0.4 s, 31 MB) and on the book's bush (14,262 triangles of
// strips and leaves: 0.1 s, 1.0 s, 27 MB). The memory figures are the firmer ones.
constexpr double kStartSeconds = 0.3;
constexpr double kStartBytes = 25e6;
constexpr double kSecondsPerStem = 7e-6;  // cone or cylinder
constexpr double kBytesPerStem = 1000;
constexpr double kSecondsPerJoint = 4e-6;  // sphere
constexpr double kBytesPerJoint = 450;
constexpr double kSecondsPerTriangle = 1.5e-6;
constexpr double kBytesPerTriangle = 120;
// A placed leaf shape (a transform in the bounding tree); measured on 50,000 placements.
constexpr double kSecondsPerPlacement = 5e-6;
constexpr double kBytesPerPlacement = 800;
// A ray costs more the more primitives it may meet (the log), and far more when round
// primitives fill the picture than flat triangles do: a ray that hits a cone is shaded and
// shadow-tested against cones.
constexpr double kSecondsPerRayOnTriangles = 6e-7;
constexpr double kSecondsPerRayOnCones = 9e-6;

}  // namespace

RenderCost EstimateRenderCost(const ScenePlan& plan, int width, int height, bool antialias) {
  const double stems = static_cast<double>(plan.segmentCount());
  const double joints = static_cast<double>(plan.jointCount());
  const double triangles =
      static_cast<double>(plan.leafTriangleCount()) + 2.0 * static_cast<double>(plan.stripCount());
  const double placements = static_cast<double>(plan.leafInstances.placementCount());
  RenderCost cost;
  cost.parseSeconds = kStartSeconds + stems * kSecondsPerStem + joints * kSecondsPerJoint +
                      triangles * kSecondsPerTriangle + placements * kSecondsPerPlacement;
  cost.bytes = kStartBytes + stems * kBytesPerStem + joints * kBytesPerJoint +
               triangles * kBytesPerTriangle + placements * kBytesPerPlacement;
  const double rays = static_cast<double>(width) * height * (antialias ? 1.6 : 1.0);
  const double primitives = stems + joints + triangles;
  // Two triangles draw what a cone and its sphere do.
  const double roundShare =
      primitives > 0 ? (stems + joints) / (stems + joints + triangles / 2) : 0;
  const double perRay = kSecondsPerRayOnTriangles + roundShare * kSecondsPerRayOnCones;
  cost.traceSeconds = rays * perRay * (1.0 + std::log2(1.0 + primitives) / 8);
  return cost;
}

std::string CostSummary(const RenderCost& cost) {
  char buffer[96];
  const double seconds = cost.seconds();
  const double megabytes = cost.bytes / 1e6;
  if (megabytes >= 1000) {
    std::snprintf(buffer, sizeof buffer, "%.0f s and %.1f GB", std::ceil(seconds), megabytes / 1e3);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.0f s and %.0f MB", std::ceil(seconds), megabytes);
  }
  return buffer;
}

}  // namespace lsys
