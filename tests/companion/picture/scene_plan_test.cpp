// The scene plan: one group per palette entry, and spheres only at the joints where a branch
// turns or changes radius.
#include "companion/picture/scene_plan.h"

#include <gtest/gtest.h>

#include <vector>

#include "companion/picture/line_width.h"

namespace lsys {
namespace {

Segment segment(Vector3f from, Vector3f to, float startRadius, float endRadius) {
  return {from, to, endRadius, startRadius};
}

TEST(PlanScene, PutsSpheresOnlyWhereABranchTurnsOrChangesRadius) {
  const struct {
    const char* name;
    std::vector<Segment> segments;
    std::size_t joints;
  } rows[] = {
      {"a straight run",
       {segment({0, 0, 0}, {0, 0, 1}, 1, 1), segment({0, 0, 1}, {0, 0, 2}, 1, 1)},
       0},
      {"a bend", {segment({0, 0, 0}, {0, 0, 1}, 1, 1), segment({0, 0, 1}, {0, 1, 2}, 1, 1)}, 1},
      {"a taper that goes on",
       {segment({0, 0, 0}, {0, 0, 1}, 2, 1), segment({0, 0, 1}, {0, 0, 2}, 1, 0.5f)},
       0},
      {"a step in radius",
       {segment({0, 0, 0}, {0, 0, 1}, 1, 1), segment({0, 0, 1}, {0, 0, 2}, 0.5f, 0.5f)},
       1},
      {"a fork of two branches and a straight stem: one sphere",
       {segment({0, 0, 0}, {0, 0, 1}, 1, 1), segment({0, 0, 1}, {0, 1, 2}, 1, 1),
        segment({0, 0, 1}, {0, -1, 2}, 1, 1), segment({0, 0, 1}, {0, 0, 2}, 1, 1)},
       1},
      {"apart", {segment({0, 0, 0}, {0, 0, 1}, 1, 1), segment({5, 0, 1}, {5, 1, 2}, 1, 1)}, 0},
      {"a tip has none", {segment({0, 0, 0}, {0, 0, 1}, 1, 1)}, 0},
  };
  for (const auto& row : rows) {
    Drawing drawing;
    drawing.segments = row.segments;
    const ScenePlan plan = PlanScene(drawing, Palette::Natural());
    EXPECT_EQ(plan.segmentCount(), row.segments.size()) << row.name;
    EXPECT_EQ(plan.jointCount(), row.joints) << row.name;
  }
}

TEST(PlanScene, GroupsByPaletteEntryNotByColourIndex) {
  const std::vector<Segment> segments(4, segment({0, 0, 0}, {0, 0, 1}, 1, 1));
  const std::vector<std::uint8_t> colours = {0, 40, 200, 9};
  Drawing drawing;
  drawing.segments = segments;
  drawing.segmentColours = colours;
  // natural: 40 and 200 both clamp to the last entry
  EXPECT_EQ(PlanScene(drawing, Palette::Natural()).stems.size(), 3u);
  // categorical: 0, 40 and 200 are entry 0, 9 is entry 1
  const ScenePlan categorical = PlanScene(drawing, Palette::Categorical());
  ASSERT_EQ(categorical.stems.size(), 2u);
  EXPECT_EQ(categorical.stems.at(0).segments.size(), 3u);
}

TEST(LineWidth, ReadsPixelsOrOff) {
  const struct {
    const char* text;
    bool valid;
    LineWidth::Mode mode;
    double pixels;
  } rows[] = {{"off", true, LineWidth::Mode::kOff, 0},
              {"3", true, LineWidth::Mode::kPixels, 3},
              {"0.5", true, LineWidth::Mode::kPixels, 0.5},
              {"0", false, {}, 0},
              {"-2", false, {}, 0},
              {"2px", false, {}, 0},
              {"", false, {}, 0},
              {"nan", false, {}, 0},
              {"1001", false, {}, 0}};
  for (const auto& row : rows) {
    const auto width = ParseLineWidth(row.text);
    ASSERT_EQ(width.has_value(), row.valid) << row.text;
    if (!width) continue;
    EXPECT_EQ(width->mode, row.mode) << row.text;
    EXPECT_EQ(width->pixels, row.pixels) << row.text;
  }
}

TEST(LineWidth, GivesPixelsToPlantsWithoutWidthsAndKeepsTheOthers) {
  const std::vector<Segment> plain = {segment({0, 0, 0}, {0, 0, 1}, kDefaultWidth, kDefaultWidth)};
  const std::vector<Segment> widths = {segment({0, 0, 0}, {0, 0, 1}, 0.5f, kDefaultWidth)};
  const LineWidth automatic;
  const LineWidth off{LineWidth::Mode::kOff, 0};
  const LineWidth four{LineWidth::Mode::kPixels, 4};
  // a pixel of 2 units: 3 px wide is a radius of 3 units
  EXPECT_EQ(ChosenRadius(automatic, plain, 2.0), 3.0f);
  EXPECT_FALSE(ChosenRadius(automatic, widths, 2.0));
  EXPECT_FALSE(ChosenRadius(off, plain, 2.0));
  EXPECT_EQ(ChosenRadius(four, widths, 2.0), 4.0f);
}

}  // namespace
}  // namespace lsys
