// The drawing as a Wavefront OBJ mesh for Blender, MeshLab and the like: every drawn segment a
// closed tube of kTubeSides sides (a truncated cone tapering from its start radius to its end
// radius, with both ends capped) in group `stems`, every drawn leaf its fan of triangles in
// group `leaves`. Coordinates are right-handed with y up, the OBJ convention: a turtle point
// (x, y, z) becomes (-y, z, -x), so the front of the mesh faces +z like the render's front view.
// Faces wind counter-clockwise seen from outside.
#pragma once

#include <string_view>

#include "common/output.h"
#include "companion/picture/drawing.h"

namespace lsys {

inline constexpr int kTubeSides = 6;

void WriteObj(const Drawing& drawing, std::string_view title, Output& out);

}  // namespace lsys
