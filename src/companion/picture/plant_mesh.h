// The drawing as one triangle mesh with vertex normals, shared by the OBJ and glTF writers.
//
// Frame: right-handed with y up, metres = turtle units, the convention of OBJ and glTF. A turtle
// point (x, y, z) becomes (-y, z, -x): the scene frame (y up, left-handed) with its x mirrored,
// so the front of the plant faces +z like the render's front view. The mapping is a rotation of
// the turtle's frame, so a leaf keeps its orientation.
//
// Stems: every drawn segment is a tube of kStemSides sides tapering from its start radius to
// its end radius. Where a segment starts at the end of an earlier one with the same radius (the
// tube continues), it shares that ring of vertices; a ring that no later segment continues is
// closed by a cap, and so is a start ring that continues nothing. An end of radius 0 is a
// single apex vertex. Leaves: every drawn leaf is its fan of triangles around the centroid, with
// the leaf's normal at every vertex. Every triangle winds counter-clockwise seen from the side
// its normals point to (for a leaf: the side from which its outline runs counter-clockwise), and
// none is degenerate.
#pragma once

#include <cstdint>
#include <vector>

#include "companion/picture/drawing.h"
#include "companion/picture/palette.h"

namespace lsys {

inline constexpr int kStemSides = 8;

struct MeshVertex {
  float position[3];
  float normal[3];
};

// Triangles of one material: the stems or the leaves of one palette entry.
struct MeshGroup {
  bool leaf = false;
  std::size_t entry = 0;                 // in the palette's list of its part
  std::vector<std::uint32_t> triangles;  // three vertex indices per triangle
};

struct PlantMesh {
  std::vector<MeshVertex> vertices;
  std::vector<MeshGroup> groups;  // stems before leaves, each by palette entry; none empty
};

// The turtle point in the y-up right-handed frame.
Point3 ToYUp(const Vector3f& p);

// The whole drawing, or only its leaves.
enum class MeshParts { kStemsAndLeaves, kLeavesOnly };
// Groups the triangles by the palette's entries.
PlantMesh BuildPlantMesh(const Drawing& drawing, const Palette& palette,
                         MeshParts parts = MeshParts::kStemsAndLeaves);

// The leaf's normal in the y-up frame (Newell's method over its outline in recording order,
// unit length): the side from which the outline runs counter-clockwise.
Point3 LeafNormal(const Leaf& leaf);

}  // namespace lsys
