#include "companion/picture/scene_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace lsys {
namespace {

// A turtle point by its exact bits: the turtle hands a branch the very position where its
// parent ended, so joints are found by equality, not by distance.
struct PointKey {
  std::uint32_t x, y, z;
  bool operator==(const PointKey&) const = default;
};

PointKey keyOf(const Vector3f& p) {
  PointKey key{};
  // +0 and -0 are one point.
  const float x = p.x + 0.0f, y = p.y + 0.0f, z = p.z + 0.0f;
  std::memcpy(&key.x, &x, 4);
  std::memcpy(&key.y, &y, 4);
  std::memcpy(&key.z, &z, 4);
  return key;
}

struct PointHash {
  std::size_t operator()(const PointKey& key) const {
    std::uint64_t h = key.x * 0x9E3779B97F4A7C15ull;
    h ^= (h >> 29) + key.y * 0xC2B2AE3D27D4EB4Full;
    h ^= (h >> 31) + key.z * 0x165667B19E3779F9ull;
    return static_cast<std::size_t>(h ^ (h >> 32));
  }
};

Point3 directionOf(const Segment& s) { return Normalized(ToScene(s.end) - ToScene(s.start)); }

// Whether the segment carries on from the one before it without a visible seam: the same
// direction (to a millionth) and the same radius at the shared point.
bool continues(const Segment& before, const Segment& after) {
  const Point3 a = directionOf(before);
  const Point3 b = directionOf(after);
  return Dot(a, b) > 1.0 - 1e-6 && before.endRadius == after.startRadius;
}

// Whether the segment's ends print as two points: POV-Ray stops at a cone or cylinder whose
// printed ends coincide ("Degenerate cone"), which a segment shorter than the scene's six
// decimals makes. Such a segment is too short to see anyway.
bool printsApart(const Segment& segment) {
  const auto printed = [](double value) { return std::round(value * 1e6); };
  const Point3 a = ToScene(segment.start);
  const Point3 b = ToScene(segment.end);
  return printed(a.x) != printed(b.x) || printed(a.y) != printed(b.y) ||
         printed(a.z) != printed(b.z);
}

}  // namespace

std::size_t ScenePlan::segmentCount() const {
  std::size_t count = 0;
  for (const auto& group : stems) count += group.second.segments.size();
  return count;
}

std::size_t ScenePlan::jointCount() const {
  std::size_t count = 0;
  for (const auto& group : stems) count += group.second.joints.size();
  return count;
}

std::size_t ScenePlan::leafTriangleCount() const {
  std::size_t count = 0;
  for (const auto& group : leaves) {
    for (const Leaf* leaf : group.second) count += FanTriangles(*leaf, Centroid(*leaf)).size();
  }
  return count;
}

std::size_t ScenePlan::leafVertexCount() const {
  std::size_t count = 0;
  for (const auto& group : leaves) {
    for (const Leaf* leaf : group.second) count += leaf->outline.size() + 1;
  }
  return count;
}

ScenePlan PlanScene(const Drawing& drawing, const Palette& palette) {
  ScenePlan plan;
  // The first drawn segment that ends at each point.
  std::unordered_map<PointKey, std::size_t, PointHash> endingAt;
  endingAt.reserve(drawing.segments.size());
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    if (IsDrawnSegment(drawing.segments[i])) endingAt.emplace(keyOf(drawing.segments[i].end), i);
  }
  std::unordered_set<PointKey, PointHash> jointAt;
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& segment = drawing.segments[i];
    if (!IsDrawnSegment(segment) || !printsApart(segment)) continue;
    StemGroup& group = plan.stems[palette.entryOf(PalettePart::kStem, drawing.segmentColour(i))];
    group.segments.push_back(i);
    const PointKey start = keyOf(segment.start);
    const auto before = endingAt.find(start);
    if (before == endingAt.end()) continue;
    const Segment& previous = drawing.segments[before->second];
    if (continues(previous, segment) || !jointAt.insert(start).second) continue;
    const double radius = std::max({previous.endRadius, segment.startRadius, 0.0f});
    if (radius > 0.0) group.joints.push_back({ToScene(segment.start), radius});
  }
  for (const Leaf& leaf : drawing.leaves) {
    if (IsDrawnLeaf(leaf)) {
      plan.leaves[palette.entryOf(PalettePart::kLeaf, leaf.colour)].push_back(&leaf);
    }
  }
  return plan;
}

}  // namespace lsys
