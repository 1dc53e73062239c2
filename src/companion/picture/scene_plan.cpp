#include "companion/picture/scene_plan.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "companion/picture/point_key.h"

namespace lsys {
namespace {

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

std::size_t ScenePlan::stripCount() const {
  std::size_t count = 0;
  for (const auto& group : stems) count += group.second.strips.size();
  return count;
}

std::size_t ScenePlan::objectCount() const {
  bool surfaces = !leaves.empty();
  std::size_t count = 0;
  for (const auto& [entry, group] : stems) {
    if (!group.segments.empty() || !group.joints.empty()) ++count;
    surfaces = surfaces || !group.strips.empty();
  }
  return count + leafInstances.placed.size() + (surfaces ? 1 : 0);
}

std::vector<std::size_t> ScenePlan::leafEntries() const {
  std::set<std::size_t> entries;
  for (const auto& group : leaves) entries.insert(group.first);
  for (const auto& group : leafInstances.placed) entries.insert(group.first);
  return {entries.begin(), entries.end()};
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

ScenePlan PlanScene(const Drawing& drawing, const Palette& palette,
                    const std::optional<PictureScale>& scale) {
  ScenePlan plan;
  std::map<std::size_t, std::vector<std::size_t>> thinByEntry;
  std::vector<bool> thin(drawing.segments.size(), false);
  if (scale) {
    for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
      thin[i] = IsDrawnSegment(drawing.segments[i]) && IsThinSegment(drawing.segments[i], *scale);
    }
  }
  // The first drawn segment that ends at each point. Only a cone needs a joint sphere: when
  // every segment is a strip (Fig. 1.24a's millions), the map is not worth its memory.
  std::unordered_map<PointKey, std::size_t, PointKeyHash> endingAt;
  const auto drawnCone = [&](std::size_t i) {
    return IsDrawnSegment(drawing.segments[i]) && !thin[i];
  };
  bool anyCone = false;
  for (std::size_t i = 0; i < drawing.segments.size() && !anyCone; ++i) anyCone = drawnCone(i);
  if (anyCone) {
    endingAt.reserve(drawing.segments.size());
    for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
      if (IsDrawnSegment(drawing.segments[i])) endingAt.emplace(KeyOf(drawing.segments[i].end), i);
    }
  }
  std::unordered_set<PointKey, PointKeyHash> jointAt;
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& segment = drawing.segments[i];
    if (!IsDrawnSegment(segment) || !printsApart(segment)) continue;
    const std::size_t entry = palette.entryOf(PalettePart::kStem, drawing.segmentColour(i));
    StemGroup& group = plan.stems[entry];
    if (thin[i]) {
      thinByEntry[entry].push_back(i);
    } else {
      group.segments.push_back(i);
    }
    const PointKey start = KeyOf(segment.start);
    const auto before = endingAt.find(start);
    if (before == endingAt.end()) continue;
    const Segment& previous = drawing.segments[before->second];
    if (thin[i] && thin[before->second]) continue;
    if (continues(previous, segment) || !jointAt.insert(start).second) continue;
    const double radius = std::max({previous.endRadius, segment.startRadius, 0.0f});
    if (radius > 0.0) group.joints.push_back({ToScene(segment.start), radius});
  }
  if (!thinByEntry.empty()) {
    const std::vector<std::uint8_t> joins = JoinsOf(drawing);
    for (const auto& [entry, indices] : thinByEntry) {
      plan.stems[entry].strips = PlanStrips(drawing, indices, joins, *scale);
    }
  }
  for (const Leaf& leaf : drawing.leaves) {
    if (IsDrawnLeaf(leaf)) {
      plan.leaves[palette.entryOf(PalettePart::kLeaf, leaf.colour)].push_back(&leaf);
    }
  }
  plan.leafInstances = TakeRepeatedLeaves(plan.leaves);
  return plan;
}

}  // namespace lsys
