// The OBJ for Blender: leaves face the side their outline turns counter-clockwise around,
// tubes share the ring where a branch goes on and close every other, and every face has the
// material of its palette entry.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "companion/picture/obj_writer.h"
#include "companion/picture/palette.h"
#include "support/obj_reader.h"

namespace lsys {
namespace {

testing_support::ObjMesh objOf(const Drawing& drawing, std::string* mtl = nullptr) {
  const Palette palette = Palette::Categorical();
  const PlantMesh mesh = BuildPlantMesh(drawing, palette);
  std::string text;
  {
    Output out = Output::ToString(text);
    WriteObj(mesh, "test", "test.mtl", out);
  }
  if (mtl) {
    Output out = Output::ToString(*mtl);
    WriteMtl(mesh, palette, "test", out);
  }
  return testing_support::ReadObj(text);
}

double dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

struct LeafCase {
  const char* name;
  std::vector<Vector3f> outline;  // turtle coordinates, z up
  std::array<double, 3> facing;   // worked out by hand in the OBJ frame: (x,y,z) -> (-y,z,-x)
};

// Counter-clockwise seen from the turtle's +z, +x and +y, and one clockwise.
const LeafCase kLeafCases[] = {
    {"square counter-clockwise from +z", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 1, 0}},
    {"square clockwise from +z", {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}}, {0, -1, 0}},
    {"square counter-clockwise from +x", {{2, 0, 0}, {2, 1, 0}, {2, 1, 1}, {2, 0, 1}}, {0, 0, -1}},
    {"triangle counter-clockwise from +y", {{0, 3, 0}, {0, 3, 1}, {1, 3, 1}}, {-1, 0, 0}},
    {"kite counter-clockwise from +z", {{0, 0, 5}, {2, 1, 5}, {0, 3, 5}, {-2, 1, 5}}, {0, 1, 0}},
};

TEST(WriteObj, EveryLeafFaceAndNormalFacesTheSideItsOutlineTurnsAround) {
  for (const LeafCase& leafCase : kLeafCases) {
    Drawing drawing;
    drawing.leaves = {{leafCase.outline, 0}};
    const auto mesh = objOf(drawing);
    ASSERT_TRUE(mesh.errors.empty()) << leafCase.name;
    ASSERT_EQ(mesh.faces.size(), leafCase.outline.size()) << leafCase.name;
    for (const auto& face : mesh.faces) {
      const auto n = mesh.faceNormal(face);
      EXPECT_GT(dot(n, leafCase.facing), 0.99 * std::sqrt(dot(n, n))) << leafCase.name;
      for (long index : face.indices) {
        EXPECT_GT(dot(mesh.normals[index - 1], leafCase.facing), 0.999) << leafCase.name;
      }
    }
  }
}

TEST(WriteObj, ABranchPointSharesTheRingWithOneTubeAndCapsTheOther) {
  // F[+F]F: the trunk's end ring goes on into the branch; the trunk's second piece starts a
  // capped ring of its own, so that every ring edge joins exactly two faces.
  const std::vector<Segment> segments = {{{0, 0, 0}, {0, 0, 1}, 0.1f, 0.1f},
                                         {{0, 0, 1}, {0, 1, 2}, 0.1f, 0.1f},
                                         {{0, 0, 1}, {0, 0, 2}, 0.1f, 0.1f}};
  Drawing drawing;
  drawing.segments = segments;
  const auto mesh = objOf(drawing);
  EXPECT_TRUE(mesh.errors.empty());
  EXPECT_EQ(mesh.vertexCount, 5u * kStemSides);  // 2 + 1 + 2 rings
  EXPECT_EQ(mesh.facesIn("stems"), 4u * (kStemSides - 2) + 3u * 2 * kStemSides);
  EXPECT_TRUE(mesh.closed("stems"));
  EXPECT_EQ(mesh.degenerateFaces(), 0u);
  // No vertex normal points against a face it belongs to (a cap's corners have the side's
  // normals, across the cap's own).
  for (const auto& face : mesh.faces) {
    const auto n = mesh.faceNormal(face);
    for (long index : face.indices) {
      EXPECT_GE(dot(mesh.normals[index - 1], n), -1e-9 * std::sqrt(dot(n, n)));
    }
  }
}

TEST(WriteObj, UsesOneMaterialPerPaletteEntryWithItsColour) {
  const std::vector<Segment> segments = {{{0, 0, 0}, {0, 0, 1}, 0.1f, 0.1f},
                                         {{0, 0, 1}, {0, 0, 2}, 0.1f, 0.1f},
                                         {{0, 0, 2}, {0, 0, 3}, 0.1f, 0.1f}};
  const std::vector<std::uint8_t> colours = {
      0, 3, 11};  // 11 is entry 3 again: the categorical palette wraps at 8
  const std::vector<Vector3f> outline = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
  Drawing drawing;
  drawing.segments = segments;
  drawing.segmentColours = colours;
  drawing.leaves = {{outline, 1}};
  std::string mtl;
  const auto mesh = objOf(drawing, &mtl);
  EXPECT_EQ(mesh.materialLibraries, std::vector<std::string>{"test.mtl"});
  std::map<std::string, std::size_t> faces;
  for (const auto& face : mesh.faces) ++faces[face.group + " " + face.material];
  const std::map<std::string, std::size_t> expected = {
      {"stems stem_0", (kStemSides - 2u) + 2u * kStemSides},
      {"stems stem_3", 2u * 2 * kStemSides + (kStemSides - 2u)},
      {"leaves leaf_1", 3u}};
  EXPECT_EQ(faces, expected);
  const Palette kCategorical = Palette::Categorical();
  std::string expectedMtl = "# materials of test, exported by lsys export\n";
  for (const auto& [name, colour] :
       {std::pair{"stem_0", kCategorical.colourOf(PalettePart::kStem, 0)},
        std::pair{"stem_3", kCategorical.colourOf(PalettePart::kStem, 3)},
        std::pair{"leaf_1", kCategorical.colourOf(PalettePart::kLeaf, 1)}}) {
    char kd[96];
    std::snprintf(kd, sizeof kd, "Kd %.6f %.6f %.6f\n", colour.red, colour.green, colour.blue);
    expectedMtl += std::string("\nnewmtl ") + name + "\n" + kd +
                   "Ka 0.000000 0.000000 0.000000\nKs 0.000000 0.000000 0.000000\n"
                   "d 1.000000\nillum 1\n";
  }
  EXPECT_EQ(mtl, expectedMtl);
}

}  // namespace
}  // namespace lsys
