#include "turtle/primitives.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "turtle/cursor_list.h"

namespace lsys {
namespace {

// One full pass: firstItem, then nextItem until none.
std::vector<int> Pass(CursorList<int>& list) {
  std::vector<int> seen;
  for (int* item = list.firstItem(); item != nullptr; item = list.nextItem()) seen.push_back(*item);
  return seen;
}

TEST(CursorList, AnEmptyListHasNoFirstItem) {
  CursorList<int> list;
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.firstItem(), nullptr);
}

TEST(CursorList, APassVisitsTheRecordsInAppendOrder) {
  CursorList<int> list;
  for (int value : {3, 1, 4, 1, 5}) list.append(std::make_shared<int>(value));
  EXPECT_FALSE(list.empty());
  EXPECT_EQ(Pass(list), (std::vector<int>{3, 1, 4, 1, 5}));
  // The cursor lives in the list: a second pass starts over.
  EXPECT_EQ(Pass(list), (std::vector<int>{3, 1, 4, 1, 5}));
}

TEST(CursorList, AppendDoesNotMoveTheCursor) {
  CursorList<int> list;
  list.append(std::make_shared<int>(1));
  ASSERT_NE(list.firstItem(), nullptr);
  EXPECT_EQ(list.nextItem(), nullptr) << "one record";

  list.makeEmpty();
  list.append(std::make_shared<int>(1));
  EXPECT_EQ(*list.firstItem(), 1);
  list.append(std::make_shared<int>(2));
  list.append(std::make_shared<int>(3));
  // The cursor still stands on the first record, and the new ones follow it.
  int* second = list.nextItem();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(*second, 2);
  int* third = list.nextItem();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(*third, 3);
  EXPECT_EQ(list.nextItem(), nullptr);
}

TEST(CursorList, AppendAfterMakeEmptyStartsAFreshList) {
  CursorList<int> list;
  list.append(std::make_shared<int>(7));
  list.append(std::make_shared<int>(8));
  ASSERT_NE(list.firstItem(), nullptr);
  ASSERT_NE(list.nextItem(), nullptr);  // cursor on the old last node
  list.makeEmpty();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.firstItem(), nullptr);
  list.append(std::make_shared<int>(9));
  EXPECT_EQ(Pass(list), (std::vector<int>{9}));
  list.append(std::make_shared<int>(10));
  EXPECT_EQ(Pass(list), (std::vector<int>{9, 10}));
}

TEST(Polygon, HoldsItsColourAndVerticesInOrder) {
  Polygon polygon(200);
  EXPECT_EQ(polygon.colour, 200);
  EXPECT_EQ(polygon.vertices.firstItem(), nullptr);
  polygon.addVertex({1.5f, -2.0f, 3.25f});
  polygon.addVertex({0.0f, 0.1f, 0.2f});
  const Vector3f* first = polygon.vertices.firstItem();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->x, 1.5f);
  EXPECT_EQ(first->y, -2.0f);
  EXPECT_EQ(first->z, 3.25f);
  const Vector3f* second = polygon.vertices.nextItem();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->x, 0.0f);
  EXPECT_EQ(second->y, 0.1f);
  EXPECT_EQ(second->z, 0.2f);
  EXPECT_EQ(polygon.vertices.nextItem(), nullptr);
}

TEST(Polygon, OneRecordMayStandInTheListTwice) {
  // Released once with its last holder: the sanitizer build reports a leak or a double free.
  auto polygons = std::make_unique<CursorList<Polygon>>();
  auto polygon = std::make_shared<Polygon>(std::uint8_t{7});
  polygon->addVertex({0, 0, 0});
  polygon->addVertex({0, 0, 1});
  polygon->addVertex({0, 1, 1});
  polygons->append(polygon);
  polygons->append(polygon);
  std::weak_ptr<Polygon> watch = polygon;
  polygon.reset();

  Polygon* first = polygons->firstItem();
  Polygon* second = polygons->nextItem();
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(polygons->nextItem(), nullptr);
  EXPECT_FALSE(watch.expired());
  polygons.reset();
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace lsys
