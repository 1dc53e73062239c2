#include "companion/picture/obj_writer.h"

#include <algorithm>
#include <cmath>

namespace lsys {
namespace {

// The scene frame is left-handed; mirroring its x gives the right-handed OBJ frame.
Point3 toObj(Point3 scene) { return {-scene.x, scene.y, scene.z}; }

void vertex(Output& out, Point3 p) {
  out.text("v ");
  out.fixed(p.x);
  out.character(' ');
  out.fixed(p.y);
  out.character(' ');
  out.fixed(p.z);
  out.character('\n');
}

void faceIndex(Output& out, std::int64_t index) {
  out.character(' ');
  out.integer(index);
}

// Writes the tube's 2 * kTubeSides vertices and its faces; first is the OBJ index (1-based)
// of its first vertex.
void writeTube(Output& out, const Segment& segment, std::int64_t first) {
  const Point3 start = toObj(ToScene(segment.start));
  const Point3 end = toObj(ToScene(segment.end));
  const Point3 axis = Normalized(end - start);
  // Any direction across the axis will do; take the one farther from the axis.
  const Point3 helper = std::fabs(axis.y) < 0.9 ? Point3{0, 1, 0} : Point3{1, 0, 0};
  const Point3 u = Normalized(Cross(axis, helper));
  const Point3 v = Cross(axis, u);
  const double startRadius = std::max(static_cast<double>(segment.startRadius), 0.0);
  const double endRadius = std::max(static_cast<double>(segment.endRadius), 0.0);
  for (int ring = 0; ring < 2; ++ring) {
    const Point3 centre = ring == 0 ? start : end;
    const double radius = ring == 0 ? startRadius : endRadius;
    for (int side = 0; side < kTubeSides; ++side) {
      const double angle = 2 * 3.14159265358979323846 * side / kTubeSides;
      vertex(out, centre + (u * std::cos(angle) + v * std::sin(angle)) * radius);
    }
  }
  const auto startRing = [&](int side) { return first + side % kTubeSides; };
  const auto endRing = [&](int side) { return first + kTubeSides + side % kTubeSides; };
  for (int side = 0; side < kTubeSides; ++side) {
    out.character('f');
    faceIndex(out, startRing(side));
    faceIndex(out, startRing(side + 1));
    faceIndex(out, endRing(side + 1));
    faceIndex(out, endRing(side));
    out.character('\n');
  }
  out.character('f');
  for (int side = kTubeSides - 1; side >= 0; --side) faceIndex(out, startRing(side));
  out.text("\nf");
  for (int side = 0; side < kTubeSides; ++side) faceIndex(out, endRing(side));
  out.character('\n');
}

}  // namespace

void WriteObj(const Drawing& drawing, std::string_view title, Output& out) {
  out.text("# ");
  out.text(title);
  out.text(", exported by lsys export\n");
  std::int64_t next = 1;
  out.text("g stems\n");
  for (const Segment& segment : drawing.segments) {
    if (!IsDrawnSegment(segment)) continue;
    writeTube(out, segment, next);
    next += 2 * kTubeSides;
  }
  out.text("g leaves\n");
  for (const Leaf& leaf : drawing.leaves) {
    if (!IsDrawnLeaf(leaf)) continue;
    for (const Vector3f& v : leaf.outline) vertex(out, toObj(ToScene(v)));
    const Point3 centre = Centroid(leaf);
    vertex(out, toObj(centre));
    const std::int64_t centreIndex = next + static_cast<std::int64_t>(leaf.outline.size());
    // Mirroring the frame reverses the winding, so the fan is written the other way round.
    for (auto [previous, current] : FanTriangles(leaf, centre)) {
      out.character('f');
      faceIndex(out, next + static_cast<std::int64_t>(current));
      faceIndex(out, centreIndex);
      faceIndex(out, next + static_cast<std::int64_t>(previous));
      out.character('\n');
    }
    next = centreIndex + 1;
  }
}

}  // namespace lsys
