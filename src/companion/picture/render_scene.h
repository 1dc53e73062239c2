// The scene that `lsys render` and `lsys animate` give POV-Ray: a scene of its own, not the
// lsys2pov one, laid out for POV-Ray to read fast. It starts with `#version 3.7;` and
// `assumed_gamma 1.0`, declares one texture per palette entry the plant uses, declares the
// plant as one object `LSys_Plant` that another scene can place, and ends with the background,
// a camera fitted to the drawing, the lights and, when asked, a ground. The plant is a union of
//   - per stem entry, one union of bare cones (cylinders where both radii are equal) and the
//     spheres that round their joints (ScenePlan), with the entry's texture once, for the
//     segments that are not thin in the picture;
//   - one mesh2 of the strips of the thin segments and the fans of the leaves, whose faces
//     name their entry's texture (surface_mesh_writer.h).
// Nothing in it makes POV-Ray 3.7 warn: degenerate primitives are left out and single members
// are not wrapped in a union.
#pragma once

#include <string_view>

#include "common/output.h"
#include "companion/picture/drawing.h"
#include "companion/picture/palette.h"
#include "companion/picture/scene_plan.h"
#include "companion/picture/view.h"

namespace lsys {

enum class Light {
  kStudio,  // a white key light above and left of the camera, and a soft fill at the camera
  kSun,     // warm sunlight from high up on the right, with a cool sky fill
};

struct SceneLook {
  Palette palette = Palette::Natural();
  Colour background{1.0, 1.0, 1.0};
  bool ground = false;  // a plane under the plant that catches a soft shadow
  Light light = Light::kStudio;
};

// Writes the scene of the drawing for the view, under the camera, to out (a drawing of nothing
// gives the background and an invisible speck, so that POV-Ray does not warn); plan is
// PlanScene(drawing, look.palette, the camera's PictureScale). title names the description in the
// scene's first comment.
void WriteRenderScene(const Drawing& drawing, const ScenePlan& plan,
                      const PerspectiveCamera& camera, View view, const SceneLook& look,
                      std::string_view title, Output& out);

}  // namespace lsys
