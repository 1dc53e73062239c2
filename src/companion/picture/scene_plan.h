// What the companion's POV-Ray scene holds, worked out before a byte is written: the drawn
// segments grouped by the palette entry of their colour, as cones or, when thin in the
// picture, as strips (strip_plan.h), the joints that need a sphere, and the drawn leaves
// grouped by entry. Shared by the scene writer and the cost estimate, so the
// estimate counts exactly what the scene holds.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "companion/picture/drawing.h"
#include "companion/picture/leaf_shapes.h"
#include "companion/picture/palette.h"
#include "companion/picture/strip_plan.h"

namespace lsys {

// A sphere that rounds a joint: where a segment starts at the end of another and turns away
// from it or changes radius. A straight run of equal radii needs none, nor does a tip, nor a
// joint of two strips (their quads overlap there).
struct Joint {
  Point3 centre;
  double radius = 0.0;
};

struct StemGroup {
  std::vector<std::size_t> segments;  // drawn as cones: indices into drawing.segments
  std::vector<Joint> joints;
  std::vector<StripQuad> strips;  // the thin segments, as one mesh2
};

struct ScenePlan {
  std::map<std::size_t, StemGroup> stems;                  // by stem palette entry
  std::map<std::size_t, std::vector<const Leaf*>> leaves;  // by leaf palette entry, all drawn
  LeafInstances leafInstances;  // the drawn leaves of repeated shapes, taken out of leaves

  std::size_t segmentCount() const;  // drawn as cones or cylinders
  std::size_t jointCount() const;
  std::size_t stripCount() const;  // quads
  // The objects the plant's union holds: per stem entry with cones or spheres a union of
  // them, per leaf entry with placed shapes a union of them, and one mesh2 of all strips and
  // other leaves when there are any.
  std::size_t objectCount() const;
  // The leaf palette entries drawn, in a mesh or placed, in ascending order.
  std::vector<std::size_t> leafEntries() const;
  std::size_t leafTriangleCount() const;  // of the fans of all leaves
  std::size_t leafVertexCount() const;    // outline vertices and one centre per leaf
};

// The plan of the drawing with the palette. A joint belongs to the group of the segment that
// starts there; a point where several segments start gets one sphere. Leaves of repeated
// shapes are placed instances (leaf_shapes.h). With the picture's
// scale, the segments thin in it become strips; without, every segment is a cone.
ScenePlan PlanScene(const Drawing& drawing, const Palette& palette,
                    const std::optional<PictureScale>& scale = std::nullopt);

}  // namespace lsys
