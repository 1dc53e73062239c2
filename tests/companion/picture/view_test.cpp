// The fitting of the companion's pictures: every point of a drawing lies inside the frame,
// with the margin, for every view and aspect ratio, and the drawing fills most of the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "companion/picture/view.h"

namespace lsys {
namespace {

// Owns the primitives a Drawing borrows.
struct DrawingData {
  std::vector<Segment> segments;
  std::vector<std::vector<Vector3f>> outlines;
  Drawing view() const {
    Drawing drawing;
    drawing.segments = segments;
    for (const auto& outline : outlines) drawing.leaves.push_back({outline, 0});
    return drawing;
  }
};

// A square outline of segments in the turtle's y-z plane (upright, seen from the front), far
// from the origin, like a Koch island that starts at one corner.
DrawingData uprightSquare() {
  DrawingData d;
  const Vector3f a{0, 40, 10}, b{0, 40, 90}, c{0, 120, 90}, e{0, 120, 10};
  for (auto [p, q] : {std::pair{a, b}, {b, c}, {c, e}, {e, a}})
    d.segments.push_back({p, q, 0.3f, 0.3f});
  return d;
}

// The same square lying flat in the turtle's x-y plane: no height.
DrawingData flatSquare() {
  DrawingData d;
  const Vector3f a{-5, 2, 0}, b{-5, 30, 0}, c{60, 30, 0}, e{60, 2, 0};
  for (auto [p, q] : {std::pair{a, b}, {b, c}, {c, e}, {e, a}})
    d.segments.push_back({p, q, 0.1f, 0.1f});
  return d;
}

// A tall plant: a trunk, a wide branch and a leaf towards the viewer.
DrawingData plant() {
  DrawingData d;
  d.segments.push_back({{0, 0, 0}, {0, 0, 30}, 0.5f, 1.0f});
  d.segments.push_back({{0, 0, 30}, {-4, 12, 36}, 0.2f, 0.5f});
  d.outlines.push_back({{-9, 0, 20}, {-11, 1, 22}, {-9, 2, 24}});
  return d;
}

// Where a scene point appears in the perspective picture, both coordinates in [-0.5, 0.5]
// inside the frame.
std::pair<double, double> project(const PerspectiveCamera& camera, Point3 p) {
  const Point3 v = p - camera.location;
  const double along = Dot(v, Normalized(camera.direction));
  const double rightLength = std::sqrt(Dot(camera.right, camera.right));
  const double upLength = std::sqrt(Dot(camera.up, camera.up));
  return {Dot(v, camera.right) / rightLength / (along * rightLength),
          Dot(v, camera.up) / upLength / (along * upLength)};
}

TEST(FitPerspective, FramesEveryPointWithItsMarginAndFillsTheFrame) {
  const DrawingData drawings[] = {uprightSquare(), flatSquare(), plant()};
  for (std::size_t which = 0; which < std::size(drawings); ++which) {
    const Drawing drawing = drawings[which].view();
    for (View view : {View::kFront, View::kSide, View::kTop, View::kIso}) {
      for (double aspect : {4.0 / 3.0, 0.5, 3.0}) {
        const PerspectiveCamera camera = FitPerspective(drawing, view, aspect);
        const ViewBasis basis = BasisOf(view);
        double widest = 0.0;
        ForEachBoundingPoint(drawing, [&](Point3 p, double radius) {
          for (Point3 offset : {basis.right, basis.right * -1.0, basis.up, basis.up * -1.0}) {
            const auto [x, y] = project(camera, p + offset * radius);
            EXPECT_LE(std::fabs(x), 0.5 * (1 - kFrameMargin) + 1e-9) << which << " " << aspect;
            EXPECT_LE(std::fabs(y), 0.5 * (1 - kFrameMargin) + 1e-9) << which << " " << aspect;
            widest = std::max({widest, std::fabs(x), std::fabs(y)});
          }
        });
        // The point that sets the distance touches the margin (an edge-on view of a flat
        // figure still fills one way).
        EXPECT_GT(widest, 0.5 * (1 - kFrameMargin) - 0.02) << which << " " << aspect;
      }
    }
  }
}

TEST(FitOrthographic, MapsEveryPointInsideThePictureAndFillsOneSide) {
  const DrawingData drawings[] = {uprightSquare(), flatSquare(), plant()};
  for (std::size_t which = 0; which < std::size(drawings); ++which) {
    const Drawing drawing = drawings[which].view();
    for (View view : {View::kFront, View::kTop, View::kIso}) {
      const double width = 200, height = 100;
      const OrthographicFit fit = FitOrthographic(drawing, view, width, height);
      double left = width, right = 0, top = height, bottom = 0;
      ForEachBoundingPoint(drawing, [&](Point3 p, double radius) {
        const double x = fit.offsetX + fit.scale * Dot(p, fit.basis.right);
        const double y = fit.offsetY - fit.scale * Dot(p, fit.basis.up);
        const double r = fit.scale * radius;
        left = std::min(left, x - r), right = std::max(right, x + r);
        top = std::min(top, y - r), bottom = std::max(bottom, y + r);
      });
      EXPECT_GE(left, 0.0) << which;
      EXPECT_LE(right, width) << which;
      EXPECT_GE(top, 0.0) << which;
      EXPECT_LE(bottom, height) << which;
      EXPECT_TRUE(right - left > 0.85 * width || bottom - top > 0.85 * height) << which;
      // centred
      EXPECT_NEAR((left + right) / 2, width / 2, 1.0) << which;
      EXPECT_NEAR((top + bottom) / 2, height / 2, 1.0) << which;
    }
  }
}

TEST(DefaultView, FrontUnlessTheDrawingIsFlatOrEdgeOn) {
  EXPECT_EQ(DefaultView(uprightSquare().view()), View::kFront);
  EXPECT_EQ(DefaultView(plant().view()), View::kFront);
  EXPECT_EQ(DefaultView(flatSquare().view()), View::kTop);
  // upright in the turtle's x-z plane: the front camera sees it edge-on
  DrawingData edgeOn;
  edgeOn.segments.push_back({{0, 0, 0}, {10, 0, 0}, 0.1f, 0.1f});
  edgeOn.segments.push_back({{10, 0, 0}, {10, 0, 10}, 0.1f, 0.1f});
  EXPECT_EQ(DefaultView(edgeOn.view()), View::kSide);
}

TEST(ParseView, KnowsTheFourNames) {
  EXPECT_EQ(ParseView("front"), View::kFront);
  EXPECT_EQ(ParseView("side"), View::kSide);
  EXPECT_EQ(ParseView("top"), View::kTop);
  EXPECT_EQ(ParseView("iso"), View::kIso);
  EXPECT_EQ(ParseView("Front"), std::nullopt);
  EXPECT_EQ(ParseView(""), std::nullopt);
}

TEST(BasisOf, IsOrthonormalAndLeftHanded) {
  for (View view : {View::kFront, View::kSide, View::kTop, View::kIso}) {
    const ViewBasis b = BasisOf(view);
    EXPECT_NEAR(Dot(b.right, b.right), 1, 1e-12);
    EXPECT_NEAR(Dot(b.up, b.up), 1, 1e-12);
    EXPECT_NEAR(Dot(b.right, b.up), 0, 1e-12);
    EXPECT_NEAR(Dot(b.up, b.back), 0, 1e-12);
    const Point3 r = Cross(b.back, b.up);
    EXPECT_NEAR(Dot(r, b.right), 1, 1e-12);
  }
}

}  // namespace
}  // namespace lsys
