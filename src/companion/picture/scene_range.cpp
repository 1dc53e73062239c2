#include "companion/picture/scene_range.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/lsystem.h"
#include "companion/picture/drawing.h"

namespace lsys {

std::optional<SceneRangeFit> SceneRangeFitOf(const LSystem& lsystem) {
  const Box box = BoundingBox(DrawingOf(lsystem));
  if (box.empty) return std::nullopt;
  const Point3 centre = (box.min + box.max) * 0.5;
  const double halfExtent =
      std::max({box.max.x - box.min.x, box.max.y - box.min.y, box.max.z - box.min.z}) * 0.5;
  if (!std::isfinite(halfExtent) || !std::isfinite(Dot(centre, centre))) return std::nullopt;
  SceneRangeFit fit;
  fit.scale = halfExtent > 0.0 ? kSceneRange / halfExtent : 1.0;
  // The scene frame's (x, y, z) is the turtle's (y, z, -x): the centre in turtle coordinates.
  fit.centre = {-centre.z, centre.x, centre.y};
  double thickest = 0.0;
  for (const Segment& segment : lsystem.segments) {
    if (!IsDrawnSegment(segment)) continue;
    thickest = std::max({thickest, static_cast<double>(segment.startRadius) * fit.scale,
                         static_cast<double>(segment.endRadius) * fit.scale});
  }
  fit.thinnest = thickest < kInvisibleRadius ? kThinnestRadius : 0.0;
  return fit;
}

void MoveIntoSceneRange(LSystem& lsystem, const SceneRangeFit& fit) {
  auto moved = [&](Vector3f p) {
    return Vector3f{static_cast<float>((static_cast<double>(p.x) - fit.centre.x) * fit.scale),
                    static_cast<float>((static_cast<double>(p.y) - fit.centre.y) * fit.scale),
                    static_cast<float>((static_cast<double>(p.z) - fit.centre.z) * fit.scale)};
  };
  auto scaled = [&](float radius) {
    return static_cast<float>(std::max(static_cast<double>(radius) * fit.scale, fit.thinnest));
  };
  for (Segment& segment : lsystem.segments) {
    if (!IsDrawnSegment(segment)) continue;  // left out of the scene anyway
    segment.start = moved(segment.start);
    segment.end = moved(segment.end);
    segment.startRadius = scaled(segment.startRadius);
    segment.endRadius = scaled(segment.endRadius);
  }
  for (auto& polygon : lsystem.polygons) {
    if (!IsDrawnLeaf({polygon->vertices, polygon->colour})) continue;  // may lie outside the box
    auto copy = std::make_shared<Polygon>(*polygon);
    for (Vector3f& vertex : copy->vertices) vertex = moved(vertex);
    polygon = std::move(copy);
  }
}

}  // namespace lsys
