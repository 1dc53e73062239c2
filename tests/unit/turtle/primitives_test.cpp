#include "turtle/primitives.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "app/lsystem.h"

namespace lsys {
namespace {

TEST(Segment, IsAFlatValueOfEightFloats) {
  static_assert(std::is_trivially_copyable_v<Segment>);
  EXPECT_EQ(sizeof(Segment), 8 * sizeof(float));
  const Segment segment{{1, 2, 3}, {4, 5, 6}, 0.5f, 0.25f};
  EXPECT_EQ(segment.start.z, 3.0f);
  EXPECT_EQ(segment.end.x, 4.0f);
  EXPECT_EQ(segment.endRadius, 0.5f);
  EXPECT_EQ(segment.startRadius, 0.25f);
}

TEST(LSystem, StartsWithoutPrimitives) {
  LSystem lsystem;
  EXPECT_TRUE(lsystem.segments.empty());
  EXPECT_TRUE(lsystem.segmentColours.empty());
  EXPECT_TRUE(lsystem.polygons.empty());
}

TEST(Polygon, HoldsItsColourAndVerticesInOrder) {
  Polygon polygon;
  polygon.colour = 200;
  polygon.vertices.push_back({1.5f, -2.0f, 3.25f});
  polygon.vertices.push_back({0.0f, 0.1f, 0.2f});
  ASSERT_EQ(polygon.vertices.size(), 2u);
  EXPECT_EQ(polygon.colour, 200);
  EXPECT_EQ(polygon.vertices[0].x, 1.5f);
  EXPECT_EQ(polygon.vertices[0].y, -2.0f);
  EXPECT_EQ(polygon.vertices[0].z, 3.25f);
  EXPECT_EQ(polygon.vertices[1].y, 0.1f);
}

TEST(Polygon, OneRecordMayStandInTheListTwice) {
  // Released once with its last holder: the sanitizer build reports a leak or a double free.
  auto lsystem = std::make_unique<LSystem>();
  auto polygon = std::make_shared<Polygon>();
  polygon->vertices = {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}};
  lsystem->polygons.push_back(polygon);
  lsystem->polygons.push_back(polygon);
  std::weak_ptr<const Polygon> watch = polygon;
  polygon.reset();

  ASSERT_EQ(lsystem->polygons.size(), 2u);
  EXPECT_EQ(lsystem->polygons[0], lsystem->polygons[1]);
  EXPECT_FALSE(watch.expired());
  lsystem.reset();
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace lsys
