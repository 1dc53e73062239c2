// Leaves drawn alike become placed instances of one shape, which lands on each leaf's own
// vertices; small or unique leaves stay in the mesh.
#include "companion/picture/leaf_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "companion/picture/render_scene.h"
#include "companion/picture/scene_plan.h"

namespace lsys {
namespace {

// A six-sided outline (six fan triangles) of the given size, turned by angle about the
// turtle's z axis and tilted by tilt about its x axis, starting at origin.
std::vector<Vector3f> hexagon(double size, double angle, double tilt, Vector3f origin,
                              int sides = 6) {
  std::vector<Vector3f> outline;
  for (int i = 0; i < sides; ++i) {
    const double a = 2 * std::numbers::pi * i / sides;
    // a flat outline in the turtle's xy plane, then turned and tilted
    const double x = size * std::cos(a), y = size * std::sin(a) * 0.6;
    const double tx = x * std::cos(angle) - y * std::sin(angle);
    const double ty = x * std::sin(angle) + y * std::cos(angle);
    outline.push_back({static_cast<float>(origin.x + tx),
                       static_cast<float>(origin.y + ty * std::cos(tilt)),
                       static_cast<float>(origin.z + ty * std::sin(tilt))});
  }
  return outline;
}

double length(Point3 v) { return std::sqrt(Dot(v, v)); }

Point3 placed(const LeafPlacement& p, const Point3& v) {
  return p.origin + p.x * v.x + p.y * v.y + p.z * v.z;
}

TEST(TakeRepeatedLeaves, PlacesRepeatedLeavesOfManyTrianglesAndKeepsTheOthers) {
  const auto same1 = hexagon(1, 0, 0, {0, 0, 0});
  const auto same2 = hexagon(1, 0.7, 0.4, {120, -40, 300});  // far out: float points
  const auto same3 = hexagon(1, 2.0, -1.1, {5, 5, 5});
  const auto larger = hexagon(2, 0, 0, {9, 0, 0});
  const auto square1 = hexagon(1, 0, 0, {0, 9, 0}, 4);
  const auto square2 = hexagon(1, 1, 0, {0, 19, 0}, 4);
  const struct {
    const char* name;
    std::vector<Leaf> leaves;
    std::size_t shapes, placements, kept;
  } rows[] = {
      {"three alike, in two colours", {{same1, 0}, {same2, 0}, {same3, 3}}, 1, 3, 0},
      {"a shape drawn once stays", {{same1, 0}, {same2, 0}, {larger, 0}}, 1, 2, 1},
      {"four triangles stay, alike or not", {{square1, 0}, {square2, 0}}, 0, 0, 2},
      {"a single leaf stays", {{same1, 0}}, 0, 0, 1},
  };
  for (const auto& row : rows) {
    std::map<std::size_t, std::vector<const Leaf*>> leaves;
    for (const Leaf& leaf : row.leaves) leaves[leaf.colour].push_back(&leaf);
    const LeafInstances instances = TakeRepeatedLeaves(leaves);
    EXPECT_EQ(instances.shapes.size(), row.shapes) << row.name;
    EXPECT_EQ(instances.placementCount(), row.placements) << row.name;
    std::size_t kept = 0;
    for (const auto& group : leaves) {
      EXPECT_FALSE(group.second.empty()) << row.name;
      kept += group.second.size();
    }
    EXPECT_EQ(kept, row.kept) << row.name;
    // every placement puts the shape's outline on the vertices of a leaf of its colour
    std::size_t matched = 0;
    for (const auto& [entry, placements] : instances.placed) {
      for (const LeafPlacement& placement : placements) {
        const LeafShape& shape = instances.shapes[placement.shape];
        EXPECT_EQ(shape.faces.size(), 6u) << row.name;
        for (const Leaf& leaf : row.leaves) {
          if (leaf.colour != entry || leaf.outline.size() + 1 != shape.vertices.size()) continue;
          bool all = true;
          for (std::size_t i = 0; i < leaf.outline.size(); ++i) {
            all = all &&
                  length(placed(placement, shape.vertices[i]) - ToScene(leaf.outline[i])) < 2e-4;
          }
          matched += all;
        }
      }
    }
    EXPECT_EQ(matched, row.placements) << row.name;
  }
}

std::size_t countOf(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

TEST(WriteRenderScene, DeclaresEachRepeatedLeafShapeOnceAndPlacesItPerEntry) {
  const auto a = hexagon(1, 0, 0, {0, 0, 0});
  const auto b = hexagon(1, 0.5, 0.2, {0, 3, 1});
  const auto c = hexagon(1, 1.5, 0.2, {0, 6, 1});
  Drawing drawing;
  drawing.leaves = {{a, 2}, {b, 2}, {c, 5}};
  const SceneLook look;
  std::string text;
  {
    Output out = Output::ToString(text);
    WriteRenderScene(drawing, PlanScene(drawing, look.palette),
                     FitPerspective(drawing, View::kFront, 4.0 / 3.0), View::kFront, look, "leaves",
                     out);
  }
  EXPECT_EQ(countOf(text, "#declare LSys_Leaf_Shape_0 = mesh2 {"), 1u) << text;
  EXPECT_EQ(countOf(text, "LSys_Leaf_Shape_"), 4u) << text;
  EXPECT_EQ(countOf(text, " matrix <"), 3u) << text;
  // both entries declared and used once; no mesh of leaves remains
  EXPECT_EQ(countOf(text, "LSys_Leaf_2"), 2u) << text;
  EXPECT_EQ(countOf(text, "LSys_Leaf_5"), 2u) << text;
  EXPECT_EQ(countOf(text, "texture_list"), 0u) << text;
  // a union of two for entry 2, a single object for entry 5, in the plant's union
  EXPECT_EQ(countOf(text, "#declare LSys_Plant = union {\n union {\n"), 1u) << text;
  EXPECT_LT(text.find("#declare LSys_Leaf_Shape_0"), text.find("#declare LSys_Plant"));
}

}  // namespace
}  // namespace lsys
