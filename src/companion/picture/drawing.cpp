#include "companion/picture/drawing.h"

#include <algorithm>
#include <cmath>

#include "common/finite.h"

namespace lsys {
bool IsDrawnSegment(const Segment& segment) {
  if (!IsFiniteSegment(segment)) return false;
  const Point3 axis = ToScene(segment.end) - ToScene(segment.start);
  return Dot(axis, axis) > 1e-18 && std::max(segment.startRadius, segment.endRadius) > 1e-9f;
}

bool IsDrawnLeaf(const Leaf& leaf) {
  if (leaf.outline.size() < 3) return false;
  for (const Vector3f& vertex : leaf.outline) {
    if (!IsFinitePoint(vertex)) return false;
  }
  return !FanTriangles(leaf, Centroid(leaf)).empty();
}

Point3 Centroid(const Leaf& leaf) {
  Point3 sum;
  for (const Vector3f& vertex : leaf.outline) sum = sum + ToScene(vertex);
  return leaf.outline.empty() ? sum : sum * (1.0 / static_cast<double>(leaf.outline.size()));
}

std::vector<std::pair<std::size_t, std::size_t>> FanTriangles(const Leaf& leaf, Point3 centroid) {
  std::vector<std::pair<std::size_t, std::size_t>> triangles;
  const std::size_t n = leaf.outline.size();
  for (std::size_t current = 0; current < n; ++current) {
    const std::size_t previous = current == 0 ? n - 1 : current - 1;
    const Point3 a = ToScene(leaf.outline[previous]) - centroid;
    const Point3 b = ToScene(leaf.outline[current]) - centroid;
    const Point3 normal = Cross(a, b);
    const double scale = std::max(Dot(a, a), Dot(b, b));
    if (scale > 0.0 && Dot(normal, normal) > 1e-18 * scale * scale) {
      triangles.emplace_back(previous, current);
    }
  }
  return triangles;
}

Box BoundingBox(const Drawing& drawing) {
  Box box;
  ForEachBoundingPoint(drawing, [&](Point3 p, double radius) {
    const double r = std::max(radius, 0.0);
    const Point3 low{p.x - r, p.y - r, p.z - r};
    const Point3 high{p.x + r, p.y + r, p.z + r};
    if (box.empty) {
      box.min = low;
      box.max = high;
      box.empty = false;
      return;
    }
    box.min = {std::min(box.min.x, low.x), std::min(box.min.y, low.y), std::min(box.min.z, low.z)};
    box.max = {std::max(box.max.x, high.x), std::max(box.max.y, high.y),
               std::max(box.max.z, high.z)};
  });
  return box;
}

}  // namespace lsys
