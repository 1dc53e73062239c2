// Thin lines as strips: quads that face the camera at the segment's width, one per straight
// run, runs hidden by their parent left out, and all of them with the leaves in one mesh2.
#include "companion/picture/strip_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "companion/picture/render_scene.h"
#include "companion/picture/scene_plan.h"

namespace lsys {
namespace {

// The turtle point that lands on the scene point (x, y, z): ToScene maps (a, b, c) to
// (b, c, -a).
Vector3f at(float x, float y, float z) { return {-z, x, y}; }

Segment line(Vector3f from, Vector3f to, float radius) { return {from, to, radius, radius}; }

// A camera on the z axis looking down it from 100 units, in a picture 100 pixels high: one
// pixel is one unit at z = 0.
PictureScale scale() {
  PerspectiveCamera camera;
  camera.location = {0, 0, 100};
  camera.direction = {0, 0, -1};
  camera.right = {4.0 / 3.0, 0, 0};
  camera.up = {0, 1, 0};
  camera.distance = 100;
  return {camera, 100};
}

double length(Point3 v) { return std::sqrt(Dot(v, v)); }

std::vector<StripQuad> stripsOf(const std::vector<Segment>& segments) {
  Drawing drawing;
  drawing.segments = segments;
  std::vector<std::size_t> all;
  for (std::size_t i = 0; i < segments.size(); ++i) all.push_back(i);
  return PlanStrips(drawing, all, JoinsOf(drawing), scale());
}

TEST(PlanStrips, QuadsFaceTheCameraAtTheSegmentsWidth) {
  const struct {
    const char* name;
    Segment segment;
  } rows[] = {
      {"upright", line(at(0, 0, 0), at(0, 10, 0), 1)},
      {"level", line(at(-5, 2, 0), at(5, 2, 0), 0.5f)},
      {"slanting", line(at(1, 1, 0), at(7, 9, 0), 2)},
      {"towards the camera", line(at(0, 0, -20), at(6, 8, 20), 1)},
      {"tapering", {at(0, 0, 0), at(0, 10, 0), 1.5f, 0.5f}},  // end, then start radius
      {"end-on: a square", line(at(3, 3, -5), at(3, 3, 5), 1)},
  };
  for (const auto& row : rows) {
    const std::vector<StripQuad> quads = stripsOf({row.segment});
    ASSERT_EQ(quads.size(), 1u) << row.name;
    const auto& c = quads[0].corners;
    const Point3 start = ToScene(row.segment.start);
    const Point3 end = ToScene(row.segment.end);
    // each end's two corners lie across the line of sight and across the run, 2 radii apart
    for (const auto& [a, b, centre, radius] :
         {std::tuple{c[0], c[1], start, row.segment.startRadius},
          std::tuple{c[2], c[3], end, row.segment.endRadius}}) {
      const Point3 across = a - b;
      const Point3 toCamera = Normalized(scale().camera.location - (start + end) * 0.5);
      EXPECT_NEAR(length(across), 2.0 * radius, 1e-4) << row.name;
      EXPECT_NEAR(Dot(Normalized(across), toCamera), 0.0, 1e-3) << row.name;
      if (length(end - start) > 0 && std::abs(end.x - start.x) + std::abs(end.y - start.y) > 0) {
        EXPECT_NEAR(Dot(Normalized(across), Normalized(end - start)), 0.0, 1e-3) << row.name;
      }
      // a lone segment's ends are flat, as a cone's are
      EXPECT_NEAR(length((a + b) * 0.5 - centre), 0.0, 1e-3) << row.name;
    }
    // the two triangles turn the same way: the quad is not folded
    const Point3 first = Cross(c[1] - c[0], c[2] - c[0]);
    const Point3 second = Cross(c[3] - c[1], c[2] - c[1]);
    EXPECT_GT(Dot(first, second), 0.0) << row.name;
  }
}

TEST(PlanStrips, OneQuadPerStraightRunOfOneRadius) {
  // a run of segments turning by 0.001 radians each: every joint is straight to a millionth,
  // but the run bends by pixels as a whole
  std::vector<Segment> bending;
  Point3 p{0, 0, 0};
  for (int i = 0; i < 20; ++i) {
    const double angle = 0.001 * i;
    const Point3 q = p + Point3{std::sin(angle), std::cos(angle), 0} * 10.0;
    bending.push_back(line(at(static_cast<float>(p.x), static_cast<float>(p.y), 0),
                           at(static_cast<float>(q.x), static_cast<float>(q.y), 0), 1));
    p = q;
  }
  const struct {
    const char* name;
    std::vector<Segment> segments;
    std::size_t quads;
  } rows[] = {
      {"three in a line",
       {line(at(0, 0, 0), at(0, 5, 0), 1), line(at(0, 5, 0), at(0, 9, 0), 1),
        line(at(0, 9, 0), at(0, 20, 0), 1)},
       1},
      {"a bend", {line(at(0, 0, 0), at(0, 5, 0), 1), line(at(0, 5, 0), at(5, 10, 0), 1)}, 2},
      {"a step in radius",
       {line(at(0, 0, 0), at(0, 5, 0), 1), line(at(0, 5, 0), at(0, 9, 0), 0.5f)},
       2},
      {"a taper is its own quad",
       {{at(0, 0, 0), at(0, 5, 0), 1, 0.5f}, line(at(0, 5, 0), at(0, 9, 0), 1)},
       2},
      {"in line but apart",
       {line(at(0, 0, 0), at(0, 5, 0), 1), line(at(0, 6, 0), at(0, 9, 0), 1)},
       2},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(stripsOf(row.segments).size(), row.quads) << row.name;
  }
  // a slow bend is not straightened: several quads, the last one ending at the true tip
  const std::vector<StripQuad> quads = stripsOf(bending);
  ASSERT_FALSE(quads.empty());
  EXPECT_GE(quads.size(), 3u);
  EXPECT_LT(quads.size(), bending.size());
  const Point3 lastEnd = (quads.back().corners[2] + quads.back().corners[3]) * 0.5;
  EXPECT_NEAR(length(lastEnd - ToScene(bending.back().end)), 0.0, 1e-3);
}

TEST(PlanStrips, ReachesPastJointsButEndsFlatAtTipsAndBases) {
  // a bend at (0, 10) with a twig of another colour starting at (5, 15)
  const std::vector<Segment> segments = {line(at(0, 0, 0), at(0, 10, 0), 2),
                                         line(at(0, 10, 0), at(5, 15, 0), 2),
                                         line(at(5, 15, 0), at(5, 25, 0), 1)};
  Drawing drawing;
  drawing.segments = segments;
  const std::vector<std::size_t> first = {0, 1};  // one entry's; the twig is another's
  const std::vector<StripQuad> quads = PlanStrips(drawing, first, JoinsOf(drawing), scale());
  ASSERT_EQ(quads.size(), 2u);
  const auto middle = [](const Point3& a, const Point3& b) { return (a + b) * 0.5; };
  const double reach = 2 * 0.785398;  // pi / 4 of the radius
  const auto& stem = quads[0].corners;
  const auto& branch = quads[1].corners;
  // the base and the joints, and how far past each the quads reach (along the run as seen)
  const struct {
    const char* name;
    Point3 a, b, end;
    double reach;
  } rows[] = {
      {"the stem's base", stem[0], stem[1], {0, 0, 0}, 0.0},
      {"the stem at the bend", stem[2], stem[3], {0, 10, 0}, reach},
      {"the branch at the bend", branch[0], branch[1], {0, 10, 0}, reach},
      {"the branch where the other entry's twig starts", branch[2], branch[3], {5, 15, 0}, reach}};
  for (const auto& row : rows) {
    EXPECT_NEAR(length(middle(row.a, row.b) - row.end), row.reach, 1e-3) << row.name;
  }
}

TEST(PlanStrips, LeavesOutRunsTheirParentHides) {
  const Segment stem = line(at(0, 0, 0), at(0, 40, 0), 1);
  const Segment below = line(at(0, 0, 0), at(0, 20, 0), 1);
  const Segment above = line(at(0, 20, 0), at(0, 40, 0), 1);
  const struct {
    const char* name;
    std::vector<Segment> segments;
    std::size_t quads;
  } rows[] = {
      // a twig a tenth of a pixel long stands out of the stem by less than a tenth
      {"a tiny twig", {below, line(at(0, 20, 0), at(0.07f, 20.07f, 0), 1), above}, 1},
      {"a twig on a hidden twig",
       {below, line(at(0, 20, 0), at(0.1f, 20.1f, 0), 1),
        line(at(0.1f, 20.1f, 0), at(0.2f, 20.1f, 0), 1), above},
       1},
      {"a branch that shows", {below, line(at(0, 20, 0), at(5, 25, 0), 1), above}, 2},
      {"a tiny twig wider than the stem",
       {below, line(at(0, 20, 0), at(0.07f, 20.07f, 0), 2), above},
       2},
      {"a tiny twig off the stem's end", {stem, line(at(0, 40, 0), at(0.1f, 40.1f, 0), 1)}, 1},
      {"a tiny piece apart from the stem", {stem, line(at(3, 20, 0), at(3.1f, 20.1f, 0), 1)}, 2},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(stripsOf(row.segments).size(), row.quads) << row.name;
  }
}

TEST(PlanScene, DrawsThinSegmentsAsStripsAndThickOnesAsConesWithJoints) {
  // one pixel is one unit at z = 0; kThinLinePixels is 2.5
  const struct {
    const char* name;
    std::vector<Segment> segments;
    std::size_t cones, joints, strips;
  } rows[] = {
      {"thin bend: no joint sphere",
       {line(at(0, 0, 0), at(0, 10, 0), 1), line(at(0, 10, 0), at(10, 20, 0), 1)},
       0,
       0,
       2},
      {"thick bend: cones and a sphere",
       {line(at(0, 0, 0), at(0, 10, 0), 4), line(at(0, 10, 0), at(10, 20, 0), 4)},
       2,
       1,
       0},
      {"a thin twig on a thick stem keeps the sphere",
       {line(at(0, 0, 0), at(0, 10, 0), 4), line(at(0, 10, 0), at(10, 20, 0), 1)},
       1,
       1,
       1},
      {"thick at one end only: a cone", {{at(0, 0, 0), at(0, 10, 0), 1, 3}}, 1, 0, 0},
  };
  for (const auto& row : rows) {
    Drawing drawing;
    drawing.segments = row.segments;
    const ScenePlan plan = PlanScene(drawing, Palette::Natural(), scale());
    EXPECT_EQ(plan.segmentCount(), row.cones) << row.name;
    EXPECT_EQ(plan.jointCount(), row.joints) << row.name;
    EXPECT_EQ(plan.stripCount(), row.strips) << row.name;
  }
}

std::size_t countOf(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

TEST(WriteRenderScene, PutsAllStripsAndLeavesInOneMeshThatNamesEachEntrysTexture) {
  // thin lines in two palette entries, a thick one, and a leaf
  const std::vector<Segment> segments = {
      line(at(0, 0, 0), at(0, 10, 0), 1), line(at(0, 10, 0), at(5, 15, 0), 1),
      line(at(0, 10, 0), at(-5, 15, 0), 1), line(at(20, 0, 0), at(20, 10, 0), 5)};
  const std::vector<std::uint8_t> colours = {0, 0, 4, 0};
  const std::vector<Vector3f> outline = {at(-5, 15, 0), at(-6, 17, 0), at(-4, 17, 0)};
  Drawing drawing;
  drawing.segments = segments;
  drawing.segmentColours = colours;
  drawing.leaves = {{outline, 1}};
  const SceneLook look;
  std::string text;
  {
    Output out = Output::ToString(text);
    WriteRenderScene(drawing, PlanScene(drawing, look.palette, scale()), scale().camera,
                     View::kFront, look, "strips", out);
  }
  EXPECT_EQ(countOf(text, "mesh2 {"), 1u) << text;
  // three quads of two triangles and the leaf's fan of three
  EXPECT_NE(text.find("vertex_vectors { 16,"), std::string::npos) << text;
  EXPECT_NE(text.find("face_indices { 9,"), std::string::npos) << text;
  EXPECT_NE(text.find("texture_list { 3,\n   texture { LSys_Stem_0 },\n   texture { LSys_Stem_4 },"
                      "\n   texture { LSys_Leaf_1 } }"),
            std::string::npos)
      << text;
  // the thick line stays a cylinder of its own entry's union, wrapped in an object
  EXPECT_EQ(countOf(text, "cylinder {"), 1u) << text;
  EXPECT_EQ(countOf(text, "sphere {"), 0u) << text;
  EXPECT_EQ(countOf(text, "#declare LSys_Plant = union {"), 1u) << text;
}

}  // namespace
}  // namespace lsys
