// The companion's writers on small drawings: OBJ tubes are closed meshes, the POV-Ray scene
// leaves out what POV-Ray would warn about, the SVG draws what is drawn, and the helpers of the
// command line read what they are given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "companion/commands/command_support.h"
#include "companion/picture/obj_writer.h"
#include "companion/picture/povray_runner.h"
#include "companion/picture/render_scene.h"
#include "companion/picture/svg_writer.h"
#include "support/obj_reader.h"

namespace lsys {
namespace {

std::size_t countOf(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

// Two drawn segments (the second one tapering to a point), one of no length, a leaf and a
// leaf of two vertices.
struct Sample {
  std::vector<Segment> segments = {{{0, 0, 0}, {0, 0, 2}, 0.1f, 0.2f},
                                   {{0, 0, 2}, {1, 1, 3}, 0.0f, 0.1f},
                                   {{1, 1, 3}, {1, 1, 3}, 0.1f, 0.1f}};
  std::vector<std::uint8_t> colours = {0, 3, 3};
  std::vector<Vector3f> leaf = {{0, 0, 2}, {0, 1, 2.5f}, {0, 0.5f, 3}, {0, -0.5f, 2.8f}};
  std::vector<Vector3f> sliver = {{0, 0, 0}, {1, 0, 0}};
  Drawing view() const {
    Drawing d;
    d.segments = segments;
    d.segmentColours = colours;
    d.leaves = {{leaf, 2}, {sliver, 0}};
    return d;
  }
};

std::string objOf(const Drawing& drawing) {
  std::string text;
  Output out = Output::ToString(text);
  WriteObj(BuildPlantMesh(drawing, Palette::Categorical()), "sample", "sample.mtl", out);
  out.flush();
  return text;
}

TEST(WriteObj, WritesEachDrawnSegmentAsAClosedTubeAndEachLeafAsItsFan) {
  const Sample sample;
  const std::string text = objOf(sample.view());
  const auto mesh = testing_support::ReadObj(text);
  EXPECT_TRUE(mesh.errors.empty()) << text;
  EXPECT_TRUE(mesh.indicesInRange()) << text;
  // The second tube continues the first one's end ring and tapers to an apex: the first tube's
  // two rings, the apex, and the leaf's 4 vertices and centre.
  EXPECT_EQ(mesh.vertexCount, 2u * kStemSides + 1 + 5);
  EXPECT_EQ(mesh.normals.size(), mesh.vertexCount);
  // a start cap, the first side, the cone to the apex
  EXPECT_EQ(mesh.facesIn("stems"), (kStemSides - 2u) + 2u * kStemSides + kStemSides);
  EXPECT_TRUE(mesh.closed("stems"));
  EXPECT_EQ(mesh.facesIn("leaves"), 4u);
  EXPECT_EQ(mesh.degenerateFaces(), 0u);
}

TEST(WriteObj, NothingDrawnGivesEmptyGroups) {
  const std::string text = objOf(Drawing{});
  const auto mesh = testing_support::ReadObj(text);
  EXPECT_EQ(mesh.vertexCount, 0u);
  EXPECT_TRUE(mesh.faces.empty());
}

TEST(WriteRenderScene, DeclaresVersionTexturesAndOnePlantOfTheDrawnPrimitives) {
  const Sample sample;
  std::string text;
  {
    Output out = Output::ToString(text);
    const Drawing drawing = sample.view();
    const SceneLook look;
    WriteRenderScene(drawing, PlanScene(drawing, look.palette),
                     FitPerspective(drawing, View::kFront, 4.0 / 3.0), View::kFront, look, "sample",
                     out);
  }
  EXPECT_NE(text.find("\n#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n"),
            std::string::npos);
  EXPECT_EQ(countOf(text, "#declare LSys_Plant = union {"), 1u);
  // the segment of no length is left out; the two others taper; one sphere rounds the turn
  // between them
  EXPECT_EQ(countOf(text, "cone {"), 2u);
  EXPECT_EQ(countOf(text, "cylinder {"), 0u);
  EXPECT_EQ(countOf(text, "sphere {"), 1u);
  // one texture per palette entry, declared once and used once
  EXPECT_EQ(countOf(text, "LSys_Stem_0"), 2u);
  EXPECT_EQ(countOf(text, "LSys_Stem_3"), 2u);
  EXPECT_EQ(countOf(text, "pigment"), 3u);
  // only the leaf with an area, in its colour
  EXPECT_EQ(countOf(text, "mesh2 {"), 1u);
  EXPECT_NE(text.find("texture { LSys_Leaf_2 }"), std::string::npos);
  EXPECT_NE(text.find("face_indices { 4,"), std::string::npos);
  EXPECT_EQ(countOf(text, "camera {"), 1u);
  EXPECT_EQ(text.substr(text.size() - 22), "object { LSys_Plant }\n");
}

TEST(WriteRenderScene, WrapsASingleMemberInAnObjectNotAUnion) {
  // a cone tapering to its end, which has no end sphere
  const std::vector<Segment> one = {{{0, 0, 0}, {0, 0, 1}, 0.0f, 0.1f}};
  Drawing drawing;
  drawing.segments = one;
  std::string text;
  {
    Output out = Output::ToString(text);
    const SceneLook look;
    WriteRenderScene(drawing, PlanScene(drawing, look.palette),
                     FitPerspective(drawing, View::kFront, 1.0), View::kFront, look, "one", out);
  }
  EXPECT_EQ(countOf(text, "union"), 0u) << text;
  EXPECT_EQ(countOf(text, "#declare LSys_Plant = object {"), 1u);
}

TEST(WriteSvg, DrawsTheDrawnSegmentsAsLinesAndLeavesAsPolygons) {
  const Sample sample;
  std::string text;
  {
    Output out = Output::ToString(text);
    WriteSvg(sample.view(), View::kFront, 80, 60, Palette::Natural(), "a<b", out);
  }
  EXPECT_EQ(text.rfind("<?xml", 0), 0u);
  EXPECT_NE(text.find("viewBox=\"0 0 80 60\""), std::string::npos);
  EXPECT_NE(text.find("<title>a&lt;b</title>"), std::string::npos);
  EXPECT_EQ(countOf(text, "<line "), 2u);
  EXPECT_EQ(countOf(text, "<polygon "), 1u);
  // a leaf is stroked in its own fill colour, so two leaves that share an edge show no seam
  const std::size_t fill = text.find("fill=\"#", text.find("<polygon "));
  const std::size_t stroke = text.find("stroke=\"#", fill);
  ASSERT_NE(stroke, std::string::npos);
  EXPECT_EQ(text.substr(fill + 6, 7), text.substr(stroke + 8, 7));
  EXPECT_EQ(text.substr(text.size() - 12), "</g>\n</svg>\n");
}

TEST(ParseImageSize, ReadsWidthByHeightWithinLimits) {
  const struct {
    const char* text;
    int width;  // 0: rejected
    int height;
  } rows[] = {{"640x480", 640, 480}, {"64X48", 64, 48}, {"1x1", 1, 1},    {"0x10", 0, 0},
              {"10x", 0, 0},         {"x10", 0, 0},     {"10x10x", 0, 0}, {"-5x5", 0, 0},
              {"99999x5", 0, 0},     {"640*480", 0, 0}, {"", 0, 0}};
  for (const auto& row : rows) {
    const auto size = ParseImageSize(row.text);
    if (row.width == 0) {
      EXPECT_FALSE(size) << row.text;
    } else {
      ASSERT_TRUE(size) << row.text;
      EXPECT_EQ(size->width, row.width) << row.text;
      EXPECT_EQ(size->height, row.height) << row.text;
    }
  }
}

TEST(DescriptionStem, DropsTheFolderAndTheExtension) {
  EXPECT_EQ(DescriptionStem("examples/bush.ls"), "bush");
  EXPECT_EQ(DescriptionStem("a.b/c"), "c");
  EXPECT_EQ(DescriptionStem("tree.v2.ls"), "tree.v2");
  EXPECT_EQ(DescriptionStem(".hidden"), ".hidden");
  EXPECT_EQ(DescriptionStem("dir/"), "lsystem");
}

TEST(PovRayComplaints, FindsWarningsAndErrorsButNotTheStreamSummary) {
  const std::string log =
      "  Warning Stream to console.......On \n"
      "  Error Stream to console.........On \n"
      "File 'x.pov' line 6: Parse Warning: Should have at least 2 objects in csg.\r"
      "Rendered 10 of 20 pixels\n"
      "Possible Parse Error: assumed_gamma not set\n";
  const auto complaints = PovRayComplaints(log);
  ASSERT_EQ(complaints.size(), 2u);
  EXPECT_EQ(complaints[0],
            "File 'x.pov' line 6: Parse Warning: Should have at least 2 objects in csg.");
  EXPECT_EQ(complaints[1], "Possible Parse Error: assumed_gamma not set");
}

}  // namespace
}  // namespace lsys
