#include "companion/picture/view.h"

#include <algorithm>
#include <cmath>

namespace lsys {
namespace {

// The extents of the drawing along the screen's axes.
struct ScreenExtent {
  double rightMin = 0.0, rightMax = 0.0;
  double upMin = 0.0, upMax = 0.0;
  bool empty = true;
};

ScreenExtent extentOf(const Drawing& drawing, const ViewBasis& basis) {
  ScreenExtent e;
  ForEachBoundingPoint(drawing, [&](Point3 p, double radius) {
    const double rho = std::max(radius, 0.0);
    const double r = Dot(p, basis.right);
    const double u = Dot(p, basis.up);
    if (e.empty) {
      e = {r - rho, r + rho, u - rho, u + rho, false};
      return;
    }
    e.rightMin = std::min(e.rightMin, r - rho);
    e.rightMax = std::max(e.rightMax, r + rho);
    e.upMin = std::min(e.upMin, u - rho);
    e.upMax = std::max(e.upMax, u + rho);
  });
  return e;
}

// A drawing of no size (a single point of radius 0) still gets a frame of one unit.
double atLeastOne(double span) { return span > 1e-9 ? span : 1.0; }

}  // namespace

std::optional<View> ParseView(std::string_view name) {
  if (name == "front") return View::kFront;
  if (name == "side") return View::kSide;
  if (name == "top") return View::kTop;
  if (name == "iso") return View::kIso;
  return std::nullopt;
}

ViewBasis BasisOf(View view) {
  // The front camera stands where the lsys2pov camera stands, on the +z side of the scene.
  switch (view) {
    case View::kFront:
      return {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    case View::kSide:
      return {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}};
    case View::kTop:
      return {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    case View::kIso:
      break;
  }
  const Point3 back = Normalized({-1, 1, 1});
  const Point3 up = Normalized(Point3{0, 1, 0} - back * back.y);
  return {Cross(back, up), up, back};
}

View DefaultView(const Drawing& drawing) {
  const Box box = BoundingBox(drawing);
  if (box.empty) return View::kFront;
  const Point3 size = box.max - box.min;
  const double largest = std::max({size.x, size.y, size.z});
  // Thinner than 2 % of its largest extent, as a figure of lines with their radii is.
  const double flat = 0.02 * largest;
  // front shows x and y, top x and z, side z and y
  if (size.x > flat && size.y > flat) return View::kFront;
  return size.x * size.z >= size.z * size.y ? View::kTop : View::kSide;
}

PerspectiveCamera FitPerspective(const Drawing& drawing, View view, double aspect) {
  const ViewBasis basis = BasisOf(view);
  const ScreenExtent e = extentOf(drawing, basis);
  const double rightCentre = (e.rightMin + e.rightMax) / 2;
  const double upCentre = (e.upMin + e.upMax) / 2;
  const double tanUp = std::tan(kVerticalFieldOfView / 2 * 3.14159265358979323846 / 180);
  const double tanRight = tanUp * aspect;
  const double usable = 1.0 - kFrameMargin;
  // The camera's depth along back: every point must lie within the field of view at its own
  // distance, |offset| + radius <= usable * tan * (cameraDepth - depth - radius).
  double cameraDepth = -1e300;
  double nearest = -1e300;
  ForEachBoundingPoint(drawing, [&](Point3 p, double radius) {
    const double rho = std::max(radius, 0.0);
    const double depth = Dot(p, basis.back) + rho;
    const double needRight =
        (std::fabs(Dot(p, basis.right) - rightCentre) + rho) / (usable * tanRight);
    const double needUp = (std::fabs(Dot(p, basis.up) - upCentre) + rho) / (usable * tanUp);
    cameraDepth = std::max(cameraDepth, depth + std::max(needRight, needUp));
    nearest = std::max(nearest, depth);
  });
  // A drawing of no size (a point of radius 0): back off so that one unit fills the frame.
  if (e.rightMax - e.rightMin < 1e-9 && e.upMax - e.upMin < 1e-9) {
    cameraDepth = nearest + 0.5 / (usable * tanUp);
  }

  PerspectiveCamera camera;
  camera.location = basis.right * rightCentre + basis.up * upCentre + basis.back * cameraDepth;
  camera.direction = basis.back * -1.0;
  camera.right = basis.right * (2 * tanRight);
  camera.up = basis.up * (2 * tanUp);
  camera.distance = cameraDepth - nearest;
  return camera;
}

OrthographicFit FitOrthographic(const Drawing& drawing, View view, double width, double height) {
  OrthographicFit fit;
  fit.basis = BasisOf(view);
  const ScreenExtent e = extentOf(drawing, fit.basis);
  const double usable = 1.0 - kFrameMargin;
  fit.scale = std::min(usable * width / atLeastOne(e.rightMax - e.rightMin),
                       usable * height / atLeastOne(e.upMax - e.upMin));
  fit.offsetX = width / 2 - fit.scale * (e.rightMin + e.rightMax) / 2;
  fit.offsetY = height / 2 + fit.scale * (e.upMin + e.upMax) / 2;
  return fit;
}

}  // namespace lsys
