// A read-only view of what the turtle drew, in the coordinates the companion's writers share:
// the scene frame of POV-Ray (y up), into which a turtle point (x, y, z) maps as (y, z, -x),
// the same mapping the lsys2pov scene uses. The view borrows the run record's storage.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "turtle/primitives.h"

namespace lsys {

class LSystem;

// One filled outline: its vertices in recording order and its colour index.
struct Leaf {
  std::span<const Vector3f> outline;
  std::uint8_t colour = 0;
};

// Segments with their colour indices (parallel; an index missing counts as 0) and leaves.
// Valid while the primitives it was made from live and are not changed.
struct Drawing {
  std::span<const Segment> segments;
  std::span<const std::uint8_t> segmentColours;
  std::vector<Leaf> leaves;

  std::uint8_t segmentColour(std::size_t index) const {
    return index < segmentColours.size() ? segmentColours[index] : 0;
  }
  bool empty() const { return segments.empty() && leaves.empty(); }
};

// The view of the turtle's results in the run record.
Drawing DrawingOf(const LSystem& lsystem);

// The turtle point in the scene frame: (x, y, z) becomes (y, z, -x).
inline Point3 ToScene(const Vector3f& p) {
  return {static_cast<double>(p.y), static_cast<double>(p.z), -static_cast<double>(p.x)};
}

// Whether a segment draws anything: a length and a radius that are not zero. Writers skip the
// others, which a renderer would reject as degenerate.
bool IsDrawnSegment(const Segment& segment);
// Whether an outline spans an area: three finite vertices or more whose fan (below) has a
// triangle.
bool IsDrawnLeaf(const Leaf& leaf);

// The mean of the leaf's vertices, in the scene frame.
Point3 Centroid(const Leaf& leaf);

// A leaf is filled as a fan around its centroid, as the lsys2pov scene fills it: one triangle
// (outline[previous], centroid, outline[current]) per vertex, the first one's previous being
// the last vertex. Returns the (previous, current) index pairs of the triangles that have an
// area; the others are left out.
std::vector<std::pair<std::size_t, std::size_t>> FanTriangles(const Leaf& leaf, Point3 centroid);

// Calls visit(point, radius) for every point that bounds the drawing: both ends of every
// drawn segment with their radii, and every vertex of every drawn leaf with radius 0.
template <typename Visit>
void ForEachBoundingPoint(const Drawing& drawing, Visit&& visit) {
  for (const Segment& segment : drawing.segments) {
    if (!IsDrawnSegment(segment)) continue;
    visit(ToScene(segment.start), static_cast<double>(segment.startRadius));
    visit(ToScene(segment.end), static_cast<double>(segment.endRadius));
  }
  for (const Leaf& leaf : drawing.leaves) {
    if (!IsDrawnLeaf(leaf)) continue;
    for (const Vector3f& vertex : leaf.outline) visit(ToScene(vertex), 0.0);
  }
}

// The axis-aligned box of the scene frame around the drawing, radii included.
struct Box {
  Point3 min;
  Point3 max;
  bool empty = true;  // nothing is drawn; min and max are meaningless
};
Box BoundingBox(const Drawing& drawing);

}  // namespace lsys
