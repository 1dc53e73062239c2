// The directions from which the companion shows a drawing, and the fitting of a picture to it:
// a perspective camera for POV-Ray and an orthographic mapping for SVG, both framing every
// point of the drawing, radii included, with a margin, for the image's aspect ratio.
#pragma once

#include <optional>
#include <string_view>

#include "companion/picture/drawing.h"

namespace lsys {

enum class View { kFront, kSide, kTop, kIso };

// "front", "side", "top" or "iso"; nothing for any other text.
std::optional<View> ParseView(std::string_view name);

// The screen's axes in the scene frame: right and up span the picture, back points from the
// drawing towards the viewer. Orthonormal, with right = back x up as POV-Ray's left-handed
// frame expects.
struct ViewBasis {
  Point3 right;
  Point3 up;
  Point3 back;
};
ViewBasis BasisOf(View view);

// The front view, unless the drawing shows no area from the front (a flat figure lying in the
// horizontal plane, or one seen edge-on; thinner than 2 % of its size): then the top or side view,
// whichever shows more.
View DefaultView(const Drawing& drawing);

// Each side of the picture keeps this fraction of its half-size free.
inline constexpr double kFrameMargin = 0.08;

// A POV-Ray camera given by its vectors: a ray through the picture point (sx, sy), both in
// [-0.5, 0.5] from left to right and bottom to top, leaves location along
// direction + sx * right + sy * up.
struct PerspectiveCamera {
  Point3 location;
  Point3 direction;
  Point3 right;
  Point3 up;
  double distance = 0.0;  // from location to the nearest drawn point's plane, for the light
};

// The camera for the view with a vertical field of view of kVerticalFieldOfView degrees that
// frames the whole drawing in a picture of the aspect ratio (width / height, positive). The
// drawing must not be empty.
inline constexpr double kVerticalFieldOfView = 30.0;
PerspectiveCamera FitPerspective(const Drawing& drawing, View view, double aspect);

// A parallel projection onto a picture of width x height units, y downwards: a scene point p
// lands at (offsetX + scale * Dot(p, right), offsetY - scale * Dot(p, up)). Depth is
// Dot(p, back), larger nearer the viewer. The drawing must not be empty.
struct OrthographicFit {
  ViewBasis basis;
  double scale = 1.0;
  double offsetX = 0.0;
  double offsetY = 0.0;
};
OrthographicFit FitOrthographic(const Drawing& drawing, View view, double width, double height);

}  // namespace lsys
