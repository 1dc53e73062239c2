// Grows every bundled example and checks the figures known for it: final string length and the
// segment and polygon counts of the classic systems (one more module where an example adds a
// width, turns that set the figure upright or framing moves to the book's axiom), and the printed
// generations of the parametric derivation of section 1.10.
#include <gtest/gtest.h>

#include <string>

#include "app/lsystem.h"
#include "derivation/derive.h"
#include "description/load_description.h"
#include "support/test_support.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

struct ExampleFigures {
  const char* file;
  std::size_t length;
  int segments;
  int polygons;
  int verticesPerPolygon;  // 0 when the example has no polygons
};

const ExampleFigures kExamples[] = {
    {"plant_a.ls", 7812, 3125, 0, 0},
    {"plant_b.ls", 9374, 3125, 0, 0},
    {"plant_c.ls", 11117, 4096, 0, 0},
    {"plant_d.ls", 13957, 4118, 0, 0},
    {"plant_e.ls", 12864, 4118, 0, 0},
    {"plant_f.ls", 6264, 1488, 0, 0},
    {"bush.ls", 77399, 3891, 1284, 6},
    {"hogeweg_a.ls", 6903, 2527, 0, 0},
    {"hogeweg_b.ls", 3851, 1322, 0, 0},
    {"hogeweg_c.ls", 942, 277, 0, 0},
    {"hogeweg_d.ls", 2166, 721, 0, 0},
    {"hogeweg_e.ls", 1478, 512, 0, 0},
    {"parametric_1_10.ls", 4, 0, 0, 0},
    {"monopodial_tree.ls", 7163, 1023, 0, 0},
    {"monopodial_tree_d.ls", 7163, 1023, 0, 0},
    {"sympodial_tree.ls", 11254, 1023, 0, 0},
    {"sympodial_tree_c.ls", 11254, 1023, 0, 0},
    {"cordate_leaf.ls", 746, 0, 40, 3},
    {"koch_snowflake.ls", 1794, 768, 0, 0},
    {"koch_island.ls", 3804, 2048, 0, 0},
    {"dragon_curve.ls", 4103, 1024, 0, 0},
    {"sierpinski_arrowhead.ls", 2191, 729, 0, 0},
    {"hilbert_3d.ls", 2162, 511, 0, 0},
    // Files of the grower's dialect, as lsys2pov grows them (without their dialect lines).
    {"stochastic_weed.ls", 7812, 3125, 0, 0},
    {"tropism_tree_a.ls", 6557, 1457, 0, 0},
    {"tropism_tree_b.ls", 59045, 13121, 0, 0},
    {"tropism_tree_c.ls", 59045, 13121, 0, 0},
    {"tropism_tree_d.ls", 59045, 13121, 0, 0},
    {"weeping_shrub.ls", 3, 0, 0, 0},
};

std::string examplePath(const char* file) { return std::string(LSYS_EXAMPLES_DIR) + "/" + file; }

template <typename T>
int countItems(const std::vector<T>& items) {
  return static_cast<int>(items.size());
}

TEST(Examples, GrowToTheKnownFigures) {
  for (const ExampleFigures& example : kExamples) {
    LSystem lsystem;
    CaptureOutput([&] {
      ASSERT_TRUE(LoadDescription(lsystem, examplePath(example.file)));
      Derive(lsystem);
      MakePolyListe(lsystem);
    });
    EXPECT_EQ(lsystem.current->size(), example.length) << example.file;
    EXPECT_EQ(countItems(lsystem.segments), example.segments) << example.file;
    EXPECT_EQ(countItems(lsystem.polygons), example.polygons) << example.file;
    for (const auto& polygon : lsystem.polygons) {
      EXPECT_EQ(countItems(polygon->vertices), example.verticesPerPolygon) << example.file;
    }
  }
}

TEST(Examples, ParametricDerivationPrintsTheBookGenerations) {
  LSystem lsystem;
  const std::string output = CaptureOutput([&] {
    LoadDescription(lsystem, examplePath("parametric_1_10.ls"));
    Derive(lsystem);
  });
  const std::string expected =
      "Parsing:\n"
      "step 1 >>B(1.000000)B(4.000000)A(1.000000,0.000000)\n"
      "step 2 >>B(0.000000)B(3.000000)A(2.000000,1.000000)\n"
      "step 3 >>CB(2.000000)A(4.000000,3.000000)\n"
      "step 4 >>CB(1.000000)A(8.000000,7.000000)\n"
      "step 5 >>CB(0.000000)B(8.000000)A(1.142857,0.000000)\n";
  const std::size_t at = output.find("Parsing:\n");
  ASSERT_NE(at, std::string::npos) << output;
  EXPECT_EQ(output.substr(at), expected);
}

}  // namespace
}  // namespace lsys
