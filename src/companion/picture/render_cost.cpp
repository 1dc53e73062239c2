#include "companion/picture/render_cost.h"

#include <cmath>
#include <cstdio>

namespace lsys {
namespace {

// Fitted to Debian's POV-Ray 3.7 on the scene of Fig. 1.24a at 8 steps (390,625 cylinders and
// 195,312 spheres: 535 MB, 447 MB without the spheres) and on the book's bush, with
// scripts/bench-pictures on a shared two-core machine. The memory figures are the firmer ones.
constexpr double kStartSeconds = 0.3;
constexpr double kStartBytes = 40e6;
constexpr double kSecondsPerStem = 7e-6;  // cone or cylinder
constexpr double kBytesPerStem = 1000;
constexpr double kSecondsPerJoint = 4e-6;  // sphere
constexpr double kBytesPerJoint = 450;
constexpr double kSecondsPerTriangle = 1.5e-6;
constexpr double kBytesPerTriangle = 120;
constexpr double kSecondsPerRay = 2e-6;  // grows with the log of the primitives

}  // namespace

RenderCost EstimateRenderCost(const ScenePlan& plan, int width, int height, bool antialias) {
  const double stems = static_cast<double>(plan.segmentCount());
  const double joints = static_cast<double>(plan.jointCount());
  const double triangles =
      static_cast<double>(plan.leafTriangleCount()) + 2.0 * static_cast<double>(plan.stripCount());
  RenderCost cost;
  cost.parseSeconds = kStartSeconds + stems * kSecondsPerStem + joints * kSecondsPerJoint +
                      triangles * kSecondsPerTriangle;
  cost.bytes =
      kStartBytes + stems * kBytesPerStem + joints * kBytesPerJoint + triangles * kBytesPerTriangle;
  const double rays = static_cast<double>(width) * height * (antialias ? 1.6 : 1.0);
  cost.traceSeconds =
      rays * kSecondsPerRay * (1.0 + std::log2(1.0 + stems + joints + triangles) / 8);
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
