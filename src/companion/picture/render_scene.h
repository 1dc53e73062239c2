// The scene that `lsys render` gives POV-Ray: a scene of its own, not the lsys2pov one. It
// starts with `#version 3.7;` and `assumed_gamma 1.0`, declares the stem and leaf textures by
// colour index in one place, declares the plant as one object `LSys_Plant` (a union of cones
// and spheres by stem colour, and of mesh2 leaves by leaf colour) that another scene can place,
// and ends with a camera fitted to the drawing and a light from the camera's side. Nothing in
// it makes POV-Ray 3.7 warn: degenerate primitives are left out and single members are not
// wrapped in a union.
#pragma once

#include <string_view>

#include "common/output.h"
#include "companion/picture/drawing.h"
#include "companion/picture/view.h"

namespace lsys {

// Writes the scene of the non-empty drawing for the view and the picture's aspect ratio
// (width / height) to out. title names the description in the scene's first comment.
void WriteRenderScene(const Drawing& drawing, View view, double aspect, std::string_view title,
                      Output& out);

}  // namespace lsys
